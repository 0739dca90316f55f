// Fonts by request: the Korean sans-serif face, upright, sized so its cell
// is the requested height, shared by every request of the same size and
// weight.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <utility>

#include "platform/core/context.h"
#include "platform/gdi/face_resolver.h"
#include "platform/gdi/typeface.h"

namespace gdi {

// height: the cell height in pixels; none is made for 0 or less.
struct FontSpec {
  int height = 0;
  int weight = 400;
};

class FontEngine : public platform::Service {
 public:
  // Never null; the same request gives the same typeface while the engine
  // lives. With no face installed at all it measures zero and draws nothing.
  // An empty typeface (its file could not be opened: no descriptor left,
  // say) is made again when asked for a while after, so one failed open
  // does not blank every label for the rest of the run.
  std::shared_ptr<Typeface> Get(const FontSpec& wanted);

 private:
  struct Made {
    std::shared_ptr<Typeface> typeface;
    std::chrono::steady_clock::time_point at;
  };

  FontLibrary library_ = OpenFontLibrary();
  FaceResolver resolver_;
  std::map<std::pair<int, int>, Made> typefaces_;  // by height and weight
};

}  // namespace gdi

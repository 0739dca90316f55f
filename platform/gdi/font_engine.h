// Fonts by request: a face found through fontconfig with Korean coverage,
// sized so its cell is the requested height, shared by every request that
// names the same face, size, weight and slant.
#pragma once

#include <memory>
#include <string>

#include "platform/core/context.h"
#include "platform/gdi/typeface.h"

namespace gdi {

// height > 0: the cell height in pixels; height < 0: |height| is the em
// height; 0: the default size.
struct FontSpec {
  std::wstring face;
  int height = 0;
  int weight = 400;
  bool italic = false;
};

class FontEngine : public platform::Service {
 public:
  FontEngine();
  ~FontEngine() override;

  // Never null; the same request gives the same typeface while the engine
  // lives. With no face installed at all it measures zero and draws nothing.
  // An empty typeface (its file could not be opened: no descriptor left,
  // say) is made again when asked for a while after, so one failed open
  // does not blank every label for the rest of the run.
  std::shared_ptr<Typeface> Get(const FontSpec& wanted);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace gdi

#include "platform/gdi/font_engine.h"

#include <cstdio>
#include <map>
#include <tuple>

#include "platform/gdi/font_resolver.h"
#include "platform/gdi/freetype_typeface.h"

namespace gdi {

namespace {

// Served when no face is installed at all: measures zero, draws nothing.
class NullTypeface : public Typeface {
 public:
  explicit NullTypeface(int height) { metrics_.height = metrics_.ascent = height > 0 ? height : 0; }
  const FontMetrics& Metrics() const override { return metrics_; }
  SIZE Measure(std::wstring_view) override { return SIZE{0, metrics_.height}; }
  void Draw(const Surface32&, int, int, std::wstring_view, COLORREF, std::span<const RECT>) override {}

 private:
  FontMetrics metrics_;
};

using SpecKey = std::tuple<std::wstring, int, int, bool>;

}  // namespace

struct FontEngine::State {
  std::shared_ptr<FreeTypeLibrary> library = FreeTypeLibrary::Create();
  std::map<SpecKey, std::shared_ptr<Typeface>> typefaces;
  bool warnedNoKorean = false;
  // fontconfig keeps its configuration for the process; give it back.
  ~State() { ReleaseFontResolver(); }
};

FontEngine::FontEngine() : state_(std::make_unique<State>()) {}
FontEngine::~FontEngine() = default;

std::shared_ptr<Typeface> FontEngine::Get(const FontSpec& spec) {
  // Weights only choose between the regular and the bold face.
  const SpecKey key{spec.face, spec.height, spec.weight >= 600 ? 700 : 400, spec.italic};
  if (auto found = state_->typefaces.find(key); found != state_->typefaces.end()) return found->second;
  std::shared_ptr<Typeface> typeface;
  if (const std::optional<FontFile> file = ResolveFontFile(spec.face, spec.weight, spec.italic)) {
    if (!file->korean && !state_->warnedNoKorean) {
      std::fprintf(stderr, "roadtally: no font with Korean characters is installed; text may be unreadable\n");
      state_->warnedNoKorean = true;
    }
    typeface = FreeTypeTypeface::Open(state_->library, *file, spec.height);
  }
  if (!typeface) typeface = std::make_shared<NullTypeface>(spec.height);
  state_->typefaces.emplace(key, typeface);
  return typeface;
}

}  // namespace gdi

#include "platform/gdi/font_engine.h"

#include <map>
#include <tuple>

#include "platform/gdi/face_resolver.h"
#include "platform/gdi/font_library.h"

namespace gdi {

namespace {

constexpr int kDefaultHeight = 12;

using RequestKey = std::tuple<std::wstring, int, int, bool>;

RequestKey KeyOf(const FontSpec& wanted) {
  return {wanted.face, wanted.height == 0 ? kDefaultHeight : wanted.height, wanted.weight,
          wanted.italic};
}

}  // namespace

struct FontEngine::State {
  std::shared_ptr<const FontLibrary> library = std::make_shared<FontLibrary>();
  FaceResolver resolver;
  std::map<RequestKey, std::shared_ptr<Typeface>> typefaces;
};

FontEngine::FontEngine() : state_(std::make_unique<State>()) {}
FontEngine::~FontEngine() = default;

std::shared_ptr<Typeface> FontEngine::Get(const FontSpec& wanted) {
  const RequestKey key = KeyOf(wanted);
  std::shared_ptr<Typeface>& typeface = state_->typefaces[key];
  if (!typeface)
    typeface = std::make_shared<Typeface>(state_->library, state_->resolver.Resolve(wanted),
                                          std::get<1>(key));
  return typeface;
}

}  // namespace gdi

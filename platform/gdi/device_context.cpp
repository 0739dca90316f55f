#include "platform/gdi/device_context.h"

#include "platform/gdi/object_table.h"

namespace gdi {

DeviceContext::DeviceContext(Type type, Selection<Bitmap> bitmap, Selection<Font> font,
                             Selection<Pen> pen)
    : GdiObject(kKind), type_(type), bitmap_(bitmap), font_(font), pen_(pen) {
  bitmap_.object->AddSelection();
  font_.object->AddSelection();
  pen_.object->AddSelection();
}

DeviceContext::~DeviceContext() {
  bitmap_.object->RemoveSelection();
  font_.object->RemoveSelection();
  pen_.object->RemoveSelection();
}

void* DeviceContext::Current(UINT kind) const {
  switch (kind) {
    case OBJ_BITMAP: return bitmap_.handle;
    case OBJ_FONT: return font_.handle;
    case OBJ_PEN: return pen_.handle;
    default: return nullptr;
  }
}

void* DeviceContext::Select(void* handle, Bitmap& bitmap) {
  if (type_ == Type::Surface) return nullptr;
  if (&bitmap == bitmap_.object) return handle;
  // A bitmap lives in one DC at a time; the shared stock bitmap is the
  // exception, as every new memory DC starts with it.
  if (bitmap.IsSelected() && !bitmap.IsStock()) return nullptr;
  clip_.reset();
  return Swap(bitmap_, handle, bitmap);
}

void DeviceContext::SetSystemClip(std::optional<RectList> rects) {
  systemClip_ = std::move(rects);
  clip_.reset();
}

DeviceContext* FindDC(const void* handle) { return ObjectTable::Get().Find<DeviceContext>(handle); }

const RectList& DeviceContext::Clip() {
  if (!clip_) {
    const Bitmap& target = *bitmap_.object;
    RectList clip{RECT{0, 0, target.Width(), target.Height()}};
    if (systemClip_) clip = Intersect(clip, *systemClip_);
    clip_ = std::move(clip);
  }
  return *clip_;
}

}  // namespace gdi

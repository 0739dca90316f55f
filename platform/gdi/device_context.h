// A drawing context: what is selected into it, its colours and modes, the
// pen position and the system clip of a window paint. Selected objects cannot be deleted
// while selected, so the DC may keep plain pointers to them.
#pragma once

#include <optional>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_tools.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/rect_list.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

// One selection slot: the handle given back by SelectObject and its object.
template <class T>
struct Selection {
  void* handle = nullptr;
  T* object = nullptr;
};

class DeviceContext : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::DC;

  // A memory DC (free to select bitmaps) or a surface DC (bitmap fixed).
  enum class Type { Memory, Surface };

  DeviceContext(Type type, Selection<Bitmap> bitmap, Selection<Font> font, Selection<Pen> pen);
  ~DeviceContext() override;  // releases every selection

  Type GetType() const { return type_; }

  Bitmap& Target() { return *bitmap_.object; }
  Font* CurrentFont() { return font_.object; }
  Pen* CurrentPen() { return pen_.object; }
  // The handle selected of a kind (OBJ_BITMAP, OBJ_FONT, OBJ_PEN); else nullptr.
  void* Current(UINT kind) const;

  // Each returns the previous handle, or nullptr when the object cannot be
  // selected (a bitmap in another DC, any bitmap into a surface DC).
  void* Select(void* handle, Bitmap& bitmap);
  void* Select(void* handle, Font& font) { return Swap(font_, handle, font); }
  void* Select(void* handle, Pen& pen) { return Swap(pen_, handle, pen); }

  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF textColor = RGB(0, 0, 0);
  int bkMode = OPAQUE;
  POINT penPosition{0, 0};

  // nullopt: no system clip, the whole bitmap may be drawn on.
  void SetSystemClip(std::optional<RectList> rects);

  // Where drawing may land: the bitmap's bounds within the system clip, as
  // disjoint rectangles.
  const RectList& Clip();

 private:
  template <class T>
  void* Swap(Selection<T>& slot, void* handle, T& object) {
    void* previous = slot.handle;
    object.AddSelection();
    slot.object->RemoveSelection();
    slot = Selection<T>{handle, &object};
    return previous;
  }

  Type type_;
  Selection<Bitmap> bitmap_;
  Selection<Font> font_;
  Selection<Pen> pen_;
  std::optional<RectList> systemClip_;
  std::optional<RectList> clip_;  // cache of Clip(), dropped on any change
};

// The DC behind a handle, or nullptr if the handle is not a live DC.
DeviceContext* FindDC(const void* handle);

}  // namespace gdi

#include "platform/gdi/surface_dc.h"

#include "platform/gdi/dc_factory.h"
#include "platform/gdi/object_table.h"

namespace gdi {

HDC CreateSurfaceDC(HBITMAP surface) {
  Bitmap* bitmap = ObjectTable::Get().Find<Bitmap>(surface);
  if (!bitmap || bitmap->Format() != BitmapFormat::Device32) return nullptr;
  return CreateDC(DeviceContext::Type::Surface, surface, *bitmap);
}

void SetSystemClip(HDC dc, std::vector<RECT> rects) {
  if (DeviceContext* found = ObjectTable::Get().Find<DeviceContext>(dc))
    found->SetSystemClip(Normalise(rects));
}

}  // namespace gdi

// Creation of drawing contexts, shared by memory DCs and window surface DCs.
#pragma once

#include "platform/gdi/device_context.h"

namespace gdi {

// A DC with bitmap selected and the stock font, pen and brush.
HDC CreateDC(DeviceContext::Type type, void* bitmapHandle, Bitmap& bitmap);

}  // namespace gdi

#include "forms/geometry.h"

#include "forms/owned.h"

namespace forms {

int ScreenDpi() { return GetDeviceCaps(WindowDC(nullptr).Get(), LOGPIXELSY); }

}  // namespace forms

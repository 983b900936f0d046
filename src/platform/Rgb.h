#pragma once

#include <QtGlobal>

// A colour as the core keeps it, laid out like QRgb (0xAARRGGBB) so the windows take it unchanged.
using Rgb = quint32;

constexpr Rgb rgb(int r, int g, int b) { return 0xFF000000u | quint32(r) << 16 | quint32(g) << 8 | quint32(b); }

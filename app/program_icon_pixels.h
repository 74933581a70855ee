// The program icon painted ahead of time, at the sizes a window hands the
// window system as it is created, so that starting up paints none of them:
// painting pulls in the stroker and the maths library, a third of a
// megabyte of memory before the first frame. The pixels are the painter's
// own (program_icon_pixels.generated.cpp, written by amorist-icon-pixels;
// `make icon-pixels` rewrites it, and a test keeps it in step).
#pragma once

#include <array>
#include <cstdint>

namespace amorist {

inline constexpr std::array<int, 4> kWindowIconSizes = {16, 32, 48, 64};

struct IconPixels {
    int size;                     // size x size pixels
    const std::uint32_t* pixels;  // premultiplied ARGB, row by row from the top
};

// One picture for each of kWindowIconSizes, in that order.
extern const std::array<IconPixels, kWindowIconSizes.size()> kPaintedIcon;

}  // namespace amorist

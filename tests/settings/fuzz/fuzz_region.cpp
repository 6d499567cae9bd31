// libFuzzer harness for the window-outline parser. Besides memory safety
// (ASan, UBSan) it checks what the parser promises: an accepted file has
// exactly the rectangles its count announces, each one non-empty and within
// the coordinate limit, equal to the bytes in the file; a rejected one
// leaves no rectangles.
#include "settings/RegionFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<RegionRect> rects{{1, 2, 3, 4}};
    const RegionError e = ParseRegionFile(std::span<const uint8_t>(data, size), rects);
    if (e != RegionError::None) {
        if (!rects.empty())
            __builtin_trap();
        return 0;
    }
    const uint32_t n = data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24;
    if (n > kMaxRegionBytes || size - 4 < n || rects.empty() || rects.size() != (n - 32) / 16)
        __builtin_trap();
    for (size_t i = 0; i < rects.size(); ++i) {
        const RegionRect& r = rects[i];
        if (r.left >= r.right || r.top >= r.bottom || r.left < -kMaxRegionCoord || r.right > kMaxRegionCoord
            || r.top < -kMaxRegionCoord || r.bottom > kMaxRegionCoord)
            __builtin_trap();
        const uint8_t* p = data + 4 + 32 + 16 * i;
        if (r.left != int32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24))
            __builtin_trap();
    }
    return 0;
}

#include "settings/RegionFile.h"

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

bool InRange(int32_t v) { return v >= -kMaxRegionCoord && v <= kMaxRegionCoord; }

} // namespace

RegionError ParseRegionFile(std::span<const uint8_t> file, std::vector<RegionRect>& rects)
{
    rects.clear();
    if (file.size() < 4)
        return RegionError::NoCount;
    const uint32_t n = U32(file.data());
    if (n > kMaxRegionBytes)
        return RegionError::TooLarge;
    if (file.size() - 4 < n)
        return RegionError::Truncated;
    if (n < 32)
        return RegionError::BadHeaderSize;
    const uint8_t* data = file.data() + 4;
    if (U32(data) != 32)
        return RegionError::BadHeaderSize;
    if (U32(data + 4) != 1)
        return RegionError::NotRectangles;
    const uint32_t count = U32(data + 8);
    // n <= kMaxRegionBytes, so (n - 32) / 16 cannot overflow anything.
    if ((n - 32) % 16 != 0 || count != (n - 32) / 16)
        return RegionError::CountMismatch;
    const uint32_t bufferSize = U32(data + 12);
    if (bufferSize != 0 && bufferSize != count * 16)
        return RegionError::BadBufferSize;
    if (count == 0)
        return RegionError::NoRectangles;
    // The bounding rectangle (bytes 16..31) is not trusted: the shape is
    // the union of the rectangles whatever it says.
    std::vector<RegionRect> out;
    out.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* r = data + 32 + 16 * i;
        const RegionRect rect{I32(r), I32(r + 4), I32(r + 8), I32(r + 12)};
        if (!InRange(rect.left) || !InRange(rect.top) || !InRange(rect.right) || !InRange(rect.bottom)
            || rect.left >= rect.right || rect.top >= rect.bottom)
            return RegionError::BadRectangle;
        out.push_back(rect);
    }
    rects = std::move(out);
    return RegionError::None;
}

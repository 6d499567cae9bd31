// The window outline file "zfkmain.rgn": a 4-byte little-endian count N,
// then N bytes of RGNDATA (a 32-byte header, then 16-byte rectangles of four
// signed 32-bit LE integers: left, top, right, bottom, right and bottom
// exclusive). Read from disk, so it must survive any content; plain C++
// without Qt, so the fuzzers can take it as it is.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct RegionRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

enum class RegionError {
    None,
    NoCount,       // fewer than 4 bytes
    TooLarge,      // N above kMaxRegionBytes
    Truncated,     // fewer than N bytes after the count
    BadHeaderSize, // N below 32, or a header that does not say 32
    NotRectangles, // header type other than 1
    CountMismatch, // N is not 32 + 16 x the rectangle count
    BadBufferSize, // the buffer size is neither 0 nor 16 x the count
    NoRectangles,  // an empty outline would hide the whole window
    BadRectangle,  // empty, inverted or far outside any screen
};

// The real outline is 1,040 bytes. 256 KiB is room for 16,382 rectangles,
// far more than any window outline needs, and keeps the memory a damaged or
// hostile file can claim small.
constexpr uint32_t kMaxRegionBytes = 256 * 1024;
// Coordinates beyond this cannot be meant for a window; the limit also
// keeps right - left and bottom - top far from overflowing.
constexpr int32_t kMaxRegionCoord = 16384;

// Checks a whole region file and fills rects with its rectangles. On an
// error rects is left empty. Bytes after the N region bytes are ignored,
// as they were never part of the region.
RegionError ParseRegionFile(std::span<const uint8_t> file, std::vector<RegionRect>& rects);

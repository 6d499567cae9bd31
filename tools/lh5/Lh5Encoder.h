// lh5 compressor used at build time to turn readable sources into the
// program's built-in blocks. The program itself only ever expands.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lh5 {

// The bare lh5 stream (no size, no header), as LHA stores it for -lh5-.
std::vector<uint8_t> Compress(std::span<const uint8_t> data);

// The block form: 4-byte little-endian expanded size, then the lh5 stream.
// Throws std::length_error for inputs of 4 GiB or more.
std::vector<uint8_t> PackBlock(std::span<const uint8_t> data);

} // namespace lh5

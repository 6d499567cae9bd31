// The files the program carries inside itself, each as a compressed block:
// 4-byte little-endian expanded size, then the lh5 stream.  Expand them with
// ExpandBuiltIn (builtin/codec).  The bytes are static and live for the whole run.
#pragma once

#include <cstdint>
#include <span>

// The splash banner: a 304 x 65, 24-bit BMP file.
std::span<const uint8_t> BannerBlock();
// The default skin's background picture "default.bmp".
std::span<const uint8_t> DefaultBmpBlock();
// The default skin's window outline "zfkmain.rgn".
std::span<const uint8_t> ZfkMainRgnBlock();

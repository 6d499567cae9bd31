// The code alphabet of the lh5 method, shared by the decoder and the
// build-time encoder so the two cannot drift apart.
#pragma once

namespace lh5format {

inline constexpr int kNC = 510;        // literal/length codes: bytes 0..255, match lengths 3..256
inline constexpr int kNP = 14;         // position codes
inline constexpr int kNT = 19;         // code-length codes
inline constexpr int kCBits = 9;       // bits of a literal/length table's count
inline constexpr int kPBits = 4;       // bits of a position table's count
inline constexpr int kTBits = 5;       // bits of a code-length table's count
inline constexpr int kMaxCodeLen = 16; // longest Huffman code

} // namespace lh5format

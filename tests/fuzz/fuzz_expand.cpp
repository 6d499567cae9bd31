// libFuzzer harness for the block decoder. Besides memory safety (ASan,
// UBSan) it checks the decoder's promises: on success exactly the stated
// size is appended, on failure nothing; streamed, the same bytes come out
// in pieces; and what came out survives a round trip through the
// build-time encoder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "builtin/codec/ExpandBuiltIn.h"
#include "tools/lh5/Lh5Encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint32_t stated = 0;
    if (size >= 4) {
        stated = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
        // Big outputs only repeat the same paths and slow the search down.
        if (stated > (1u << 16))
            return 0;
    }
    std::vector<uint8_t> out{0x42};
    const Lh5Status st = DecodeBlock(std::span<const uint8_t>(data, size), out);
    if (st == Lh5Status::Ok) {
        if (out.size() != 1 + static_cast<size_t>(stated) || out[0] != 0x42)
            __builtin_trap();
    } else if (out.size() != 1 || out[0] != 0x42 || (st == Lh5Status::ShortBlock) != (size < 4)) {
        __builtin_trap();
    }
    // Streamed: the same status, pieces of 8,192 bytes but the last, and
    // on success the same bytes.
    std::vector<uint8_t> joined;
    bool shortPiece = false;
    const Lh5Status streamed = DecodeBlock(std::span<const uint8_t>(data, size), [&](std::span<const uint8_t> piece) {
        if (shortPiece || piece.empty() || piece.size() > 8192)
            __builtin_trap();
        shortPiece = piece.size() < 8192;
        joined.insert(joined.end(), piece.begin(), piece.end());
        return true;
    });
    if (streamed != st
        || (st == Lh5Status::Ok && !std::equal(joined.begin(), joined.end(), out.begin() + 1, out.end())))
        __builtin_trap();
    if (st == Lh5Status::Ok && stated <= 16384) {
        const std::span<const uint8_t> expanded(out.data() + 1, stated);
        std::vector<uint8_t> again;
        if (DecodeBlock(lh5::PackBlock(expanded), again) != Lh5Status::Ok
            || !std::equal(again.begin(), again.end(), expanded.begin(), expanded.end()))
            __builtin_trap();
    }
    return 0;
}

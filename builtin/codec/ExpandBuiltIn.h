// Expansion of the program's built-in compressed blocks.
//
// A block is a 4-byte little-endian expanded size followed by an lh5 stream
// (LZSS over an 8 KiB dictionary with static Huffman codes sent in blocks).
// Plain C++ without Qt: the decoder is also built into zfktool and fuzzed.
//
// The expanded bytes are handed out as they are decoded, one piece of at
// most 8,192 bytes at a time, so memory stays at the decoder's tables and
// window whatever size a block declares.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

enum class Lh5Status {
    Ok,
    // The code lengths of a tree are not a complete prefix code: some bit
    // patterns decode to nothing (incomplete) or to two symbols
    // (over-subscribed).
    IncompleteCode,
    // A tree header out of range: more lengths than the tree has symbols,
    // a length over 16 bits, or a single-value tree naming a symbol that
    // does not exist.
    BadTable,
    // Fewer than 4 bytes: there is no expanded size to read.
    ShortBlock,
    // The sink refused a piece; nothing more was decoded.
    SinkStopped,
};

// Receives the expanded bytes in order, one piece of 1 to 8,192 bytes per
// call; every piece but the last is exactly 8,192 bytes. The span is valid
// only during the call. Returning false stops the decoding (the output
// could not be written, say).
using ExpandSink = std::function<bool(std::span<const uint8_t>)>;

// A sink appending to out. It must not outlive out.
ExpandSink AppendTo(std::vector<uint8_t>& out);

// Decodes a block, handing the expanded bytes to sink. Safe on any input.
// Damage can show only after earlier pieces went out: on a status other
// than Ok the sink may already hold part of the output, which is not taken
// back.
Lh5Status DecodeBlock(std::span<const uint8_t> block, const ExpandSink& sink);

// The same, appending to out; for small blocks and tests. On a status
// other than Ok, out is left as it was.
Lh5Status DecodeBlock(std::span<const uint8_t> block, std::vector<uint8_t>& out);

// Expands a block into sink. A damaged block (a code that is not complete,
// or any other damage) ends the process with exit code 1 and no message,
// at once: pieces already handed out stay where the sink put them, and
// nothing the sink buffered is flushed, so an output file may be left
// partly written. If the sink returns false, the expansion stops there and
// returns; the sink's owner knows why.
void ExpandBuiltIn(std::span<const uint8_t> block, const ExpandSink& sink);

// Expansion of the program's built-in compressed blocks.
//
// A block is a 4-byte little-endian expanded size followed by an lh5 stream
// (LZSS over an 8 KiB dictionary with static Huffman codes sent in blocks).
// Plain C++ without Qt: the decoder is also built into zfktool and fuzzed.
#pragma once

#include <cstdint>
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
};

// Decodes a block and appends the expanded bytes to out. Safe on any input.
// On a status other than Ok, out is left as it was.
Lh5Status DecodeBlock(std::span<const uint8_t> block, std::vector<uint8_t>& out);

// Appends the expanded block to out. A damaged block (a code that is not
// complete, or any other status than Ok) ends the process with exit code 1
// and no message.
void ExpandBuiltIn(std::span<const uint8_t> block, std::vector<uint8_t>& out);

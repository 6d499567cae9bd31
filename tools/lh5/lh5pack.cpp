// Build-time packer: lh5pack IN BLOCK writes IN as a compressed block
// (4-byte little-endian expanded size + lh5 stream).
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/lh5/Lh5Encoder.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lh5pack IN BLOCK\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "lh5pack: cannot read %s\n", argv[1]);
        return 2;
    }
    const std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        std::fprintf(stderr, "lh5pack: error reading %s\n", argv[1]);
        return 2;
    }
    try {
        const std::vector<uint8_t> block = lh5::PackBlock(data);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "lh5pack: cannot write %s\n", argv[2]);
            std::remove(argv[2]);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lh5pack: %s\n", e.what());
        return 2;
    }
    return 0;
}

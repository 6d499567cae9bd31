// Subcommands for the built-in block form: expand with the program's own
// decoder, pack with the build-time encoder.
#include <cstdio>
#include <exception>
#include <vector>

#include "app/codec/ExpandBuiltIn.h"
#include "tools/lh5/Lh5Encoder.h"
#include "tools/zfktool/Subcommands.h"

int RunExpand(std::span<char* const> args) {
    if (args.size() != 2) return UsageError("expand");
    std::vector<uint8_t> block;
    if (!ReadFile(args[0], block)) return kExitUsage;
    std::vector<uint8_t> out;
    // The program's own call: a damaged block ends the process here with
    // exit code 1 and no message, before OUT is touched.
    ExpandBuiltIn(block, out);
    return WriteFile(args[1], out) ? 0 : kExitUsage;
}

int RunPack(std::span<char* const> args) {
    if (args.size() != 2) return UsageError("pack");
    std::vector<uint8_t> data;
    if (!ReadFile(args[0], data)) return kExitUsage;
    std::vector<uint8_t> block;
    try {
        block = lh5::PackBlock(data);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zfktool: %s: %s\n", args[0], e.what());
        return kExitUsage;
    }
    return WriteFile(args[1], block) ? 0 : kExitUsage;
}

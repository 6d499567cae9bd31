// Subcommands for the built-in block form: expand with the program's own
// decoder, pack with the build-time encoder.
#include <cstdio>
#include <exception>
#include <vector>

#include "builtin/codec/ExpandBuiltIn.h"
#include "tools/lh5/Lh5Encoder.h"
#include "tools/zfktool/OutputFile.h"
#include "tools/zfktool/Subcommands.h"

int RunExpand(std::span<char* const> args)
{
    if (args.size() != 2)
        return UsageError("expand");
    std::vector<uint8_t> block;
    if (!ReadFile(args[0], block))
        return kExitUsage;
    OutputFile out;
    if (!out.Open(args[1]))
        return kExitUsage;
    // Streamed, so a block declaring gigabytes needs no more memory than a
    // small one. Not ExpandBuiltIn itself: its exit on damage would leave
    // the temporary behind. The exit code is the program's all the same.
    const Lh5Status st = DecodeBlock(block, [&out](std::span<const uint8_t> piece) { return out.Write(piece); });
    if (st == Lh5Status::SinkStopped)
        return kExitUsage; // Write said why
    if (st != Lh5Status::Ok)
        return kExitDamaged; // no message, as in the program
    return out.Commit() ? 0 : kExitUsage;
}

int RunPack(std::span<char* const> args)
{
    if (args.size() != 2)
        return UsageError("pack");
    std::vector<uint8_t> data;
    if (!ReadFile(args[0], data))
        return kExitUsage;
    std::vector<uint8_t> block;
    try {
        block = lh5::PackBlock(data);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zfktool: %s: %s\n", args[0], e.what());
        return kExitUsage;
    }
    return WriteFile(args[1], block) ? 0 : kExitUsage;
}

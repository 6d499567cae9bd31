// zfktool: developer and power-user command line tool beside pertab.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tools/zfktool/OutputFile.h"
#include "tools/zfktool/Subcommands.h"

namespace {

constexpr Subcommand kCommands[] = {
    {"dump", "", "the 111 element records from the library, tab-separated", RunDump},
    {"version", "", "the library's version record, one field per line", RunVersion},
    {"expand", "BLOCK OUT", "expand a compressed block (exit 1: damaged block)", RunExpand},
    {"pack", "IN BLOCK", "compress a file into a block", RunPack},
#if defined(ZFK_CHART)
    {"chart", "--out FILE.pdf|.svg|.png [OPTIONS]",
     "the wall chart as a 600 dpi landscape PDF, an SVG picture or a greyscale PNG", RunChart, PrintChartOptions},
    {"report", "--out FILE.pdf --elements LIST [OPTIONS]", "the data report as a 600 dpi PDF", RunReport,
     PrintReportOptions},
#endif
};

bool IsHelp(const char* arg) { return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0; }

void PrintUsage(std::FILE* to)
{
    std::fprintf(to, "usage: zfktool COMMAND [ARGS]\n       zfktool COMMAND --help\ncommands:\n");
    for (const Subcommand& c : kCommands)
        std::fprintf(to, "  %s%s%s\n      %s\n", c.name, *c.args ? " " : "", c.args, c.help);
}

} // namespace

int CommandHelp(const char* command)
{
    for (const Subcommand& c : kCommands) {
        if (std::strcmp(c.name, command) == 0) {
            std::printf("usage: zfktool %s%s%s\n%s\n", c.name, *c.args ? " " : "", c.args, c.help);
            if (c.options)
                c.options(stdout);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : kExitUsage;
}

int UsageError(const char* command)
{
    for (const Subcommand& c : kCommands) {
        if (std::strcmp(c.name, command) == 0) {
            std::fprintf(stderr, "usage: zfktool %s %s\n", c.name, c.args);
            return kExitUsage;
        }
    }
    PrintUsage(stderr);
    return kExitUsage;
}

bool ReadFile(const char* path, std::vector<uint8_t>& data)
{
    std::ifstream in(path, std::ios::binary);
    if (in)
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        std::fprintf(stderr, "zfktool: cannot read %s: %s\n", path, std::strerror(errno));
        return false;
    }
    return true;
}

bool WriteFile(const char* path, std::span<const uint8_t> data)
{
    OutputFile out;
    return out.Open(path) && out.Write(data) && out.Commit();
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (IsHelp(argv[1]) || std::strcmp(argv[1], "help") == 0) {
        PrintUsage(stdout);
        return std::fflush(stdout) == 0 ? 0 : kExitUsage;
    }
    for (const Subcommand& c : kCommands) {
        if (std::strcmp(c.name, argv[1]) != 0)
            continue;
        if (argc == 3 && IsHelp(argv[2]))
            return CommandHelp(c.name);
        return c.run(std::span<char* const>(argv + 2, argc - 2));
    }
    std::fprintf(stderr, "zfktool: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return kExitUsage;
}

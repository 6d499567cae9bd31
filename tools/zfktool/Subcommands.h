// zfktool's subcommands. Each one gets the arguments after its name and
// returns the process exit code; a new subcommand is one more row in the
// table in main.cpp.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

struct Subcommand {
    const char* name;
    const char* args; // shown in the usage text
    const char* help;
    int (*run)(std::span<char* const> args);
    void (*options)(std::FILE* to) = nullptr; // lists the options, for the help
};

// Exit code for usage and file errors, common to all subcommands.
inline constexpr int kExitUsage = 2;
// A damaged block, the code the program ends with on one.
inline constexpr int kExitDamaged = 1;

int UsageError(const char* command);                             // prints the command's usage line
int CommandHelp(const char* command);                            // the command's help on stdout; exit code 0
bool ReadFile(const char* path, std::vector<uint8_t>& data);     // message on failure
bool WriteFile(const char* path, std::span<const uint8_t> data); // message on failure; old file kept

int RunDump(std::span<char* const> args);
int RunVersion(std::span<char* const> args);
int RunExpand(std::span<char* const> args);
int RunPack(std::span<char* const> args);
#if defined(ZFK_CHART)
int RunChart(std::span<char* const> args);
int RunReport(std::span<char* const> args);
void PrintChartOptions(std::FILE* to);
void PrintReportOptions(std::FILE* to);
#endif

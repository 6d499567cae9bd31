// The options of the commands that take many (chart, report): one table row
// each, which both the parser and --help read, so the help cannot leave one
// out or list one the parser refuses.
#pragma once

#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "tools/zfktool/PdfPrint.h"

#include <QString>

template <class Job>
struct Option {
    const char* name;  // "--scale"
    const char* value; // the value as the help names it ("E"); nullptr for a switch
    const char* help;  // one line
    // Takes the value (nullptr when the arguments end before it; always for
    // a switch); false after printing why not.
    bool (*set)(Job& job, const char* value);
};

template <class Job, size_t N>
void PrintOptions(std::FILE* to, const Option<Job> (&options)[N])
{
    std::fputs("options:\n", to);
    for (const Option<Job>& o : options) {
        const std::string left = o.value ? std::string(o.name) + ' ' + o.value : std::string(o.name);
        std::fprintf(to, "  %-24s %s\n", left.c_str(), o.help);
    }
    std::fprintf(to, "  %-24s %s\n", "-h, --help", "this help");
}

// The value of an option that names something (a file, a font), which may
// be neither missing nor empty; false after printing the message given.
inline bool TakeName(const char* command, const char* missing, const char* value, std::string& to)
{
    if (!value || !*value)
        return Fail(command, missing);
    to = value;
    return true;
}
inline bool TakeName(const char* command, const char* missing, const char* value, QString& to)
{
    std::string name;
    if (!TakeName(command, missing, value, name))
        return false;
    to = QString::fromLocal8Bit(name);
    return true;
}

enum class Parsed { Run, Help, Error };

// --help (or -h) wherever an option may stand asks for the help.
template <class Job, size_t N>
Parsed ParseOptions(const char* command, const Option<Job> (&options)[N], std::span<char* const> args, Job& job)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--help" || name == "-h")
            return Parsed::Help;
        const Option<Job>* option = nullptr;
        for (const Option<Job>& o : options) {
            if (name == o.name)
                option = &o;
        }
        if (option == nullptr) {
            Fail(command, "unknown option '" + std::string(name) + "' (zfktool " + command + " --help lists them)");
            return Parsed::Error;
        }
        const char* value = option->value && i + 1 < args.size() ? args[++i] : nullptr;
        if (!option->set(job, value))
            return Parsed::Error;
    }
    return Parsed::Run;
}

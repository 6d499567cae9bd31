// Reading the generators' readable sources: lines of whitespace-separated
// words with a comment character, numbers and colours, and one way to fail.
// Host tools only; no Qt.
#pragma once

#include "tools/blocks/Bmp.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zfkgen {

[[noreturn]] inline void fail(const std::string& what) { throw std::runtime_error(what); }

inline int toInt(const std::string& s, const std::string& where)
{
    size_t used = 0;
    int v = 0;
    try {
        v = std::stoi(s, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != s.size() || s.empty())
        fail(where + ": not a number: " + s);
    return v;
}

// Three components t[at], t[at+1], t[at+2], each 0..255.
inline Rgb toRgb(const std::vector<std::string>& t, size_t at, const std::string& where)
{
    int v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = toInt(t[at + size_t(i)], where);
        if (v[i] < 0 || v[i] > 255)
            fail(where + ": colour component out of range");
    }
    return Rgb{uint8_t(v[0]), uint8_t(v[1]), uint8_t(v[2])};
}

struct SourceLine {
    int no;                          // 1-based line number
    std::vector<std::string> tokens; // never empty
    std::string body;                // the line without its comment
    std::string where;               // "path:no", for messages

    void need(size_t n) const
    {
        if (tokens.size() != n)
            fail(where + ": '" + tokens[0] + "' takes " + std::to_string(n - 1) + " values");
    }
    int num(size_t i) const { return toInt(tokens[i], where); }
};

// The non-empty lines of path, each cut at the first comment character.
inline std::vector<SourceLine> readSourceLines(const std::string& path, char comment)
{
    std::ifstream in(path);
    if (!in)
        fail("cannot read " + path);
    std::vector<SourceLine> lines;
    std::string raw;
    for (int no = 1; std::getline(in, raw); ++no) {
        SourceLine l{no, {}, raw.substr(0, raw.find(comment)), path + ":" + std::to_string(no)};
        std::istringstream words(l.body);
        for (std::string w; words >> w;)
            l.tokens.push_back(w);
        if (!l.tokens.empty())
            lines.push_back(l);
    }
    return lines;
}

} // namespace zfkgen

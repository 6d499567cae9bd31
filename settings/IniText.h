// An INI text, edited in place. The text is kept as raw bytes, line by line,
// so that writing a value changes that one line and nothing else: other
// sections, other keys, comments, blank lines, spelling of names and line
// ends stay as the user left them. Plain C++ without Qt, so the fuzzers can
// take it as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniText {
public:
    explicit IniText(std::string_view text);

    // The trimmed value of the first key of that name in the first section
    // of that name (names compare without regard to ASCII case, as INI
    // files on the desktop where they come from do); surrounding quotes
    // are removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Sets a key: an existing line gets the new value in place; a missing
    // key goes after the last key of its section; a missing section is
    // added at the end of the text. New lines end in CR LF.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    struct Line {
        std::string content;
        std::string eol; // "", "\n" or "\r\n"
    };

    // The line without a byte-order mark on the first line; an editor may
    // have put one there.
    std::string_view Body(size_t i) const;
    bool IsSection(size_t i) const;
    std::string_view SectionName(size_t i) const;
    bool IsKeyLine(size_t i) const;
    std::optional<size_t> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(std::string_view section, std::string_view key) const;
    void TerminateLast();

    std::vector<Line> m_lines;
};

// An INI integer: optional blanks and sign, then decimal digits, or
// hexadecimal digits after "$", "0x" or "0X". Values from -2^31 to 2^32 - 1
// are accepted and returned as their 32-bit pattern (so $80000010 and
// -2147483632 are the same colour); anything else, trailing text included,
// is not an integer.
std::optional<uint32_t> ParseIniInteger(std::string_view s);

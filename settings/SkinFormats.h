// The two skin file formats that are read from disk and so must survive any
// content: the window outline "zfkmain.rgn" and the colour scheme
// "default.col". Plain C++ without Qt, so the fuzzers can take them as they
// are; the file access and the widgets live in Skin.cpp and TForm1Skin.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------
// Window outline: a 4-byte little-endian count N, then N bytes of RGNDATA
// (a 32-byte header, then 16-byte rectangles of four signed 32-bit LE
// integers: left, top, right, bottom, right and bottom exclusive).

struct RegionRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

enum class RegionError {
    None,
    NoCount,        // fewer than 4 bytes
    TooLarge,       // N above kMaxRegionBytes
    Truncated,      // fewer than N bytes after the count
    BadHeaderSize,  // N below 32, or a header that does not say 32
    NotRectangles,  // header type other than 1
    CountMismatch,  // N is not 32 + 16 x the rectangle count
    BadBufferSize,  // the buffer size is neither 0 nor 16 x the count
    NoRectangles,   // an empty outline would hide the whole window
    BadRectangle,   // empty, inverted or far outside any screen
};

// The real outline is 1,040 bytes. 256 KiB is room for 16,382 rectangles,
// far more than any window outline needs, and keeps the memory a damaged or
// hostile file can claim small.
constexpr uint32_t kMaxRegionBytes = 256 * 1024;
// Coordinates beyond this cannot be meant for a window; the limit also
// keeps right - left and bottom - top far from overflowing.
constexpr int32_t kMaxRegionCoord = 16384;

namespace skinfmt_detail {
inline uint32_t U32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }
} // namespace skinfmt_detail

// Checks a whole region file and fills rects with its rectangles. On an
// error rects is left empty. Bytes after the N region bytes are ignored,
// as they were never part of the region.
inline RegionError ParseRegionFile(std::span<const uint8_t> file, std::vector<RegionRect>& rects)
{
    using namespace skinfmt_detail;
    rects.clear();
    if (file.size() < 4)
        return RegionError::NoCount;
    const uint32_t n = U32(file.data());
    if (n > kMaxRegionBytes)
        return RegionError::TooLarge;
    if (file.size() - 4 < n)
        return RegionError::Truncated;
    if (n < 32)
        return RegionError::BadHeaderSize;
    const uint8_t* data = file.data() + 4;
    if (U32(data) != 32)
        return RegionError::BadHeaderSize;
    if (U32(data + 4) != 1)
        return RegionError::NotRectangles;
    const uint32_t count = U32(data + 8);
    // n <= kMaxRegionBytes, so (n - 32) / 16 cannot overflow anything.
    if ((n - 32) % 16 != 0 || count != (n - 32) / 16)
        return RegionError::CountMismatch;
    const uint32_t bufferSize = U32(data + 12);
    if (bufferSize != 0 && bufferSize != count * 16)
        return RegionError::BadBufferSize;
    if (count == 0)
        return RegionError::NoRectangles;
    // The bounding rectangle (bytes 16..31) is not trusted: the shape is
    // the union of the rectangles whatever it says.
    std::vector<RegionRect> out;
    out.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* r = data + 32 + 16 * i;
        const RegionRect rect{I32(r), I32(r + 4), I32(r + 8), I32(r + 12)};
        auto inRange = [](int32_t v) { return v >= -kMaxRegionCoord && v <= kMaxRegionCoord; };
        if (!inRange(rect.left) || !inRange(rect.top) || !inRange(rect.right) ||
            !inRange(rect.bottom) || rect.left >= rect.right || rect.top >= rect.bottom)
            return RegionError::BadRectangle;
        out.push_back(rect);
    }
    rects = std::move(out);
    return RegionError::None;
}

// ---------------------------------------------------------------------------
// Colour scheme file: an INI text. The text is kept as raw bytes, line by
// line, so that writing a value changes that one line and nothing else:
// other sections, other keys, comments, blank lines, spelling of names and
// line ends stay as the user left them.

// Colours are $00BBGGRR values; the flag says whether toolbar buttons are
// drawn transparently. The defaults are the built-in skin's.
struct TColorScheme {
    uint32_t transparent = 16777215; // $00FFFFFF
    uint32_t app_buttons = 14539474; // $00DDDAD2
    uint32_t app_legend = 8421376;   // $00808000
    uint32_t app_info = 0;
    bool but_transp = true;

    bool operator==(const TColorScheme&) const = default;
};

class IniText {
public:
    explicit IniText(std::string_view text)
    {
        size_t pos = 0;
        while (pos < text.size()) {
            size_t nl = text.find('\n', pos);
            Line line;
            if (nl == std::string_view::npos) {
                line.content = std::string(text.substr(pos));
                pos = text.size();
            } else {
                size_t end = nl;
                line.eol = "\n";
                if (end > pos && text[end - 1] == '\r') {
                    --end;
                    line.eol = "\r\n";
                }
                line.content = std::string(text.substr(pos, end - pos));
                pos = nl + 1;
            }
            lines_.push_back(std::move(line));
        }
    }

    // The trimmed value of the first key of that name in the first section
    // of that name (names compare without regard to ASCII case, as INI
    // files on the desktop where they come from do); surrounding quotes
    // are removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const
    {
        const std::optional<size_t> at = FindKey(section, key);
        if (!at)
            return std::nullopt;
        std::string_view v = Trim(ValuePart(Body(*at)));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        return std::string(v);
    }

    // Sets a key: an existing line gets the new value in place; a missing
    // key goes after the last key of its section; a missing section is
    // added at the end of the text. New lines end in CR LF.
    void SetValue(std::string_view section, std::string_view key, std::string_view value)
    {
        const std::optional<size_t> sec = FindSection(section);
        if (!sec) {
            TerminateLast();
            lines_.push_back({"[" + std::string(section) + "]", "\r\n"});
            lines_.push_back({std::string(key) + "=" + std::string(value), "\r\n"});
            return;
        }
        if (const std::optional<size_t> at = FindKey(section, key)) {
            Line& line = lines_[*at];
            const std::string_view body = Body(*at);
            const size_t bom = line.content.size() - body.size();
            // Keep the key as the user spelt it (and a leading BOM, if any).
            line.content = line.content.substr(0, bom) + std::string(Trim(KeyPart(body))) + "=" +
                           std::string(value);
            return;
        }
        size_t insertAfter = *sec;
        for (size_t i = *sec + 1; i < lines_.size() && !IsSection(i); ++i)
            if (IsKeyLine(i))
                insertAfter = i;
        if (insertAfter + 1 == lines_.size())
            TerminateLast();
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1,
                      Line{std::string(key) + "=" + std::string(value), "\r\n"});
    }

    std::string Text() const
    {
        std::string out;
        for (const Line& line : lines_)
            out += line.content + line.eol;
        return out;
    }

private:
    struct Line {
        std::string content;
        std::string eol; // "", "\n" or "\r\n"
    };

    static std::string_view Trim(std::string_view s)
    {
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!s.empty() && blank(s.front()))
            s.remove_prefix(1);
        while (!s.empty() && blank(s.back()))
            s.remove_suffix(1);
        return s;
    }

    static bool SameName(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
            if (lower(a[i]) != lower(b[i]))
                return false;
        }
        return true;
    }

    // The line without a byte-order mark on the first line; an editor may
    // have put one there.
    std::string_view Body(size_t i) const
    {
        std::string_view s = lines_[i].content;
        if (i == 0 && s.substr(0, 3) == "\xEF\xBB\xBF")
            s.remove_prefix(3);
        return s;
    }

    static std::string_view KeyPart(std::string_view body) { return body.substr(0, body.find('=')); }
    static std::string_view ValuePart(std::string_view body) { return body.substr(body.find('=') + 1); }

    bool IsSection(size_t i) const
    {
        const std::string_view t = Trim(Body(i));
        return !t.empty() && t.front() == '[' && t.find(']') != std::string_view::npos;
    }

    std::string_view SectionName(size_t i) const
    {
        const std::string_view t = Trim(Body(i));
        return Trim(t.substr(1, t.find(']') - 1));
    }

    bool IsKeyLine(size_t i) const
    {
        const std::string_view t = Trim(Body(i));
        return !t.empty() && t.front() != ';' && t.front() != '#' &&
               t.find('=') != std::string_view::npos && !IsSection(i);
    }

    std::optional<size_t> FindSection(std::string_view section) const
    {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (IsSection(i) && SameName(SectionName(i), section))
                return i;
        return std::nullopt;
    }

    std::optional<size_t> FindKey(std::string_view section, std::string_view key) const
    {
        const std::optional<size_t> sec = FindSection(section);
        if (!sec)
            return std::nullopt;
        for (size_t i = *sec + 1; i < lines_.size() && !IsSection(i); ++i)
            if (IsKeyLine(i) && SameName(Trim(KeyPart(Trim(Body(i)))), key))
                return i;
        return std::nullopt;
    }

    void TerminateLast()
    {
        if (!lines_.empty() && lines_.back().eol.empty())
            lines_.back().eol = "\r\n";
    }

    std::vector<Line> lines_;
};

// An INI integer: optional blanks and sign, then decimal digits, or
// hexadecimal digits after "$", "0x" or "0X". Values from -2^31 to 2^32 - 1
// are accepted and returned as their 32-bit pattern (so $80000010 and
// -2147483632 are the same colour); anything else, trailing text included,
// is not an integer.
inline std::optional<uint32_t> ParseIniInteger(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : s) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = unsigned(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = unsigned(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = unsigned(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (negative) {
        if (value > 0x80000000ull)
            return std::nullopt;
        return static_cast<uint32_t>(0u - static_cast<uint32_t>(value));
    }
    return static_cast<uint32_t>(value);
}

namespace skinfmt_detail {
inline uint32_t ColorOr(const IniText& ini, const char* key, uint32_t fallback)
{
    const std::optional<std::string> text = ini.Value("Colors", key);
    const std::optional<uint32_t> value = text ? ParseIniInteger(*text) : std::nullopt;
    return value ? *value : fallback;
}
} // namespace skinfmt_detail

// The scheme that a "default.col" text gives: every key that is missing or
// not an integer keeps its default; the flag is true for any non-zero value.
inline TColorScheme ColorsFromIni(std::string_view text)
{
    using skinfmt_detail::ColorOr;
    const IniText ini(text);
    const TColorScheme defaults;
    TColorScheme s;
    s.transparent = ColorOr(ini, "transparent", defaults.transparent);
    s.app_buttons = ColorOr(ini, "app_buttons", defaults.app_buttons);
    s.app_legend = ColorOr(ini, "app_legend", defaults.app_legend);
    s.app_info = ColorOr(ini, "app_info", defaults.app_info);
    s.but_transp = ColorOr(ini, "but_transp", defaults.but_transp ? 1 : 0) != 0;
    return s;
}

// The text of "default.col" after writing the scheme into existing: the five
// keys in their fixed order, colours as signed decimal integers (the form
// INI integers are written in), the flag as 1 or 0.
inline std::string ColorsIntoIni(std::string_view existing, const TColorScheme& s)
{
    IniText ini(existing);
    auto dec = [](uint32_t v) { return std::to_string(static_cast<int32_t>(v)); };
    ini.SetValue("Colors", "transparent", dec(s.transparent));
    ini.SetValue("Colors", "app_buttons", dec(s.app_buttons));
    ini.SetValue("Colors", "app_legend", dec(s.app_legend));
    ini.SetValue("Colors", "app_info", dec(s.app_info));
    ini.SetValue("Colors", "but_transp", s.but_transp ? "1" : "0");
    return ini.Text();
}

// zfkbannergen BANNER.txt OUT.bmp
//
// Draws the splash banner from its readable description: colours, a small
// periodic table given as a grid of letters, and pixel fonts whose glyphs
// are drawn in the file as rows of '#' and '.'.
#include "tools/blocks/Bmp.h"
#include "tools/blocks/SourceText.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

using namespace zfkgen;

namespace {

std::u32string decodeUtf8(const std::string& s, const std::string& where)
{
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto b = uint8_t(s[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + size_t(extra) >= s.size())
            fail(where + ": bad UTF-8");
        char32_t c = extra == 0 ? b : char32_t(b & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            const auto t = uint8_t(s[i + size_t(k)]);
            if ((t >> 6) != 2)
                fail(where + ": bad UTF-8");
            c = (c << 6) | (t & 0x3F);
        }
        out.push_back(c);
        i += size_t(extra) + 1;
    }
    return out;
}

struct Glyph {
    int width = 0;
    std::vector<std::string> rows;
};

struct Font {
    int scale = 1, space = 0, height = -1;
    std::map<char32_t, Glyph> glyphs;
};

struct Text {
    std::string font, colour, shadow; // shadow "-" for none
    int centre = 0, top = 0;
    std::u32string text;
};

struct Table {
    int left = 0, top = 0, pitch = 0, gap = 0;
    std::vector<std::string> rows;
};

struct Banner {
    int width = 0, height = 0;
    uint32_t resolution = 0;
    std::map<std::string, Rgb> colours;
    std::map<char, Rgb> cells;
    Table table;
    std::map<std::string, Font> fonts;
    std::vector<Text> texts;
};

Banner readBanner(const std::string& path)
{
    // ';' starts a comment: '#' draws the glyphs.
    const std::vector<SourceLine> lines = readSourceLines(path, ';');

    Banner b;
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto& t = lines[i].tokens;
        const std::string where = lines[i].where;
        auto need = [&](size_t n) { lines[i].need(n); };
        auto num = [&](size_t k) { return lines[i].num(k); };
        if (t[0] == "size") {
            need(3);
            b.width = num(1);
            b.height = num(2);
        } else if (t[0] == "resolution") {
            need(2);
            b.resolution = uint32_t(num(1));
        } else if (t[0] == "colour") {
            need(5);
            b.colours[t[1]] = toRgb(t, 2, where);
        } else if (t[0] == "cell") {
            need(5);
            if (t[1].size() != 1 || t[1] == ".")
                fail(where + ": a cell kind is one letter");
            b.cells[t[1][0]] = toRgb(t, 2, where);
        } else if (t[0] == "table") {
            need(5);
            b.table = Table{num(1), num(2), num(3), num(4), {}};
            for (++i; i < lines.size() && lines[i].tokens[0] != "end"; ++i)
                b.table.rows.push_back(lines[i].tokens[0]);
            if (i == lines.size())
                fail(where + ": table without 'end'");
        } else if (t[0] == "font") {
            need(4);
            Font& f = b.fonts[t[1]];
            f.scale = num(2);
            f.space = num(3);
            if (f.scale < 1 || f.space < 0)
                fail(where + ": bad font scale or space");
            Glyph* g = nullptr;
            for (++i; i < lines.size() && lines[i].tokens[0] != "end"; ++i) {
                const auto& gt = lines[i].tokens;
                const std::string& gw = lines[i].where;
                if (gt[0] == "glyph") {
                    if (gt.size() != 2)
                        fail(gw + ": 'glyph' takes one character");
                    const std::u32string c = decodeUtf8(gt[1], gw);
                    if (c.size() != 1 || f.glyphs.count(c[0]))
                        fail(gw + ": glyph must be one new character");
                    g = &f.glyphs[c[0]];
                    continue;
                }
                if (!g)
                    fail(gw + ": glyph rows before any 'glyph'");
                const std::string& row = gt[0];
                if (row.find_first_not_of("#.") != std::string::npos)
                    fail(gw + ": glyph rows hold only '#' and '.'");
                if (!g->rows.empty() && int(row.size()) != g->width)
                    fail(gw + ": glyph rows differ in width");
                g->width = int(row.size());
                g->rows.push_back(row);
            }
            if (i == lines.size())
                fail(where + ": font without 'end'");
            for (const auto& [c, gl] : f.glyphs) {
                if (f.height < 0)
                    f.height = int(gl.rows.size());
                if (int(gl.rows.size()) != f.height || f.height == 0)
                    fail(where + ": glyphs of font " + t[1] + " differ in height");
            }
        } else if (t[0] == "text") {
            if (t.size() < 7)
                fail(where + ": text FONT COLOUR SHADOW CENTRE TOP STRING");
            Text x{t[1], t[2], t[3], num(4), num(5), {}};
            // The string is the rest of the line, inner spaces kept.
            std::istringstream ls(lines[i].body);
            std::string skip;
            for (int k = 0; k < 6; ++k)
                ls >> skip;
            std::string rest;
            std::getline(ls, rest);
            rest.erase(0, rest.find_first_not_of(" \t"));
            rest.erase(rest.find_last_not_of(" \t\r") + 1);
            x.text = decodeUtf8(rest, where);
            b.texts.push_back(x);
        } else {
            fail(where + ": unknown entry '" + t[0] + "'");
        }
    }
    if (b.width <= 0 || b.height <= 0 || b.resolution == 0)
        fail(path + ": size and resolution are required");
    if (!b.colours.count("background") || !b.colours.count("frame"))
        fail(path + ": colours 'background' and 'frame' are required");
    return b;
}

// Everything drawn must land on the canvas: a layout slip is an error, not a
// silently clipped picture.
void checkInside(const Canvas& c, int left, int top, int right, int bottom, const std::string& what)
{
    if (left < 0 || top < 0 || right > c.width() || bottom > c.height())
        fail(what + " does not fit into the banner");
}

void drawTable(Canvas& c, const Banner& b)
{
    const Table& t = b.table;
    int y = t.top;
    for (const std::string& row : t.rows) {
        if (row.find_first_not_of('.') == std::string::npos) {
            y += t.gap;
            continue;
        }
        for (size_t col = 0; col < row.size(); ++col) {
            if (row[col] == '.')
                continue;
            auto kind = b.cells.find(row[col]);
            if (kind == b.cells.end())
                fail(std::string("table cell of unknown kind '") + row[col] + "'");
            const int x = t.left + int(col) * t.pitch;
            checkInside(c, x, y, x + t.pitch + 1, y + t.pitch + 1, "the table");
            // Neighbouring cells share their frame line.
            c.fill(x, y, x + t.pitch + 1, y + t.pitch + 1, b.colours.at("frame"));
            c.fill(x + 1, y + 1, x + t.pitch, y + t.pitch, kind->second);
        }
        y += t.pitch;
    }
}

int textWidth(const Font& f, const std::u32string& s)
{
    int units = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i > 0)
            units += 1;
        if (s[i] == U' ') {
            units += f.space;
            continue;
        }
        auto g = f.glyphs.find(s[i]);
        if (g == f.glyphs.end())
            fail("no glyph for character U+" + std::to_string(uint32_t(s[i])));
        units += g->second.width;
    }
    return units * f.scale;
}

void drawString(Canvas& c, const Font& f, const std::u32string& s, int left, int top, Rgb colour)
{
    int x = left;
    for (char32_t ch : s) {
        if (ch == U' ') {
            x += (f.space + 1) * f.scale;
            continue;
        }
        const Glyph& g = f.glyphs.at(ch);
        for (int r = 0; r < f.height; ++r)
            for (int k = 0; k < g.width; ++k)
                if (g.rows[size_t(r)][size_t(k)] == '#')
                    c.fill(x + k * f.scale, top + r * f.scale, x + (k + 1) * f.scale, top + (r + 1) * f.scale, colour);
        x += (g.width + 1) * f.scale;
    }
}

void drawText(Canvas& c, const Banner& b, const Text& t)
{
    auto font = b.fonts.find(t.font);
    if (font == b.fonts.end())
        fail("unknown font " + t.font);
    const Font& f = font->second;
    auto colour = [&](const std::string& name) {
        auto it = b.colours.find(name);
        if (it == b.colours.end())
            fail("unknown colour " + name);
        return it->second;
    };
    const int w = textWidth(f, t.text);
    const int left = t.centre - w / 2;
    const bool shadow = t.shadow != "-";
    // The shadow falls one font unit down and to the right.
    checkInside(c, left, t.top, left + w + (shadow ? f.scale : 0), t.top + f.height * f.scale + (shadow ? f.scale : 0),
                "a text");
    if (shadow)
        drawString(c, f, t.text, left + f.scale, t.top + f.scale, colour(t.shadow));
    drawString(c, f, t.text, left, t.top, colour(t.colour));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zfkbannergen BANNER.txt OUT.bmp\n");
        return 2;
    }
    try {
        const Banner b = readBanner(argv[1]);
        Canvas c(b.width, b.height, b.colours.at("background"));
        drawTable(c, b);
        for (const Text& t : b.texts)
            drawText(c, b, t);
        writeFile(argv[2], encodeBmp(c, b.resolution));
    } catch (const std::exception& e) {
        std::error_code ec;
        std::filesystem::remove(argv[2], ec);
        std::fprintf(stderr, "zfkbannergen: %s\n", e.what());
        return 1;
    }
    return 0;
}

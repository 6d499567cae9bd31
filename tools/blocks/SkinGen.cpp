// zfkskingen SKIN.txt OUT.bmp OUT.rgn
//
// Draws the built-in skin from the panel table in SKIN.txt: the background
// picture (a 24-bit BMP) and the window outline (a 4-byte count followed by
// RGNDATA with the panels' rectangles in banded form).
#include "tools/blocks/Bmp.h"
#include "tools/blocks/SourceText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

using namespace zfkgen;

namespace {

struct Panel {
    std::string name;
    int left, top, right, bottom;
};

struct Skin {
    int width = 0, height = 0;
    uint32_t resolution = 0;
    std::map<std::string, Rgb> colours;
    int border = -1;
    std::vector<int> corner, fillCorner;
    std::vector<Panel> panels;
};

Skin readSkin(const std::string& path)
{
    Skin s;
    for (const SourceLine& l : readSourceLines(path, '#')) {
        const auto& t = l.tokens;
        const std::string& where = l.where;
        auto need = [&](size_t n) { l.need(n); };
        auto num = [&](size_t i) { return l.num(i); };
        if (t[0] == "size") {
            need(3);
            s.width = num(1);
            s.height = num(2);
        } else if (t[0] == "resolution") {
            need(2);
            s.resolution = uint32_t(num(1));
        } else if (t[0] == "colour") {
            need(5);
            s.colours[t[1]] = toRgb(t, 2, where);
        } else if (t[0] == "border") {
            need(2);
            s.border = num(1);
        } else if (t[0] == "corner" || t[0] == "fillcorner") {
            auto& v = t[0] == "corner" ? s.corner : s.fillCorner;
            v.clear();
            for (size_t i = 1; i < t.size(); ++i)
                v.push_back(num(i));
        } else if (t[0] == "panel") {
            need(6);
            Panel p{t[1], num(2), num(3), num(4), num(5)};
            if (p.right <= p.left || p.bottom <= p.top)
                fail(where + ": empty panel " + p.name);
            s.panels.push_back(p);
        } else {
            fail(where + ": unknown entry '" + t[0] + "'");
        }
    }
    if (s.width <= 0 || s.height <= 0 || s.resolution == 0 || s.border < 0 || s.panels.empty())
        fail(path + ": size, resolution, border and at least one panel are required");
    for (const char* c : {"outside", "border", "fill"})
        if (!s.colours.count(c))
            fail(path + ": colour '" + std::string(c) + "' missing");
    for (const Panel& p : s.panels)
        if (p.left < 0 || p.top < 0 || p.right > s.width || p.bottom > s.height)
            fail(path + ": panel " + p.name + " lies outside the picture");
    return s;
}

// Inset on both sides of row y of a box whose first rows are inset by
// `first` and whose last rows mirror them.
int rowInset(const std::vector<int>& first, int top, int bottom, int y)
{
    int fromTop = y - top, fromBottom = bottom - 1 - y, inset = 0;
    if (fromTop < int(first.size()))
        inset = std::max(inset, first[size_t(fromTop)]);
    if (fromBottom < int(first.size()))
        inset = std::max(inset, first[size_t(fromBottom)]);
    return inset;
}

Canvas drawBitmap(const Skin& s)
{
    Canvas c(s.width, s.height, s.colours.at("outside"));
    for (const Panel& p : s.panels) {
        for (int y = p.top; y < p.bottom; ++y) {
            int in = rowInset(s.corner, p.top, p.bottom, y);
            c.fill(p.left + in, y, p.right - in, y + 1, s.colours.at("border"));
        }
        const int l = p.left + s.border, t = p.top + s.border;
        const int r = p.right - s.border, b = p.bottom - s.border;
        for (int y = t; y < b; ++y) {
            int in = rowInset(s.fillCorner, t, b, y);
            c.fill(l + in, y, r - in, y + 1, s.colours.at("fill"));
        }
    }
    return c;
}

struct Rect {
    int left, top, right, bottom;
};

// The outline as runs of rows over which one panel keeps the same extent.
std::vector<Rect> panelRuns(const Skin& s, const Panel& p)
{
    std::vector<Rect> runs;
    for (int y = p.top; y < p.bottom; ++y) {
        int in = rowInset(s.corner, p.top, p.bottom, y);
        Rect row{p.left + in, y, p.right - in, y + 1};
        if (row.right <= row.left)
            continue;
        if (!runs.empty() && runs.back().bottom == y && runs.back().left == row.left && runs.back().right == row.right)
            runs.back().bottom = y + 1;
        else
            runs.push_back(row);
    }
    return runs;
}

// Bands cut at every row where some panel's run starts or ends; in each band,
// one rectangle per panel crossing it, left to right.
std::vector<Rect> bandedOutline(const Skin& s)
{
    std::vector<std::vector<Rect>> runs;
    std::vector<int> cuts;
    for (const Panel& p : s.panels) {
        runs.push_back(panelRuns(s, p));
        for (const Rect& r : runs.back()) {
            cuts.push_back(r.top);
            cuts.push_back(r.bottom);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    std::vector<Rect> out;
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const int top = cuts[i], bottom = cuts[i + 1];
        std::vector<Rect> band;
        for (const auto& pr : runs)
            for (const Rect& r : pr)
                if (r.top <= top && bottom <= r.bottom)
                    band.push_back(Rect{r.left, top, r.right, bottom});
        std::sort(band.begin(), band.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
        for (size_t k = 1; k < band.size(); ++k)
            if (band[k].left < band[k - 1].right)
                fail("panels overlap in rows " + std::to_string(top) + ".." + std::to_string(bottom - 1));
        out.insert(out.end(), band.begin(), band.end());
    }
    return out;
}

std::vector<uint8_t> encodeRegion(const std::vector<Rect>& rects)
{
    Rect bound = rects.front();
    for (const Rect& r : rects) {
        bound.left = std::min(bound.left, r.left);
        bound.top = std::min(bound.top, r.top);
        bound.right = std::max(bound.right, r.right);
        bound.bottom = std::max(bound.bottom, r.bottom);
    }
    const uint32_t rectBytes = uint32_t(rects.size()) * 16;
    std::vector<uint8_t> out;
    putLe(out, 32 + rectBytes, 4); // N: the RGNDATA bytes that follow
    putLe(out, 32, 4);             // header size
    putLe(out, 1, 4);              // type: rectangles
    putLe(out, uint32_t(rects.size()), 4);
    putLe(out, rectBytes, 4);
    for (const Rect& r : {bound}) // the bounding rectangle, then the rectangles
        for (int v : {r.left, r.top, r.right, r.bottom})
            putLe(out, uint32_t(v), 4);
    for (const Rect& r : rects)
        for (int v : {r.left, r.top, r.right, r.bottom})
            putLe(out, uint32_t(v), 4);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: zfkskingen SKIN.txt OUT.bmp OUT.rgn\n");
        return 2;
    }
    try {
        const Skin skin = readSkin(argv[1]);
        const auto bmp = encodeBmp(drawBitmap(skin), skin.resolution);
        const auto rgn = encodeRegion(bandedOutline(skin));
        writeFile(argv[2], bmp);
        writeFile(argv[3], rgn);
    } catch (const std::exception& e) {
        // Leave no half-written output for the build to pick up.
        std::error_code ec;
        std::filesystem::remove(argv[2], ec);
        std::filesystem::remove(argv[3], ec);
        std::fprintf(stderr, "zfkskingen: %s\n", e.what());
        return 1;
    }
    return 0;
}

// The three built-in files, expanded from the blocks compiled into the
// program, checked against a reconstruction of the skin written here from
// the geometry alone (pixel predicates and a row scan, nothing shared with
// the generator) and against the banner the generator drew.
#include "builtin/blocks/BuiltInBlocks.h"
#include "builtin/codec/ExpandBuiltIn.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>

#include <array>
#include <map>
#include <set>
#include <tuple>

namespace {

using Bytes = std::vector<uint8_t>;

struct Box {
    int left, top, right, bottom; // right and bottom exclusive
};

// The five panels of the main window's skin.
constexpr std::array<Box, 5> kPanels{{
    {4, 3, 788, 46},
    {3, 61, 607, 357},
    {617, 62, 786, 355},
    {3, 367, 604, 401},
    {617, 367, 785, 400},
}};
constexpr int kWidth = 789, kHeight = 404;

// Distance of row y from the nearer of the box's first and last rows.
int edgeRow(const Box& b, int y) { return std::min(y - b.top, b.bottom - 1 - y); }

bool inOutline(const Box& b, int x, int y)
{
    if (y < b.top || y >= b.bottom)
        return false;
    static constexpr int corner[6] = {6, 4, 3, 2, 1, 1};
    const int k = edgeRow(b, y);
    const int inset = k < 6 ? corner[k] : 0;
    return x >= b.left + inset && x < b.right - inset;
}

bool inFill(const Box& p, int x, int y)
{
    const Box f{p.left + 5, p.top + 5, p.right - 5, p.bottom - 5};
    if (y < f.top || y >= f.bottom)
        return false;
    const int k = edgeRow(f, y);
    const int inset = k == 0 ? 2 : k == 1 ? 1 : 0;
    return x >= f.left + inset && x < f.right - inset;
}

bool inAnyOutline(int x, int y)
{
    for (const Box& p : kPanels)
        if (inOutline(p, x, y))
            return true;
    return false;
}

enum class Px { White, Black, Fill };

Px expectedPixel(int x, int y)
{
    for (const Box& p : kPanels) {
        if (inFill(p, x, y))
            return Px::Fill;
        if (inOutline(p, x, y))
            return Px::Black;
    }
    return Px::White;
}

void le(Bytes& out, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t readLe(const Bytes& b, size_t at, int n = 4)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b.at(at + size_t(i));
    return v;
}

Bytes reconstructDefaultBmp()
{
    Bytes f;
    f.push_back('B');
    f.push_back('M');
    le(f, 956726, 4);
    le(f, 0, 4);
    le(f, 54, 4);
    le(f, 40, 4);
    le(f, kWidth, 4);
    le(f, kHeight, 4); // positive: rows bottom-up
    le(f, 1, 2);
    le(f, 24, 2);
    le(f, 0, 4);
    le(f, 2368 * kHeight, 4);
    le(f, 3779, 4);
    le(f, 3779, 4);
    le(f, 0, 4);
    le(f, 0, 4);
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            switch (expectedPixel(x, y)) {
            case Px::White:
                f.insert(f.end(), {255, 255, 255});
                break;
            case Px::Black:
                f.insert(f.end(), {0, 0, 0});
                break;
            case Px::Fill:
                f.insert(f.end(), {221, 218, 210});
                break; // blue, green, red
            }
        }
        f.push_back(0); // 2,367 bytes of pixels padded to 2,368
    }
    return f;
}

struct Rect {
    int left, top, right, bottom;
    bool operator==(const Rect&) const = default;
};

// Scan every row for its runs of outline pixels; rows with the same runs in
// a row make one band.
std::vector<Rect> reconstructBands()
{
    std::vector<Rect> rects;
    std::vector<std::pair<int, int>> bandRuns;
    int bandTop = 0;
    auto closeBand = [&](int bottom) {
        for (auto [l, r] : bandRuns)
            rects.push_back(Rect{l, bandTop, r, bottom});
    };
    for (int y = 0; y <= kHeight; ++y) {
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; y < kHeight && x < kWidth; ++x) {
            if (!inAnyOutline(x, y))
                continue;
            int end = x;
            while (end < kWidth && inAnyOutline(end, y))
                ++end;
            runs.emplace_back(x, end);
            x = end;
        }
        if (runs != bandRuns) {
            closeBand(y);
            bandRuns = runs;
            bandTop = y;
        }
    }
    return rects;
}

Bytes reconstructRegionFile()
{
    const std::vector<Rect> rects = reconstructBands();
    Bytes f;
    le(f, 1040, 4);
    le(f, 32, 4);
    le(f, 1, 4);
    le(f, 63, 4);
    le(f, 1008, 4);
    for (int v : {3, 3, 788, 401})
        le(f, uint32_t(v), 4);
    for (const Rect& r : rects)
        for (int v : {r.left, r.top, r.right, r.bottom})
            le(f, uint32_t(v), 4);
    return f;
}

Bytes expand(std::span<const uint8_t> block)
{
    Bytes out;
    ExpandBuiltIn(block, AppendTo(out));
    return out;
}

// Compares without printing a megabyte on failure.
void compareBytes(const Bytes& actual, const Bytes& expected)
{
    QCOMPARE(actual.size(), expected.size());
    auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin());
    if (diff.first != actual.end())
        QFAIL(qPrintable(QStringLiteral("first difference at byte %1: %2, expected %3")
                             .arg(diff.first - actual.begin())
                             .arg(*diff.first)
                             .arg(*diff.second)));
}

std::vector<Rect> regionRects(const Bytes& rgn)
{
    std::vector<Rect> rects;
    const uint32_t count = readLe(rgn, 12);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = 36 + 16 * size_t(i);
        rects.push_back(Rect{int32_t(readLe(rgn, at)), int32_t(readLe(rgn, at + 4)), int32_t(readLe(rgn, at + 8)),
                             int32_t(readLe(rgn, at + 12))});
    }
    return rects;
}

} // namespace

class TestBuiltInFiles : public QObject {
    Q_OBJECT

private slots:
    void expandsToStatedSize_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("fileSize");
        QTest::newRow("banner") << 0 << 59334;
        QTest::newRow("default.bmp") << 1 << 956726;
        QTest::newRow("zfkmain.rgn") << 2 << 1044;
    }
    void expandsToStatedSize()
    {
        QFETCH(int, which);
        QFETCH(int, fileSize);
        const std::span<const uint8_t> block = which == 0   ? BannerBlock()
                                               : which == 1 ? DefaultBmpBlock()
                                                            : ZfkMainRgnBlock();
        QVERIFY(block.size() > 4);
        Bytes stated(block.begin(), block.begin() + 4);
        QCOMPARE(readLe(stated, 0), uint32_t(fileSize));
        QCOMPARE(expand(block).size(), size_t(fileSize));
        // Each call starts afresh: a second expansion appends the same bytes.
        Bytes twice;
        ExpandBuiltIn(block, AppendTo(twice));
        ExpandBuiltIn(block, AppendTo(twice));
        QCOMPARE(twice.size(), size_t(2 * fileSize));
        QVERIFY(std::equal(twice.begin(), twice.begin() + fileSize, twice.begin() + fileSize));
    }

    void defaultBmpMatchesGeometry()
    {
        const Bytes bmp = expand(DefaultBmpBlock());
        compareBytes(bmp, reconstructDefaultBmp());

        std::set<std::tuple<uint8_t, uint8_t, uint8_t>> colours;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const size_t at = 54 + size_t(y) * 2368 + size_t(x) * 3;
                colours.emplace(bmp[at], bmp[at + 1], bmp[at + 2]);
            }
        const std::set<std::tuple<uint8_t, uint8_t, uint8_t>> three{{255, 255, 255}, {0, 0, 0}, {221, 218, 210}};
        QCOMPARE(colours, three);
    }

    void regionMatchesGeometry()
    {
        const Bytes rgn = expand(ZfkMainRgnBlock());
        compareBytes(rgn, reconstructRegionFile());
    }

    void regionIsBandedAndBounded()
    {
        const Bytes rgn = expand(ZfkMainRgnBlock());
        QCOMPARE(readLe(rgn, 0), uint32_t(rgn.size() - 4));
        QCOMPARE(readLe(rgn, 4), 32u);
        QCOMPARE(readLe(rgn, 8), 1u);
        QCOMPARE(readLe(rgn, 16), readLe(rgn, 12) * 16);
        const std::vector<Rect> rects = regionRects(rgn);
        QCOMPARE(rects.size(), size_t(63));

        Rect bound{int32_t(readLe(rgn, 20)), int32_t(readLe(rgn, 24)), int32_t(readLe(rgn, 28)),
                   int32_t(readLe(rgn, 32))};
        QCOMPARE(bound, (Rect{3, 3, 788, 401}));
        Rect hull = rects.front();
        for (const Rect& r : rects)
            hull = Rect{std::min(hull.left, r.left), std::min(hull.top, r.top), std::max(hull.right, r.right),
                        std::max(hull.bottom, r.bottom)};
        QCOMPARE(hull, bound);

        for (size_t i = 0; i < rects.size(); ++i) {
            const Rect& r = rects[i];
            QVERIFY(r.left < r.right && r.top < r.bottom);
            if (i == 0)
                continue;
            const Rect& p = rects[i - 1];
            if (r.top == p.top) {
                // Same band: same rows, left to right, not touching (separate panels).
                QCOMPARE(r.bottom, p.bottom);
                QVERIFY2(p.right < r.left, qPrintable(QString("rectangle %1").arg(i)));
            } else {
                // Next band: strictly below the previous one.
                QVERIFY2(r.top >= p.bottom, qPrintable(QString("rectangle %1").arg(i)));
            }
        }

        // Bands are as tall as they can be: two touching bands never hold
        // the same spans.
        std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> bands;
        for (const Rect& r : rects)
            bands[{r.top, r.bottom}].emplace_back(r.left, r.right);
        for (auto it = bands.begin(); std::next(it) != bands.end(); ++it) {
            auto next = std::next(it);
            if (it->first.second == next->first.first)
                QVERIFY2(
                    it->second != next->second,
                    qPrintable(
                        QString("bands at rows %1 and %2 could be one").arg(it->first.first).arg(next->first.first)));
        }
    }

    void regionCoversExactlyThePicture()
    {
        const Bytes bmp = expand(DefaultBmpBlock());
        const std::vector<Rect> rects = regionRects(expand(ZfkMainRgnBlock()));
        std::vector<int> cover(size_t(kWidth) * kHeight, 0);
        for (const Rect& r : rects) {
            QVERIFY(r.left >= 0 && r.top >= 0 && r.right <= kWidth && r.bottom <= kHeight);
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    ++cover[size_t(y) * kWidth + size_t(x)];
        }
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const size_t at = 54 + size_t(kHeight - 1 - y) * 2368 + size_t(x) * 3;
                const bool white = bmp[at] == 255 && bmp[at + 1] == 255 && bmp[at + 2] == 255;
                const int c = cover[size_t(y) * kWidth + size_t(x)];
                if (c != (white ? 0 : 1))
                    QFAIL(qPrintable(QString("pixel (%1, %2): %3, covered %4 times")
                                         .arg(x)
                                         .arg(y)
                                         .arg(white ? "white" : "painted")
                                         .arg(c)));
            }
    }

    void bannerIsTheGeneratedBitmap()
    {
        const Bytes banner = expand(BannerBlock());
        QCOMPARE(banner.size(), size_t(59334));
        QCOMPARE(banner[0], uint8_t('B'));
        QCOMPARE(banner[1], uint8_t('M'));
        QCOMPARE(readLe(banner, 2), 59334u);
        QCOMPARE(readLe(banner, 10), 54u);
        QCOMPARE(readLe(banner, 14), 40u);
        QCOMPARE(readLe(banner, 18), 304u);
        QCOMPARE(readLe(banner, 22), 65u);
        QCOMPARE(readLe(banner, 26, 2), 1u);
        QCOMPARE(readLe(banner, 28, 2), 24u);
        QCOMPARE(readLe(banner, 30), 0u);

        QImage image;
        QVERIFY(image.loadFromData(banner.data(), int(banner.size()), "BMP"));
        QCOMPARE(image.size(), QSize(304, 65));

        // The picture on the window colour, with the button colours of the
        // little table in it.
        QCOMPARE(image.pixel(0, 0), qRgb(210, 218, 221));
        QCOMPARE(image.pixel(303, 64), qRgb(210, 218, 221));
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y));
        for (QRgb c : {qRgb(0, 255, 0), qRgb(0, 255, 255), qRgb(255, 255, 0)})
            QVERIFY2(seen.contains(c), qPrintable(QString::number(c, 16)));

        QFile drawn(ZFK_BANNER_BMP);
        QVERIFY(drawn.open(QIODevice::ReadOnly));
        const QByteArray raw = drawn.readAll();
        compareBytes(banner, Bytes(raw.begin(), raw.end()));
    }
};

QTEST_GUILESS_MAIN(TestBuiltInFiles)
#include "tst_builtin_files.moc"

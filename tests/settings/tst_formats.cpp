// The skin file formats on their own: the outline parser's checks, the INI
// reading and the in-place INI writing.
#include "settings/ColorSchemeFile.h"
#include "settings/IniText.h"
#include "settings/RegionFile.h"

#include <QtTest>

#include <initializer_list>

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// A region file: count, header (size, type, count, buffer size, bounds), rectangles.
std::vector<uint8_t> RegionFile(const std::vector<RegionRect>& rects, uint32_t headerSize = 32, uint32_t type = 1,
                                int countDelta = 0)
{
    std::vector<uint8_t> body;
    Put32(body, headerSize);
    Put32(body, type);
    Put32(body, uint32_t(int(rects.size()) + countDelta));
    Put32(body, uint32_t(rects.size() * 16));
    for (int i = 0; i < 4; ++i)
        Put32(body, 0);
    for (const RegionRect& r : rects)
        for (int32_t v : {r.left, r.top, r.right, r.bottom})
            Put32(body, uint32_t(v));
    std::vector<uint8_t> file;
    Put32(file, uint32_t(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

RegionError Parse(const std::vector<uint8_t>& file)
{
    std::vector<RegionRect> rects{{1, 2, 3, 4}};
    const RegionError e = ParseRegionFile(file, rects);
    if (e != RegionError::None && !rects.empty())
        return RegionError::None; // an error must never leave rectangles behind
    return e;
}

std::string Cols(const char* body) { return std::string(body); }

} // namespace

class TestSkinFormats : public QObject {
    Q_OBJECT
private slots:
    void regionGoodFileGivesItsRectangles()
    {
        const std::vector<RegionRect> in{{4, 3, 788, 4}, {3, 61, 607, 357}, {-5, -5, 1, 1}};
        std::vector<uint8_t> file = RegionFile(in);
        file.push_back(0xAB); // bytes after the region are not part of it
        std::vector<RegionRect> out;
        QCOMPARE(ParseRegionFile(file, out), RegionError::None);
        QCOMPARE(out.size(), size_t(3));
        for (size_t i = 0; i < in.size(); ++i) {
            QCOMPARE(out[i].left, in[i].left);
            QCOMPARE(out[i].top, in[i].top);
            QCOMPARE(out[i].right, in[i].right);
            QCOMPARE(out[i].bottom, in[i].bottom);
        }
        // A zero buffer size is allowed, as region data may leave it unset.
        file = RegionFile(in);
        file[4 + 12] = file[4 + 13] = 0;
        QCOMPARE(Parse(file), RegionError::None);
    }

    void regionWithWrongCountOrSizeIsRefused()
    {
        const std::vector<RegionRect> two{{0, 0, 10, 10}, {20, 0, 30, 10}};
        QCOMPARE(Parse({}), RegionError::NoCount);
        QCOMPARE(Parse({0x20, 0, 0}), RegionError::NoCount);

        // N larger than the bytes that follow, by one byte and by a lot.
        std::vector<uint8_t> file = RegionFile(two);
        file.pop_back();
        QCOMPARE(Parse(file), RegionError::Truncated);
        file = RegionFile(two);
        file[1] = 0x10; // N = 4096 + 64
        QCOMPARE(Parse(file), RegionError::Truncated);

        // A huge N is refused before anything is read or allocated.
        file = RegionFile(two);
        file[0] = file[1] = file[2] = file[3] = 0xFF;
        QCOMPARE(Parse(file), RegionError::TooLarge);
        std::vector<uint8_t> big(4 + kMaxRegionBytes + 16, 0);
        const uint32_t over = kMaxRegionBytes + 16;
        big[0] = uint8_t(over), big[1] = uint8_t(over >> 8), big[2] = uint8_t(over >> 16);
        QCOMPARE(Parse(big), RegionError::TooLarge);

        // N too small for a header.
        QCOMPARE(Parse({16, 0, 0, 0, 32, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), RegionError::BadHeaderSize);
        QCOMPARE(Parse(RegionFile(two, 40)), RegionError::BadHeaderSize);
        QCOMPARE(Parse(RegionFile(two, 32, 2)), RegionError::NotRectangles);
        QCOMPARE(Parse(RegionFile(two, 32, 1, +1)), RegionError::CountMismatch);
        QCOMPARE(Parse(RegionFile(two, 32, 1, -1)), RegionError::CountMismatch);
        // A count that would wrap 16 x count around to the right size.
        file = RegionFile(two);
        file[4 + 8 + 3] = 0x10; // count = 2 + 2^28
        QCOMPARE(Parse(file), RegionError::CountMismatch);
        // N not a whole number of rectangles.
        file = RegionFile(two);
        file.push_back(0);
        file[0] += 1;
        QCOMPARE(Parse(file), RegionError::CountMismatch);
        file = RegionFile(two);
        file[4 + 12] = 16;
        QCOMPARE(Parse(file), RegionError::BadBufferSize);
        QCOMPARE(Parse(RegionFile({})), RegionError::NoRectangles);
    }

    void regionWithBadRectangleIsRefused()
    {
        auto one = [](RegionRect r) { return Parse(RegionFile({{0, 0, 5, 5}, r})); };
        QCOMPARE(one({10, 10, 5, 20}), RegionError::BadRectangle);  // right < left
        QCOMPARE(one({10, 20, 15, 10}), RegionError::BadRectangle); // bottom < top
        QCOMPARE(one({10, 10, 10, 20}), RegionError::BadRectangle); // empty
        QCOMPARE(one({0, 0, kMaxRegionCoord + 1, 5}), RegionError::BadRectangle);
        QCOMPARE(one({-kMaxRegionCoord - 1, 0, 5, 5}), RegionError::BadRectangle);
        QCOMPARE(one({INT32_MIN, 0, INT32_MAX, 5}), RegionError::BadRectangle);
        QCOMPARE(one({-kMaxRegionCoord, -kMaxRegionCoord, kMaxRegionCoord, kMaxRegionCoord}), RegionError::None);
    }

    void integersAreReadInTheirForms()
    {
        QCOMPARE(ParseIniInteger("255"), std::optional<uint32_t>(255));
        QCOMPARE(ParseIniInteger("  8421376 "), std::optional<uint32_t>(8421376));
        QCOMPARE(ParseIniInteger("$FF"), std::optional<uint32_t>(255));
        QCOMPARE(ParseIniInteger("$00ddDAd2"), std::optional<uint32_t>(14539474));
        QCOMPARE(ParseIniInteger("0xff00"), std::optional<uint32_t>(0xFF00));
        QCOMPARE(ParseIniInteger("0X0000FF"), std::optional<uint32_t>(255));
        QCOMPARE(ParseIniInteger("+12"), std::optional<uint32_t>(12));
        QCOMPARE(ParseIniInteger("-1"), std::optional<uint32_t>(0xFFFFFFFF));
        QCOMPARE(ParseIniInteger("-2147483632"), std::optional<uint32_t>(0x80000010));
        QCOMPARE(ParseIniInteger("$80000010"), std::optional<uint32_t>(0x80000010));
        QCOMPARE(ParseIniInteger("4294967295"), std::optional<uint32_t>(0xFFFFFFFF));
        QCOMPARE(ParseIniInteger("-2147483648"), std::optional<uint32_t>(0x80000000));
        QCOMPARE(ParseIniInteger("000000000000000000007"), std::optional<uint32_t>(7));
        for (const char* bad : {"", " ", "abc", "12abc", "1 2", "$", "0x", "$G1", "0x1g", "ff", "4294967296",
                                "$100000000", "-2147483649", "--1", "+", "1.5", "99999999999999999999999"})
            QVERIFY2(!ParseIniInteger(bad), bad);
    }

    void schemeKeysFallBackOneByOne()
    {
        QCOMPARE(ColorsFromIni(""), TColorScheme{});
        const TColorScheme s =
            ColorsFromIni("[Colors]\r\napp_legend=255\r\napp_info=abc\r\nbut_transp=0\r\ntransparent=$FF00\r\n"
                          "app_buttons=0x10\r\n");
        QCOMPARE(s.app_legend, 255u);
        QCOMPARE(s.app_info, 0u); // abc: default
        QVERIFY(!s.but_transp);
        QCOMPARE(s.transparent, 0xFF00u);
        QCOMPARE(s.app_buttons, 0x10u);

        // Names without regard to case, blanks and quotes around values,
        // LF-only lines, a BOM; a key outside its section or in another
        // section does not count; the first of two keys or sections wins.
        const TColorScheme t = ColorsFromIni("\xEF\xBB\xBF"
                                             "app_info=5\n[Other]\napp_legend=7\n[colors]\n  APP_LEGEND = \"12\" \n"
                                             "app_legend=13\n;app_info=9\nbut_transp = 0 \n[Colors]\napp_info=44\n");
        QCOMPARE(t.app_legend, 12u);
        QCOMPARE(t.app_info, 0u);
        QVERIFY(!t.but_transp);
        QCOMPARE(t.transparent, TColorScheme{}.transparent);
        QCOMPARE(ColorsFromIni("[Colors]\nbut_transp=abc\n").but_transp, true);
    }

    void writingCreatesAFreshFile()
    {
        QCOMPARE(ColorsIntoIni("", TColorScheme{}), Cols("[Colors]\r\ntransparent=16777215\r\napp_buttons=14539474\r\n"
                                                         "app_legend=8421376\r\napp_info=0\r\nbut_transp=1\r\n"));
        TColorScheme s;
        s.app_info = 0x80000010;
        s.but_transp = false;
        const std::string text = ColorsIntoIni("", s);
        QVERIFY(text.find("app_info=-2147483632\r\n") != std::string::npos);
        QVERIFY(text.find("but_transp=0\r\n") != std::string::npos);
        QCOMPARE(ColorsFromIni(text), s);
    }

    void writingKeepsEverythingElse()
    {
        const std::string before = "; my colours\n[Window]\nx=1\n\n[Colors]\napp_legend=$FF\n\n;note\n[Extra]\n"
                                   "App_Info=3\nz = 9";
        TColorScheme s;
        s.app_legend = 255;
        const std::string after = ColorsIntoIni(before, s);
        QCOMPARE(after, Cols("; my colours\n[Window]\nx=1\n\n[Colors]\napp_legend=255\n"
                             "transparent=16777215\r\napp_buttons=14539474\r\napp_info=0\r\n"
                             "but_transp=1\r\n\n;note\n[Extra]\nApp_Info=3\nz = 9"));
        QCOMPARE(ColorsFromIni(after), s);
        QCOMPARE(ColorsIntoIni(after, s), after); // writing twice changes nothing more

        // Keys in place keep their spelling and order; a missing section goes
        // at the end, after a last line that had no line end.
        QCOMPARE(ColorsIntoIni("[COLORS]\r\nBut_Transp=1\r\nAPP_INFO = 7\r\n", s),
                 Cols("[COLORS]\r\nBut_Transp=1\r\nAPP_INFO=0\r\ntransparent=16777215\r\n"
                      "app_buttons=14539474\r\napp_legend=255\r\n"));
        QCOMPARE(ColorsIntoIni("[A]\nk=v", TColorScheme{}),
                 Cols("[A]\nk=v\r\n[Colors]\r\ntransparent=16777215\r\napp_buttons=14539474\r\n"
                      "app_legend=8421376\r\napp_info=0\r\nbut_transp=1\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestSkinFormats)
#include "tst_formats.moc"

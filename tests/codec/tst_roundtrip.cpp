// The build-time encoder against the program's decoder.
#include <QTest>

#include <algorithm>

#include "builtin/codec/ExpandBuiltIn.h"
#include "tests/codec/Lh5TestKit.h"
#include "tools/lh5/Lh5Encoder.h"

using namespace kit;

namespace {

std::vector<uint8_t> RandomBytes(size_t n, uint64_t seed, uint32_t alphabet = 256)
{
    Rng rng(seed);
    std::vector<uint8_t> d(n);
    for (auto& b : d)
        b = static_cast<uint8_t>(rng.Next() % alphabet);
    return d;
}

// Text made of a few hundred words: long-distance matches of all lengths.
std::vector<uint8_t> Words(size_t n, uint64_t seed)
{
    static const char* const kWords[] = {"wodór", "hel",   "lit",   "beryl",  "bor",  "węgiel", "azot",   "tlen",
                                         "fluor", "neon",  "sód",   "magnez", "glin", "krzem",  "fosfor", "siarka",
                                         "chlor", "argon", "potas", "wapń",   "\r\n", "1.008",  "(227)"};
    Rng rng(seed);
    std::vector<uint8_t> d;
    while (d.size() < n) {
        const std::string w = kWords[rng.Next() % std::size(kWords)];
        d.insert(d.end(), w.begin(), w.end());
        d.push_back(rng.Next() % 5 ? ' ' : '\t');
    }
    d.resize(n);
    return d;
}

// Runs of three colours in 3-byte pixels, like the skin bitmap.
std::vector<uint8_t> Bitmapish(int w, int h)
{
    std::vector<uint8_t> d;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int c = ((x / 37) + (y / 23) * 3) % 3;
            const uint8_t px[3][3] = {{0xC0, 0xC0, 0xC0}, {0x80, 0x00, 0x00}, {0xFF, 0xFB, 0xF0}};
            d.insert(d.end(), px[c], px[c] + 3);
        }
    return d;
}

// Symbol counts growing like Fibonacci numbers: an unlimited Huffman code
// for them is deeper than the 16 bits the format allows.
std::vector<uint8_t> FibonacciSkew()
{
    std::vector<uint8_t> d;
    uint32_t a = 1, b = 1;
    for (int s = 0; s < 22; ++s) {
        for (uint32_t i = 0; i < a; ++i)
            d.push_back(static_cast<uint8_t>(s * 11));
        const uint32_t n = a + b;
        a = b;
        b = n;
    }
    // Shuffle so that the matcher finds no runs and literals stay literals.
    Rng rng(99);
    for (size_t i = d.size() - 1; i > 0; --i)
        std::swap(d[i], d[rng.Next() % (i + 1)]);
    return d;
}

} // namespace

class TestCodecRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void packedBlockExpandsToItsInput_data()
    {
        QTest::addColumn<std::vector<uint8_t>>("data");
        QTest::newRow("empty") << std::vector<uint8_t>{};
        QTest::newRow("one byte") << std::vector<uint8_t>{0x5A};
        QTest::newRow("two bytes") << std::vector<uint8_t>{0, 0};
        QTest::newRow("one byte value repeated") << std::vector<uint8_t>(100000, 0xAB);
        QTest::newRow("run of 257") << [] {
            std::vector<uint8_t> d{'x'};
            d.insert(d.end(), 257, 'y');
            d.push_back('z');
            return d;
        }();
        QTest::newRow("random 100 KiB") << RandomBytes(100 * 1024, 1);
        QTest::newRow("random, 200-symbol alphabet") << RandomBytes(70000, 2, 200);
        QTest::newRow("words 300 KB") << Words(300000, 3);
        QTest::newRow("bitmap-like") << Bitmapish(789, 404);
        QTest::newRow("all byte values") << [] {
            std::vector<uint8_t> d;
            for (int r = 0; r < 3; ++r)
                for (int i = 0; i < 256; ++i)
                    d.push_back(static_cast<uint8_t>(i * 7 + r));
            return d;
        }();
        QTest::newRow("repeat at distance 8192") << [] {
            auto d = RandomBytes(8192, 4);
            const auto copy = d;
            d.insert(d.end(), copy.begin(), copy.end());
            d.insert(d.end(), copy.begin(), copy.end());
            return d;
        }();
        QTest::newRow("skewed counts") << FibonacciSkew();
    }
    void packedBlockExpandsToItsInput()
    {
        QFETCH(std::vector<uint8_t>, data);
        const std::vector<uint8_t> block = lh5::PackBlock(data);
        QVERIFY(block.size() >= 4);
        const uint32_t stated = block[0] | block[1] << 8 | block[2] << 16 | static_cast<uint32_t>(block[3]) << 24;
        QCOMPARE(stated, static_cast<uint32_t>(data.size()));
        std::vector<uint8_t> out;
        QCOMPARE(DecodeBlock(block, out), Lh5Status::Ok);
        QCOMPARE(out.size(), data.size());
        QVERIFY(out == data);

        // Streamed: full 8,192-byte pieces and the remainder, in order.
        std::vector<uint8_t> joined;
        std::vector<size_t> sizes;
        QCOMPARE(DecodeBlock(block,
                             [&](std::span<const uint8_t> piece) {
                                 sizes.push_back(piece.size());
                                 joined.insert(joined.end(), piece.begin(), piece.end());
                                 return true;
                             }),
                 Lh5Status::Ok);
        QVERIFY(joined == data);
        std::vector<size_t> want(data.size() / 8192, 8192);
        if (data.size() % 8192)
            want.push_back(data.size() % 8192);
        QCOMPARE(sizes, want);
    }

    void encoderFindsMatches()
    {
        // The encoder must actually find matches: the skin bitmap is meant to
        // take a few kilobytes.
        const auto bmp = Bitmapish(789, 404);
        const auto block = lh5::PackBlock(bmp);
        QVERIFY2(block.size() < bmp.size() / 100, qPrintable(QString::number(block.size())));
        const auto words = Words(300000, 3);
        QVERIFY(lh5::PackBlock(words).size() < words.size() / 3);
        // Incompressible input grows only by the block headers.
        const auto rnd = RandomBytes(100 * 1024, 1);
        QVERIFY(lh5::PackBlock(rnd).size() < rnd.size() + rnd.size() / 100);
    }
};

QTEST_APPLESS_MAIN(TestCodecRoundTrip)
#include "tst_roundtrip.moc"

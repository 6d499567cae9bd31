// The awkward corners of the block format, each on a stream written bit
// by bit.
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include "builtin/codec/ExpandBuiltIn.h"
#include "tests/codec/Lh5TestKit.h"

using namespace kit;

namespace {

std::vector<uint8_t> Decode(const std::vector<uint8_t>& block, Lh5Status expect = Lh5Status::Ok)
{
    std::vector<uint8_t> out;
    const Lh5Status st = DecodeBlock(block, out);
    if (st != expect)
        qWarning("status %d, expected %d", static_cast<int>(st), static_cast<int>(expect));
    return st == expect ? out : std::vector<uint8_t>{0xEE};
}

std::vector<uint8_t> FullBlockStream(const std::vector<Token>& toks)
{
    BitWriter w;
    PutFullBlock(w, toks);
    return w.Bytes();
}

// Literals and matches walking across several 8192-byte pieces; the
// random literals make every wrong source position visible.
std::vector<Token> PieceCrossingTokens()
{
    Rng rng(7);
    std::vector<Token> t;
    size_t pos = 0;
    auto lits = [&](size_t upTo) {
        for (; pos < upTo; ++pos)
            t.push_back(Lit(static_cast<int>(rng.Next() & 0xFF)));
    };
    auto match = [&](int len, int dist) {
        t.push_back(Match(len, dist));
        pos += static_cast<size_t>(len);
    };
    lits(8000);
    match(256, 5000); // 8000..8256 crosses the first piece end
    match(100, 8192); // reads the bytes it replaces, in the second piece
    lits(16380);
    match(20, 3); // overlapping, across the second piece end
    lits(16384 + 30);
    match(10, 39);   // source ends one byte past the buffer's end
    match(200, 100); // source wraps from the buffer's end to its start
    match(256, 8192);
    lits(24576 - 256);
    match(256, 256); // ends exactly on a piece end
    match(256, 1);
    lits(32768 - 6);
    match(7, 500); // ends one byte past a piece end
    lits(32768 + 50);
    return t;
}

} // namespace

class TestCodecCorners : public QObject {
    Q_OBJECT

private slots:
    void singleValueLiteralLengthTreeReadsNoBits()
    {
        // A single-value tree decodes every code without reading bits, be it
        // a literal or a match length.
        BitWriter w;
        w.Put(16, 5);
        PutSingle(w, 5, 0);
        PutSingle(w, 9, 'x');
        PutSingle(w, 4, 0);
        w.Put(16, 2);
        PutSingle(w, 5, 0);
        PutSingle(w, 9, Match(4, 1).code);
        PutSingle(w, 4, 0);
        const auto stream = w.Bytes();
        QCOMPARE(stream.size(), size_t{13}); // 2 * 52 header bits, nothing else
        QCOMPARE(Decode(Block(13, stream)), Bytes("xxxxxxxxxxxxx"));
    }

    void singleValueCodeLengthTreeGivesEveryLiteralEightBits()
    {
        // Code-length tree of the one symbol 10: all 256 listed literal
        // lengths are 8, so each literal is sent as its own 8 bits.
        const auto text = Bytes(std::string("Zefirak\0\xff\x80", 10));
        BitWriter w;
        w.Put(16, static_cast<uint32_t>(text.size()));
        PutSingle(w, 5, 10);
        w.Put(9, 256);
        PutSingle(w, 4, 0);
        for (uint8_t b : text)
            w.Put(8, b);
        QCOMPARE(Decode(Block(static_cast<uint32_t>(text.size()), w.Bytes())), text);
    }

    void singleValuePositionTreeReadsOnlyLowBits()
    {
        // Position code 6 for every match: no code bits, 5 low bits each.
        const std::vector<int> t = FullT();
        std::vector<int> c(259, 0);
        c['a'] = c['b'] = c['c'] = 2;
        c[Match(5, 1).code] = 2;
        std::vector<Token> toks;
        for (int i = 0; i < 40; ++i)
            toks.push_back(Lit("abc"[i % 3]));
        toks.push_back(Match(5, 40));
        toks.push_back(Match(5, 33));
        toks.push_back(Match(5, 64));
        BitWriter w;
        w.Put(16, static_cast<uint32_t>(toks.size()));
        PutPtLens(w, t, 5, 3);
        PutCLens(w, c, t);
        PutSingle(w, 4, 6);
        const auto cc = Codes(c);
        for (const Token& k : toks) {
            w.Put(c[k.code], cc[k.code]);
            if (k.code >= 256)
                PutDistance(w, {}, {}, k.dist);
        }
        QCOMPARE(Decode(Block(55, w.Bytes())), Expected(toks, 55));
    }

    void codeLengthsSkipZerosAfterTheThirdEntry_data()
    {
        QTest::addColumn<int>("skip");
        for (int s = 0; s <= 3; ++s)
            QTest::addRow("%d zeros", s) << s;
    }
    void codeLengthsSkipZerosAfterTheThirdEntry()
    {
        // Code-length tree 2,2,2, then `skip` zeros given only by the 2-bit
        // count, then 3,3: literal lengths 1 + skip and 2 + skip.
        QFETCH(int, skip);
        std::vector<int> t{2, 2, 2};
        t.insert(t.end(), static_cast<size_t>(skip), 0);
        t.push_back(3);
        t.push_back(3);
        const int l1 = 1 + skip;
        const int n1 = (1 << l1) - 1; // n1 codes of l1 bits + 2 of l1 + 1 bits
        std::vector<int> c(65, 0);
        c.insert(c.end(), static_cast<size_t>(n1), l1);
        c.insert(c.end(), 2, l1 + 1);
        std::vector<Token> toks;
        for (int r = 0; r < 3; ++r)
            for (int s = 65; s < static_cast<int>(c.size()); ++s)
                toks.push_back(Lit(s));
        BitWriter w;
        w.Put(16, static_cast<uint32_t>(toks.size()));
        PutPtLens(w, t, 5, 3);
        PutCLens(w, c, t);
        PutSingle(w, 4, 0);
        const auto cc = Codes(c);
        for (const Token& k : toks)
            w.Put(c[k.code], cc[k.code]);
        const auto size = static_cast<uint32_t>(toks.size());
        QCOMPARE(Decode(Block(size, w.Bytes())), Expected(toks, size));
    }

    void positionTreeHasNoSkip()
    {
        // Zeros after the third position length are sent one by one.
        const std::vector<int> p{2, 2, 2, 0, 0, 0, 3, 3};
        const auto t = FullT(), c = FullC();
        const std::vector<Token> toks{Lit('q'),    Lit('r'),     Match(3, 1), Match(4, 2),
                                      Match(5, 3), Match(6, 33), Match(7, 40)};
        BitWriter w;
        w.Put(16, static_cast<uint32_t>(toks.size()));
        PutPtLens(w, t, 5, 3);
        PutCLens(w, c, t);
        PutPtLens(w, p, 4, -1);
        const auto cc = Codes(c), pc = Codes(p);
        for (const Token& k : toks) {
            w.Put(c[k.code], cc[k.code]);
            if (k.code >= 256)
                PutDistance(w, p, pc, k.dist);
        }
        QCOMPARE(Decode(Block(27, w.Bytes())), Expected(toks, 27));
    }

    void matchesCrossPieceBoundaries()
    {
        const auto toks = PieceCrossingTokens();
        const auto expect = Expected(toks, 1u << 20);
        QVERIFY(expect.size() > 4 * 8192);
        const auto size = static_cast<uint32_t>(expect.size());
        QCOMPARE(Decode(Block(size, FullBlockStream(toks))), expect);
        // Stopping inside a crossing match cuts it at the stated size.
        QCOMPARE(Decode(Block(8200, FullBlockStream(toks))), Expected(toks, 8200));
    }

    void overlappingCopyReadsWhatItWrote()
    {
        // Distance shorter than the length: the copy reads what it wrote.
        const std::vector<Token> toks{Lit('a'),        Lit('b'),      Lit('c'),        Lit('d'),
                                      Lit('e'),        Lit('f'),      Lit('g'),        Match(256, 1),
                                      Match(256, 2),   Match(255, 3), Match(256, 7),   Lit('h'),
                                      Match(200, 199), Match(3, 2),   Match(256, 255), Match(256, 256)};
        const auto expect = Expected(toks, 1u << 20);
        const auto size = static_cast<uint32_t>(expect.size());
        QCOMPARE(Decode(Block(size, FullBlockStream(toks))), expect);
    }

    void missingTrailingZeroBytesDecodeTheSame()
    {
        // Literal 0 has the all-zero code, so the stream ends in zero bytes;
        // without them it must decode the same.
        std::vector<Token> toks{Lit('k'), Match(5, 1)};
        toks.insert(toks.end(), 16, Lit(0));
        auto stream = FullBlockStream(toks);
        size_t cut = 0;
        while (!stream.empty() && stream.back() == 0) {
            stream.pop_back();
            ++cut;
        }
        QVERIFY(cut >= 14);
        QCOMPARE(Decode(Block(22, stream)), Expected(toks, 22));

        // No stream at all: zero bits give count 0 and single-value trees
        // of symbol 0, so the output is zero bytes.
        QCOMPARE(Decode(Block(100, {})), std::vector<uint8_t>(100, 0));
    }

    void blockCountZeroMeans65536Codes()
    {
        BitWriter w;
        w.Put(16, 0);
        PutSingle(w, 5, 0);
        PutSingle(w, 9, 'z');
        PutSingle(w, 4, 0);
        w.Put(16, 3);
        PutSingle(w, 5, 0);
        PutSingle(w, 9, 'y');
        PutSingle(w, 4, 0);
        std::vector<uint8_t> expect(65536, 'z');
        expect.insert(expect.end(), 3, 'y');
        QCOMPARE(Decode(Block(65539, w.Bytes())), expect);
    }

    void distanceBeforeStartReadsSpaces()
    {
        const std::vector<Token> toks{Match(3, 1), Lit('a'), Lit('b'), Match(4, 5), Match(3, 8192)};
        QCOMPARE(Decode(Block(12, FullBlockStream(toks))), Bytes("   ab   a   "));
    }

    void finalMatchCutAtStatedSize()
    {
        const std::vector<Token> toks{Lit('a'), Match(10, 1), Lit('z')};
        std::vector<uint8_t> out = Bytes("pre");
        QCOMPARE(DecodeBlock(Block(6, FullBlockStream(toks)), out), Lh5Status::Ok);
        QCOMPARE(out, Bytes("preaaaaaa"));
    }

    void sizeZeroReadsNothing()
    {
        std::vector<uint8_t> out = Bytes("keep");
        QCOMPARE(DecodeBlock(Block(0, {0xFF, 0xFF, 0xFF}), out), Lh5Status::Ok);
        QCOMPARE(out, Bytes("keep"));
    }

    void blockShorterThanItsHeaderIsRefused()
    {
        for (size_t n = 0; n < 4; ++n) {
            std::vector<uint8_t> out = Bytes("keep");
            const std::vector<uint8_t> block(n, 0);
            QCOMPARE(DecodeBlock(block, out), Lh5Status::ShortBlock);
            QCOMPARE(out, Bytes("keep"));
        }
    }

    void incompleteCodeIsRefusedAndLeavesTheOutput_data()
    {
        QTest::addColumn<std::vector<uint8_t>>("stream");
        const auto t = FullT(), c = FullC();
        auto headerThen = [](auto fn) {
            BitWriter w;
            w.Put(16, 4);
            fn(w);
            return w.Bytes();
        };
        auto cTree = [&](const std::vector<int>& cl) {
            return headerThen([&](BitWriter& w) {
                PutPtLens(w, t, 5, 3);
                PutCLens(w, cl, t);
                PutSingle(w, 4, 0);
            });
        };
        auto pTree = [&](const std::vector<int>& pl) {
            return headerThen([&](BitWriter& w) {
                PutPtLens(w, t, 5, 3);
                PutCLens(w, c, t);
                PutPtLens(w, pl, 4, -1);
            });
        };
        auto tTree = [&](const std::vector<int>& tl) {
            return headerThen([&](BitWriter& w) { PutPtLens(w, tl, 5, 3); });
        };
        std::vector<int> oneLit(98, 0);
        oneLit[97] = 1;
        std::vector<int> threeLits(100, 0);
        threeLits[97] = threeLits[98] = threeLits[99] = 1;
        QTest::newRow("code-length tree incomplete") << tTree({1, 2});
        QTest::newRow("code-length tree over-subscribed") << tTree({1, 1, 1});
        // Sums to exactly twice the full space: a check modulo 2^16 passes it.
        QTest::newRow("code-length tree over-subscribed twice") << tTree({1, 1, 1, 1});
        QTest::newRow("literal tree incomplete") << cTree(oneLit);
        QTest::newRow("literal tree over-subscribed") << cTree(threeLits);
        QTest::newRow("literal tree all lengths zero") << cTree(std::vector<int>(5, 0));
        QTest::newRow("position tree incomplete") << pTree({1});
        QTest::newRow("position tree over-subscribed") << pTree({1, 1, 1});
        // A bad table in the second block, after good output.
        BitWriter w;
        PutFullBlock(w, {Lit('o'), Lit('k')});
        w.Put(16, 1);
        PutPtLens(w, t, 5, 3);
        PutCLens(w, c, t);
        PutPtLens(w, {1, 2, 3, 3, 3}, 4, -1);
        QTest::newRow("second block incomplete") << w.Bytes();
    }
    void incompleteCodeIsRefusedAndLeavesTheOutput()
    {
        QFETCH(std::vector<uint8_t>, stream);
        std::vector<uint8_t> out = Bytes("keep");
        QCOMPARE(DecodeBlock(Block(4, stream), out), Lh5Status::IncompleteCode);
        QCOMPARE(out, Bytes("keep"));
    }

    void badTableIsRefusedAndLeavesTheOutput_data()
    {
        QTest::addColumn<std::vector<uint8_t>>("stream");
        const auto t = FullT(), c = FullC();
        auto rows = [&](const char* name, auto fn) {
            BitWriter w;
            w.Put(16, 4);
            fn(w);
            QTest::newRow(name) << w.Bytes();
        };
        rows("code-length count 20", [&](BitWriter& w) { PutPtLens(w, std::vector<int>(20, 5), 5, 3); });
        rows("code-length single value 19", [&](BitWriter& w) { PutSingle(w, 5, 19); });
        rows("code length 17", [&](BitWriter& w) {
            w.Put(5, 2);
            PutPtEntry(w, 1);
            PutPtEntry(w, 17);
        });
        rows("literal count 511", [&](BitWriter& w) {
            PutPtLens(w, t, 5, 3);
            w.Put(9, 511);
        });
        rows("literal single value 510", [&](BitWriter& w) {
            PutSingle(w, 5, 0);
            PutSingle(w, 9, 510);
        });
        rows("position count 15", [&](BitWriter& w) {
            PutPtLens(w, t, 5, 3);
            PutCLens(w, c, t);
            PutPtLens(w, std::vector<int>(15, 4), 4, -1);
        });
        rows("position single value 14", [&](BitWriter& w) {
            PutPtLens(w, t, 5, 3);
            PutCLens(w, c, t);
            PutSingle(w, 4, 14);
        });
        rows("position length 17", [&](BitWriter& w) {
            PutPtLens(w, t, 5, 3);
            PutCLens(w, c, t);
            w.Put(4, 1);
            PutPtEntry(w, 17);
        });
    }
    void badTableIsRefusedAndLeavesTheOutput()
    {
        QFETCH(std::vector<uint8_t>, stream);
        std::vector<uint8_t> out = Bytes("keep");
        QCOMPARE(DecodeBlock(Block(4, stream), out), Lh5Status::BadTable);
        QCOMPARE(out, Bytes("keep"));
    }

    // Damage can only be found after earlier pieces went out: they stay
    // out, while the vector form takes them back.
    void damageFoundAfterAPieceWentOut()
    {
        const std::vector<uint8_t> block = DamagedAfterFirstPieceBlock();
        std::vector<uint8_t> got;
        int calls = 0;
        const Lh5Status st = DecodeBlock(block, [&](std::span<const uint8_t> piece) {
            ++calls;
            got.insert(got.end(), piece.begin(), piece.end());
            return true;
        });
        QCOMPARE(st, Lh5Status::IncompleteCode);
        QCOMPARE(calls, 1);
        QCOMPARE(got, std::vector<uint8_t>(8192, 'a'));
        std::vector<uint8_t> out = Bytes("keep");
        QCOMPARE(DecodeBlock(block, out), Lh5Status::IncompleteCode);
        QCOMPARE(out, Bytes("keep"));
    }

    void refusedPieceStopsTheDecoding()
    {
        int calls = 0;
        QCOMPARE(DecodeBlock(HugeRunBlock(64), [&](std::span<const uint8_t>) { return ++calls < 3; }),
                 Lh5Status::SinkStopped);
        QCOMPARE(calls, 3);
        // The last, short piece too.
        calls = 0;
        QCOMPARE(DecodeBlock(Block(5, FullBlockStream({Lit('x'), Match(4, 1)})),
                             [&](std::span<const uint8_t>) { return ++calls, false; }),
                 Lh5Status::SinkStopped);
        QCOMPARE(calls, 1);
    }

    // ExpandBuiltIn ends the process on damage, so it runs in a child.
    void expandBuiltInEndsTheProcessOnDamage_data()
    {
        QTest::addColumn<std::vector<uint8_t>>("block");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<int>("code");
        QTest::newRow("sound block") << Block(3, FullBlockStream({Lit('o'), Lit('k'), Lit('!')})) << false << 0;
        QTest::newRow("refused piece returns") << HugeRunBlock(1) << true << 0;
        QTest::newRow("two bytes") << std::vector<uint8_t>{1, 0} << false << 1;
        QTest::newRow("damage after a piece") << DamagedAfterFirstPieceBlock() << false << 1;
    }
    void expandBuiltInEndsTheProcessOnDamage()
    {
        QFETCH(std::vector<uint8_t>, block);
        QFETCH(bool, refuse);
        QFETCH(int, code);
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            ExpandBuiltIn(block, [&](std::span<const uint8_t>) { return !refuse; });
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(pid, &status, 0), pid);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), code);
    }
};

QTEST_APPLESS_MAIN(TestCodecCorners)
#include "tst_corners.moc"

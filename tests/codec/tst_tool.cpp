// zfktool expand / pack as separate processes: the exit codes are the
// interface (0 done, 1 damaged block as in the program, 2 usage or file).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include "data/Dane.h"
#include "tests/codec/Lh5TestKit.h"

using namespace kit;

namespace {

struct Run {
    int code = -1;
    QByteArray out, err;
};

// limit: a resource limit set in the child before it runs zfktool.
Run Tool(const QStringList& args, int limit = -1, rlim_t value = 0)
{
    QProcess p;
    if (limit >= 0) {
        p.setChildProcessModifier([limit, value] {
            const rlimit r{value, value};
            setrlimit(limit, &r);
            // Past a file size limit write() then fails with EFBIG instead
            // of the process being killed.
            std::signal(SIGXFSZ, SIG_IGN);
        });
    }
    p.start(QStringLiteral(ZFKTOOL), args);
    Run r;
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void Write(const QString& path, const std::vector<uint8_t>& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
}

// How zfktool writes a text: backslash, tab, CR and LF escaped.
QByteArray Escaped(const std::string& s)
{
    QByteArray e;
    for (char c : s) {
        if (c == '\\')
            e += "\\\\";
        else if (c == '\t')
            e += "\\t";
        else if (c == '\r')
            e += "\\r";
        else if (c == '\n')
            e += "\\n";
        else
            e += c;
    }
    return e;
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestCodecTool : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private slots:
    void packedFileExpandsToItsInput()
    {
        QByteArray text;
        for (int i = 0; i < 5000; ++i)
            text += "Zefirak " + QByteArray::number(i % 97) + "\r\n";
        QFile f(Path("in.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        Run r = Tool({"pack", Path("in.txt"), Path("in.blk")});
        QCOMPARE(r.code, 0);
        QVERIFY(Read(Path("in.blk")).size() < text.size() / 4);
        r = Tool({"expand", Path("in.blk"), Path("in.out")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(Read(Path("in.out")), text);
    }

    void damagedBlockExitsWithOne_data()
    {
        QTest::addColumn<std::vector<uint8_t>>("block");
        const auto t = FullT(), c = FullC();
        BitWriter lit;
        lit.Put(16, 1);
        PutPtLens(lit, t, 5, 3);
        PutCLens(lit, {0, 0, 1}, t);
        QTest::newRow("literal tree incomplete") << Block(10, lit.Bytes());
        BitWriter pos;
        pos.Put(16, 1);
        PutPtLens(pos, t, 5, 3);
        PutCLens(pos, c, t);
        PutPtLens(pos, {1, 1, 2}, 4, -1);
        QTest::newRow("position tree over-subscribed") << Block(10, pos.Bytes());
        BitWriter big;
        big.Put(16, 1);
        PutSingle(big, 5, 25);
        QTest::newRow("code-length value out of range") << Block(10, big.Bytes());
        QTest::newRow("two bytes") << std::vector<uint8_t>{1, 0};
        QTest::newRow("damage after the first piece") << DamagedAfterFirstPieceBlock();
    }
    void damagedBlockExitsWithOne()
    {
        QFETCH(std::vector<uint8_t>, block);
        Write(Path("bad.blk"), block);
        QFile::remove(Path("bad.out"));
        const Run r = Tool({"expand", Path("bad.blk"), Path("bad.out")});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, QByteArray());
        QVERIFY(!QFile::exists(Path("bad.out")));
        QCOMPARE(QDir(m_dir.path()).entryList({"bad.out*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // Memory stays at the decoder's tables and window, whatever the size
    // a block declares; 1 GiB would not fit under the limit.
    void hugeBlockExpandsInBoundedMemory()
    {
        Write(Path("huge.blk"), HugeRunBlock(64));
#ifdef __SANITIZE_ADDRESS__
        // AddressSanitizer reserves terabytes of address space, so no limit
        // on it can hold: the children's peak resident size bounds it instead.
        const Run r = Tool({"expand", Path("huge.blk"), "/dev/null"});
        rusage used{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &used), 0);
        QCOMPARE_LT(used.ru_maxrss, 128 << 10); // KiB
#else
        const Run r = Tool({"expand", Path("huge.blk"), "/dev/null"}, RLIMIT_AS, 128u << 20);
#endif
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QByteArray());
    }

    // A failed write: one line, exit 2, and no partial file; a file that
    // was there before keeps its content.
    void failedWriteLeavesNoPartialFile_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("limit");
        QTest::newRow("full device") << QStringLiteral("/dev/full") << -1;
        QTest::newRow("file size limit") << Path("big.out") << int(RLIMIT_FSIZE);
    }
    void failedWriteLeavesNoPartialFile()
    {
        QFETCH(QString, out);
        QFETCH(int, limit);
        Write(Path("big.blk"), HugeRunBlock(1));
        const bool regular = !out.startsWith("/dev/");
        if (regular)
            Write(out, {'o', 'l', 'd'});
        const Run r = Tool({"expand", Path("big.blk"), out}, limit, 100000);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith("zfktool: cannot write " + out.toUtf8() + ": ") && r.err.count('\n') == 1
                     && r.err.endsWith('\n'),
                 r.err.constData());
        if (regular) {
            QCOMPARE(Read(out), QByteArray("old"));
            QCOMPARE(QDir(m_dir.path()).entryList({"big.out*"}, QDir::Files | QDir::Hidden), QStringList{"big.out"});
        }
    }

    void usageAndFileErrorsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        Write(Path("ok.blk"), Block(3, FullBlockStream()));
        QTest::newRow("expand without arguments") << QStringList{"expand"};
        QTest::newRow("expand with one argument") << QStringList{"expand", Path("ok.blk")};
        QTest::newRow("expand, three arguments") << QStringList{"expand", Path("ok.blk"), Path("o"), Path("p")};
        QTest::newRow("expand, missing block") << QStringList{"expand", Path("none.blk"), Path("o")};
        QTest::newRow("expand, unwritable output") << QStringList{"expand", Path("ok.blk"), Path("no/such/dir")};
        QTest::newRow("pack, missing input") << QStringList{"pack", Path("none"), Path("o")};
        QTest::newRow("pack, unwritable output") << QStringList{"pack", Path("ok.blk"), Path("no/such/dir")};
    }
    void usageAndFileErrorsExitWithTwo()
    {
        QFETCH(QStringList, args);
        const Run r = Tool(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.endsWith('\n') && r.err.count('\n') == 1, r.err.constData());
    }

    void dumpMatchesTheLibrary()
    {
        std::vector<TPierwData> rows(ElementCount);
        GetLongPierwArray(rows.data());
        const Run r = Tool({"dump"});
        QCOMPARE(r.code, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), ElementCount + 2); // header, rows, nothing after the last newline
        QCOMPARE(lines.last(), QByteArray());
        QCOMPARE(lines[0],
                 QByteArray("Symbol\tName\tKind\tState\tAtomicNumber\tAtomicMass\tOxideCharacter\t"
                            "Electronegativity\tDensity\tMeltingPoint\tBoilingPoint\tIsotopeCount\tDiscovered\t"
                            "AtomicRadius\tShellK\tShellL\tShellM\tShellN\tShellO\tShellP\tShellQ\tLeftNeighbour\t"
                            "RightNeighbour\tUpNeighbour\tDownNeighbour\tLatinName\tPolishName"));
        for (int i = 0; i < ElementCount; ++i) {
            const TPierwData& e = rows[static_cast<size_t>(i)];
            QList<QByteArray> want;
            for (const std::string* s : {&e.Symbol,       &e.Name,         &e.Kind,           &e.State,
                                         &e.AtomicNumber, &e.AtomicMass,   &e.OxideCharacter, &e.Electronegativity,
                                         &e.Density,      &e.MeltingPoint, &e.BoilingPoint,   &e.IsotopeCount,
                                         &e.Discovered,   &e.AtomicRadius, &e.ShellK,         &e.ShellL,
                                         &e.ShellM,       &e.ShellN,       &e.ShellO,         &e.ShellP,
                                         &e.ShellQ})
                want << Escaped(*s);
            for (int32_t n : {e.LeftNeighbour, e.RightNeighbour, e.UpNeighbour, e.DownNeighbour})
                want << QByteArray::number(n);
            want << Escaped(e.LatinName) << Escaped(e.PolishName);
            QCOMPARE(lines[i + 1].split('\t'), want);
        }
        QVERIFY(lines[1].startsWith("H\tWodór\t")); // UTF-8 as stored
    }

    void versionPrintsOneFieldPerLine()
    {
        TDaneVersion v;
        GetVersion(&v);
        const Run r = Tool({"version"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, Escaped(v.Version) + '\n' + Escaped(v.ReleaseDate) + '\n' + Escaped(v.Credits) + '\n'
                            + Escaped(v.Description) + '\n');
        QCOMPARE(r.out.count('\n'), 4);
    }

    void unknownCommandExitsWithTwo()
    {
        const Run r = Tool({"frobnicate"});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("frobnicate"));
        QCOMPARE(Tool({}).code, 2);
    }

private:
    static std::vector<uint8_t> FullBlockStream()
    {
        BitWriter w;
        PutFullBlock(w, {Lit('o'), Lit('k'), Lit('!')});
        return w.Bytes();
    }
};

QTEST_GUILESS_MAIN(TestCodecTool)
#include "tst_tool.moc"

// Cross-checks with other lh5 implementations: Debian's lhasa extracts
// our encoder's streams, jlha's streams expand with our decoder, and
// gzip's lh5 reader agrees with ours on both.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include "builtin/codec/ExpandBuiltIn.h"
#include "tests/codec/Lh5TestKit.h"
#include "tools/lh5/Lh5Encoder.h"

using namespace kit;

namespace {

using Buf = std::vector<uint8_t>;

uint16_t Crc16(const Buf& d)
{
    uint16_t c = 0;
    for (uint8_t b : d) {
        c ^= b;
        for (int i = 0; i < 8; ++i)
            c = (c & 1) ? static_cast<uint16_t>((c >> 1) ^ 0xA001) : static_cast<uint16_t>(c >> 1);
    }
    return c;
}

void PutLe(Buf& b, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
uint32_t GetLe(const Buf& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= static_cast<uint32_t>(b[at + i]) << (8 * i);
    return v;
}

// The test files: the awkward kinds, generated from fixed seeds.
std::map<QString, Buf> Files()
{
    std::map<QString, Buf> f;
    f["empty"] = {};
    f["one"] = {'Z'};
    Buf rep;
    for (int i = 0; i < 100000; ++i)
        rep.push_back(static_cast<uint8_t>("abcabcabd"[i % 9]));
    f["repetitive"] = rep;
    Rng rng(2024);
    Buf rnd(70000);
    for (auto& b : rnd)
        b = static_cast<uint8_t>(rng.Next());
    f["random"] = rnd;
    // Nearly incompressible but not quite, so that jlha still picks lh5.
    Buf skew(70000);
    for (auto& b : skew)
        b = static_cast<uint8_t>(rng.Next() % 200);
    f["nearrandom"] = skew;
    Buf text; // more than 64 KiB of varied text with long repeats
    for (int i = 0; text.size() < 200000; ++i) {
        const std::string line = "Pierwiastek " + std::to_string(i % 111 + 1) + "\tmasa "
                                 + std::to_string((rng.Next() % 25000) / 100.0) + " u\r\n";
        text.insert(text.end(), line.begin(), line.end());
    }
    f["text"] = text;
    return f;
}

QByteArray Run(const QString& program, const QStringList& args, const QString& cwd, const QByteArray& in, int* code)
{
    QProcess p;
    p.setWorkingDirectory(cwd);
    p.start(program, args);
    p.write(in);
    p.closeWriteChannel();
    *code = -1;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    *code = p.exitCode();
    return p.readAllStandardOutput();
}

Buf ToBytes(const QByteArray& a) { return Buf(a.begin(), a.end()); }
QByteArray ToQt(const Buf& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

Buf Expand(const Buf& stream, uint32_t size)
{
    Buf out;
    if (DecodeBlock(Block(size, stream), out) != Lh5Status::Ok)
        return {0xEE, 0xEE};
    return out;
}

struct Entry {
    std::string method;
    QString name;
    uint32_t size;
    uint16_t crc;
    Buf data;
};

// Level-0 headers only: jlha is told to write them.
bool ParseLevel0(const Buf& a, std::vector<Entry>& entries)
{
    size_t at = 0;
    while (at < a.size() && a[at] != 0) {
        const size_t h = a[at];
        if (at + h + 2 > a.size() || h < 22 || a[at + 20] != 0)
            return false;
        Entry e;
        e.method.assign(a.begin() + static_cast<long>(at) + 2, a.begin() + static_cast<long>(at) + 7);
        const uint32_t packed = GetLe(a, at + 7, 4);
        e.size = GetLe(a, at + 11, 4);
        const size_t nameLen = a[at + 21];
        if (22 + nameLen + 2 > h + 2)
            return false;
        e.name = QString::fromLatin1(reinterpret_cast<const char*>(&a[at + 22]), static_cast<qsizetype>(nameLen));
        e.crc = static_cast<uint16_t>(GetLe(a, at + 22 + nameLen, 2));
        const size_t data = at + h + 2;
        if (data + packed > a.size())
            return false;
        e.data.assign(a.begin() + static_cast<long>(data), a.begin() + static_cast<long>(data + packed));
        entries.push_back(std::move(e));
        at = data + packed;
    }
    return at < a.size();
}

} // namespace

class TestCodecPeers : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::map<QString, Buf> m_files = Files();

    void Need(const char* path, const char* name)
    {
        if (QByteArray(path).isEmpty() || !QFile::exists(QString::fromUtf8(path)))
            QFAIL(qPrintable(QStringLiteral("%1 not found; tools/deps.sh test installs it").arg(name)));
    }

    // The gzip lh5 reader on a bare stream; it has no size and stops at
    // the zero block count that follows the stream's end.
    QByteArray Gzip(const Buf& stream)
    {
        QByteArray in("\x1f\xa0", 2);
        in += ToQt(stream);
        int code = 0;
        const QByteArray out = Run(QStringLiteral(GZIP), {"-dc"}, m_dir.path(), in, &code);
        if (code != 0)
            return "<gzip failed>";
        return out;
    }

private slots:
    void lhasaExtractsOurStreams()
    {
        Need(LHASA, "lhasa");
        Buf archive;
        for (const auto& [name, data] : m_files) {
            const Buf stream = lh5::Compress(data);
            const QByteArray n = name.toLatin1();
            Buf body{'-', 'l', 'h', '5', '-'};
            PutLe(body, static_cast<uint32_t>(stream.size()), 4);
            PutLe(body, static_cast<uint32_t>(data.size()), 4);
            PutLe(body, 0x50210000, 4); // 1 Jan 2020, 00:00
            body.push_back(0x20);       // archive attribute
            body.push_back(0);          // header level
            body.push_back(static_cast<uint8_t>(n.size()));
            body.insert(body.end(), n.begin(), n.end());
            PutLe(body, Crc16(data), 2);
            uint8_t sum = 0;
            for (uint8_t b : body)
                sum = static_cast<uint8_t>(sum + b);
            archive.push_back(static_cast<uint8_t>(body.size()));
            archive.push_back(sum);
            archive.insert(archive.end(), body.begin(), body.end());
            archive.insert(archive.end(), stream.begin(), stream.end());
        }
        archive.push_back(0);
        QFile f(m_dir.filePath("ours.lzh"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ToQt(archive));
        f.close();
        QVERIFY(QDir(m_dir.path()).mkpath("lhasa"));
        int code = 0;
        Run(QStringLiteral(LHASA), {"-xqfw=" + m_dir.filePath("lhasa"), m_dir.filePath("ours.lzh")}, m_dir.path(), {},
            &code);
        QCOMPARE(code, 0); // lhasa checks each file's CRC
        for (const auto& [name, data] : m_files) {
            QFile x(m_dir.filePath("lhasa/" + name));
            QVERIFY2(x.open(QIODevice::ReadOnly), qPrintable(name));
            QVERIFY2(x.readAll() == ToQt(data), qPrintable(name));
        }
    }

    void ourDecoderExpandsJlhaStreams()
    {
        Need(JLHA, "jlha");
        QVERIFY(QDir(m_dir.path()).mkpath("jlha"));
        const QString jdir = m_dir.filePath("jlha");
        QStringList names;
        for (const auto& [name, data] : m_files) {
            QFile f(jdir + "/" + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ToQt(data));
            names << name;
        }
        // c0: level-0 headers; o5: lh5. jlha exits 0 whatever happens, so
        // only the archive's content tells.
        int code = 0;
        Run(QStringLiteral(JLHA), QStringList{"c0o5", "j.lzh"} + names, jdir, {}, &code);
        QFile a(jdir + "/j.lzh");
        QVERIFY(a.open(QIODevice::ReadOnly));
        std::vector<Entry> entries;
        QVERIFY(ParseLevel0(ToBytes(a.readAll()), entries));
        QCOMPARE(entries.size(), m_files.size());
        QStringList lh5;
        for (const Entry& e : entries) {
            const Buf& want = m_files.at(e.name);
            QCOMPARE(e.size, static_cast<uint32_t>(want.size()));
            // jlha stores what does not shrink (-lh0-); those tell nothing
            // about the decoder.
            if (e.method == "-lh0-") {
                QVERIFY(e.data == want);
                continue;
            }
            QCOMPARE(QByteArray::fromStdString(e.method), QByteArray("-lh5-"));
            lh5 << e.name;
            const Buf ours = Expand(e.data, e.size);
            QVERIFY2(ours == want, qPrintable(e.name));
            QCOMPARE(Crc16(ours), e.crc);
            QVERIFY2(Gzip(e.data) == ToQt(want), qPrintable(e.name));
        }
        lh5.sort();
        QCOMPARE(lh5, QStringList({"nearrandom", "repetitive", "text"}));
    }

    void gzipAgreesOnOurStreams()
    {
        Need(GZIP, "gzip");
        for (const auto& [name, data] : m_files) {
            const Buf stream = lh5::Compress(data);
            const Buf ours = Expand(stream, static_cast<uint32_t>(data.size()));
            QVERIFY2(ours == data, qPrintable(name));
            QVERIFY2(Gzip(stream) == ToQt(ours), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestCodecPeers)
#include "tst_peers.moc"

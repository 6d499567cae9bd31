// zfktool chart and report as a user meets them on the command line: a PDF
// that cannot be written whole is an error that leaves the old file as it
// was, and the help.
#include "tests/FileSizeLimit.h"
#include "tests/print/PrintTestKit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace {

Run Tool(const QStringList& args) { return Exec(QStringLiteral(ZFKTOOL), args); }

QStringList Listing(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A small tmpfs mounted for one test, unmounted when it ends.
class SmallDisk {
public:
    explicit SmallDisk(const QString& dir)
        : m_dir(dir)
    {
        if (::geteuid() != 0) {
            m_why = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        QProcess p;
        p.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=48k", "tmpfs", dir});
        m_mounted = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!m_mounted)
            m_why = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(p.readAllStandardError());
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir});
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    QString Why() const { return m_why; }

private:
    QString m_dir;
    bool m_mounted = false;
    QString m_why;
};

enum class Target { Device, Directory, SizeLimit, LinkUnderSizeLimit, FullDisk };

} // namespace

Q_DECLARE_METATYPE(Target)

class TestZfktoolCli : public QObject {
    Q_OBJECT
private slots:
    void failedWriteIsReportedAndKeepsTheOldFile_data();
    void failedWriteIsReportedAndKeepsTheOldFile();
    void helpListsEveryOption_data();
    void helpListsEveryOption();
};

void TestZfktoolCli::failedWriteIsReportedAndKeepsTheOldFile_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("reason");
    const QList<std::pair<const char*, QStringList>> commands = {
        {"chart", {"chart", "--items", "0,3,12"}},
        {"report", {"report", "--elements", "all"}},
    };
    for (const auto& [name, command] : commands) {
        const auto row = [&](const char* what) -> QTestData& { return QTest::addRow("%s, %s", name, what) << command; };
        row("/dev/full") << Target::Device << QStringLiteral("No space left on device");
        row("a directory") << Target::Directory << QStringLiteral("Is a directory");
        row("file size limit") << Target::SizeLimit << QStringLiteral("File too large");
        row("link, file size limit") << Target::LinkUnderSizeLimit << QStringLiteral("File too large");
        row("48 KiB tmpfs") << Target::FullDisk << QStringLiteral("No space left on device");
    }
}

// One line naming the path as given and the reason, exit 2, the old file
// byte for byte, and nothing new beside it.
void TestZfktoolCli::failedWriteIsReportedAndKeepsTheOldFile()
{
    QFETCH(QStringList, command);
    QFETCH(Target, target);
    QFETCH(QString, reason);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkdir(dir));
    std::optional<SmallDisk> disk;
    if (target == Target::FullDisk) {
        disk.emplace(dir);
        if (!disk->Mounted())
            QSKIP(qPrintable(disk->Why()));
    }

    // A good file filling most of the small disk: a PDF fits beside it only
    // if the old one goes first.
    QByteArray old(40 * 1024, '\0');
    for (qsizetype i = 0; i < old.size(); ++i)
        old[i] = static_cast<char>(i * 7 % 251);
    const QString file = dir + QStringLiteral("/old.pdf");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(old), old.size());
    f.close();
    QString out = file;
    if (target == Target::Device)
        out = QStringLiteral("/dev/full");
    if (target == Target::Directory) {
        out = dir + QStringLiteral("/folder.pdf");
        QVERIFY(QDir().mkdir(out));
    }
    if (target == Target::LinkUnderSizeLimit) {
        out = dir + QStringLiteral("/link.pdf");
        QVERIFY(QFile::link(QStringLiteral("old.pdf"), out));
    }
    const QStringList before = Listing(dir);

    Run r;
    {
        std::optional<FileSizeLimit> limit;
        if (target == Target::SizeLimit || target == Target::LinkUnderSizeLimit) {
            limit.emplace(4096);
            QVERIFY(limit->Applied());
        }
        r = Tool(command + QStringList{"--out", out});
    }
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.count('\n') == 1 && r.err.endsWith('\n'), r.err.constData());
    QVERIFY2(r.err.contains(" " + out.toLocal8Bit() + ": " + reason.toLocal8Bit()), r.err.constData());
    QCOMPARE(Listing(dir), before);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll() == old);
    if (target == Target::Directory)
        QCOMPARE(Listing(out), QStringList());
    if (target == Target::LinkUnderSizeLimit)
        QCOMPARE(QFileInfo(out).symLinkTarget(), file);
}

void TestZfktoolCli::helpListsEveryOption_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lists"); // each at the start of a line
    QTest::newRow("zfktool --help") << QStringList{"--help"}
                                    << QStringList{"usage: zfktool COMMAND", "  chart --out", "  report --out"};
    QTest::newRow("chart --help") << QStringList{"chart", "--help"}
                                  << QStringList{"usage: zfktool chart",
                                                 "  --out FILE.pdf|.svg|.png",
                                                 "  --scale E",
                                                 "  --items I1,I2,I3",
                                                 "  --info-line TEXT",
                                                 "  --latin",
                                                 "  --dpi N"};
    QTest::newRow("report --help") << QStringList{"report", "--help"}
                                   << QStringList{"usage: zfktool report", "  --out FILE.pdf", "  --elements LIST",
                                                  "  --size N", "  --landscape"};
    QTest::newRow("report -h after an option")
        << QStringList{"report", "--size", "9", "-h"} << QStringList{"usage: zfktool report", "  --elements LIST"};
}

// The help on stdout, exit 0, one line for each option.
void TestZfktoolCli::helpListsEveryOption()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lists);
    const Run r = Tool(args);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QByteArray());
    const QStringList lines = QString::fromLocal8Bit(r.out).split(u'\n');
    for (const QString& start : lists) {
        const auto found =
            std::count_if(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(start); });
        QVERIFY2(found == 1, qPrintable(start));
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestZfktoolCli test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zfktoolcli.moc"

// The bounded read of a regular file, and the save that never writes through
// a link into a device: against the things a user's file can turn into.
#include "platform/RegularFile.h"
#include "platform/SaveFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

using Status = RegularFileRead::Status;

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Makes what a row names at path: a file of that content, or something else.
void Make(const QString& what, const QString& path)
{
    if (what == QLatin1String("nothing"))
        return;
    if (what == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (what == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (what.startsWith(QLatin1String("link to ")))
        QVERIFY(QFile::link(what.mid(8), path));
    else
        WriteAll(path, what.toUtf8());
}

} // namespace

class TestRegularFile : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyRegularFilesWithinTheBound_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("kind");
        const int read = int(Status::Read), regular = int(FileKind::Regular), other = int(FileKind::Other);
        QTest::newRow("regular") << "12345678" << read << regular;
        QTest::newRow("empty") << "" << read << regular;
        QTest::newRow("one byte too many") << "123456789" << int(Status::TooLarge) << regular;
        QTest::newRow("missing") << "nothing" << int(Status::Missing) << int(FileKind::Missing);
        QTest::newRow("link leading nowhere")
            << "link to /nonexistent/x" << int(Status::Missing) << int(FileKind::Missing);
        QTest::newRow("folder") << "folder" << int(Status::NotRegular) << other;
        QTest::newRow("pipe") << "pipe" << int(Status::NotRegular) << other;
        QTest::newRow("link to /dev/zero") << "link to /dev/zero" << int(Status::NotRegular) << other;
        QTest::newRow("link to /dev/full") << "link to /dev/full" << int(Status::NotRegular) << other;
        // A regular file whose first byte cannot be read, root or not.
        QTest::newRow("unreadable") << "link to /proc/self/mem" << int(Status::Unreadable) << regular;
    }
    void readsOnlyRegularFilesWithinTheBound()
    {
        QFETCH(QString, what);
        QFETCH(int, status);
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plik"));
        Make(what, path);
        QCOMPARE(int(KindOfFile(path)), kind);
        const RegularFileRead got = ReadRegularFile(path, 8);
        QCOMPARE(int(got.status), status);
        if (got.status == Status::Read)
            QCOMPARE(got.bytes, what.toUtf8());
        else
            QVERIFY(got.bytes.isEmpty());
        QCOMPARE(got.reason.isEmpty(), got.status != Status::Unreadable);

        // The open for a streaming reader refuses the same things; a file
        // that opens but cannot be read fails later, at its reader.
        QFile opened;
        const Status open = OpenRegularFile(path, 8, opened);
        QCOMPARE(opened.isOpen(), open == Status::Read);
        if (got.status != Status::Unreadable)
            QCOMPARE(int(open), status);
        if (got.status == Status::Read)
            QCOMPARE(opened.readAll(), what.toUtf8());
    }

    void linkToARegularFileIsReadThrough()
    {
        QTemporaryDir dir;
        WriteAll(dir.filePath(QStringLiteral("cel")), "treść");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("cel")), dir.filePath(QStringLiteral("plik"))));
        QCOMPARE(ReadRegularFile(dir.filePath(QStringLiteral("plik")), 100).bytes, QByteArray("treść"));
    }

    // Set aside whole (the link itself, not what it leads to), replacing
    // an older file or empty folder there; never into a full folder.
    void setAsideMovesTheThingItself_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("before"); // what is at the aside path already
        QTest::addColumn<bool>("moved");
        QTest::newRow("link over a file") << "link to /dev/zero"
                                          << "stare" << true;
        QTest::newRow("pipe") << "pipe"
                              << "nothing" << true;
        QTest::newRow("folder over an empty folder") << "folder"
                                                     << "folder" << true;
        QTest::newRow("file over an empty folder") << "treść"
                                                   << "folder" << true;
        QTest::newRow("file over a full folder") << "treść"
                                                 << "full" << false;
    }
    void setAsideMovesTheThingItself()
    {
        QFETCH(QString, what);
        QFETCH(QString, before);
        QFETCH(bool, moved);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plik"));
        const QString aside = path + QStringLiteral(".bad");
        Make(what, path);
        if (before == QLatin1String("full"))
            QVERIFY(QDir().mkpath(aside + QStringLiteral("/w środku")));
        else
            Make(before, aside);
        struct stat original {};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &original), 0);

        const QString why = SetAside(path, aside);
        QCOMPARE(why.isEmpty(), moved);
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(moved ? aside : path).constData(), &st), 0);
        QCOMPARE(st.st_ino, original.st_ino);
        QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), !moved);
    }

    // The save replaces a regular file, or one a link leads to; never a
    // device, a pipe or a folder, which stay as they were.
    void saveWritesOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing there") << "nothing" << true;
        QTest::newRow("regular") << "stare" << true;
        QTest::newRow("link to /dev/null") << "link to /dev/null" << false;
        QTest::newRow("link to /dev/full") << "link to /dev/full" << false;
        QTest::newRow("pipe") << "pipe" << false;
        QTest::newRow("folder") << "folder" << false;
    }
    void saveWritesOnlyRegularFiles()
    {
        QFETCH(QString, what);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plik"));
        Make(what, path);
        const QString before = QFileInfo(path).symLinkTarget();
        QCOMPARE(SaveWhole(path, "nowe").isEmpty(), written);
        if (written)
            QCOMPARE(ReadRegularFile(path, 100).bytes, QByteArray("nowe"));
        else
            QCOMPARE(QFileInfo(path).symLinkTarget(), before);
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("plik")});
    }
};

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"

// Which copies of the program count as installed, and where an installed
// copy keeps its skin files: never beside itself, even where it could write.
#include "platform/QtPlatform.h"
#include "settings/Skin.h"
#include "tests/app/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void Touch(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestInstalledCopy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The folder names come from the build: the install rule's library
    // folder and the file the program binds.
    void aCopyIsInstalledWhenItsLibraryLiesInTheLibraryFolderOnly_data()
    {
        const QString installed = QStringLiteral("prefix/" ZFK_LIB_FOLDER "/" DANE_FILE);
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("expected");
        QTest::newRow("installed prefix") << QStringList{"prefix/bin/pertab", installed} << true;
        QTest::newRow("build folder") << QStringList{"prefix/bin/pertab", "prefix/bin/" DANE_FILE,
                                                     "prefix/bin/libDane.so"}
                                      << false;
        // The loader takes the library beside the program first.
        QTest::newRow("copy beside an installed library")
            << QStringList{"prefix/bin/pertab", "prefix/bin/" DANE_FILE, installed} << false;
        QTest::newRow("no library") << QStringList{"prefix/bin/pertab"} << false;
        QTest::newRow("an older, unversioned library")
            << QStringList{"prefix/bin/pertab", "prefix/" ZFK_LIB_FOLDER "/libDane.so"} << false;
    }
    void aCopyIsInstalledWhenItsLibraryLiesInTheLibraryFolderOnly()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, expected);
        QTemporaryDir dir;
        for (const QString& f : files)
            Touch(dir.filePath(f));
        QCOMPARE(InstalledLayout(dir.filePath("prefix/bin")), expected);
    }

    void anInstalledCopyKeepsItsSkinInTheUserFolderEvenWhereItCouldWriteItsOwn()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("bin");
        QVERIFY(QDir().mkpath(program));
        QVERIFY(FolderWritable(program));
        const QString user = dir.filePath("home/.local/share/Morvane/Zefirak");
        QCOMPARE(ChooseSkinFolder(program, user, true), user);
        QVERIFY(QDir(user).exists());

        // A user folder that cannot be made is still no reason to write
        // under the prefix: the writes fail there and are reported.
        Touch(dir.filePath("plain"));
        QCOMPARE(ChooseSkinFolder(program, dir.filePath("plain/user"), true), dir.filePath("plain/user"));

        // The program asks its path service.
        TempProgramFolder paths;
        paths.installed = true;
        QCOMPARE(RefreshSkinFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY(!SkinFilePath(skinfile::Background).startsWith(paths.ProgramFolder()));
    }
};

QTEST_GUILESS_MAIN(TestInstalledCopy)
#include "tst_installedcopy.moc"

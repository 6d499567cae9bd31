// The settings store: what ReadReg puts into the controls and values, what
// WriteReg leaves in the file, and the file's safety.
#include "data/Cp1250.h"
#include "data/SettingsValues.h"
#include "platform/Platform.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsStore.h"
#include "settings/Skin.h"
#include "tests/FileSizeLimit.h"
#include "tests/app/TempProgramFolder.h"
#include "widgets/Look.h"

#include <QProcess>
#include <QtTest>

#include <optional>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Settings whose every value shows whether the store touched it.
PrintSettings Untouched()
{
    PrintSettings s;
    s.report.fontName = s.table.fontName = QStringLiteral("unset");
    s.report.size = s.table.symbolSize = s.table.dataSize = s.table.scale = s.table.fieldSize = -2;
    s.table.fieldBold = false;
    s.table.fieldLines = {QStringLiteral("unset")};
    return s;
}

struct FakeWindow final : MainWindowLink {
    QStringList calls;
    void SetLatin(bool latin) override { calls += QStringLiteral("SetLatin %1").arg(latin); }
    void loadskin(const QString& name, TColor transparent) override
    {
        calls += QStringLiteral("loadskin %1 %2").arg(name).arg(transparent);
        SkinName = QStringLiteral("default"); // as the real one does
    }
    void RepaintWindow() override {}
};

const QByteArray Head = "Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak]\r\n";

// Every value WriteReg writes, in its order.
const QStringList WrittenNames = {"Raport_Czcionka_Nazwa",
                                  "Raport_Czcionka_Rozmiar",
                                  "Układ_Czcionka_Nazwa",
                                  "Układ_Czcionka_Symbol_Rozmiar",
                                  "Układ_Czcionka_Dane_Rozmiar",
                                  "Układ_Skala",
                                  "Układ_Czcionka_Pole_Rozmiar",
                                  "Układ_Czcionka_Pole_Pogrubiony",
                                  "Układ_Pole_LinesCount",
                                  "Układ_Pole_Line0",
                                  "Układ_Pole_Line1",
                                  "Układ_Skóra_Plik",
                                  "Układ_Skóra_Edytor",
                                  "Układ_Wydruk_Warn1",
                                  "Układ_Wydruk_Warn2",
                                  "Układ_Dane_Latin",
                                  "Wersja",
                                  "!!!UWAGA!!!"};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

RegistryText KeyIn(const QString& path) { return RegistryText::Parse(ReadAll(path), SettingsKeyName).store; }

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Warn1 = Warn2 = true;
        LatinNames = false;
        SkinEditor.clear();
        SkinName = QStringLiteral("default");
    }

    void readReg_data();
    void readReg();
    void writeFieldLinesPrunesTheRunAfterTheLast_data();
    void writeFieldLinesPrunesTheRunAfterTheLast();
    void writeThenReadGivesBackEveryValue();
    void damagedFileIsReadAsFarAsItGoesAndKeptAsBad_data();
    void damagedFileIsReadAsFarAsItGoesAndKeptAsBad();
    void notAFileIsReadAsDamagedAndMovedAside_data();
    void notAFileIsReadAsDamagedAndMovedAside();
    void windows1250ExportIsReadAndWrittenBackInUtf8();
    void failedWriteKeepsThePreviousFile_data();
    void failedWriteKeepsThePreviousFile();
    void killedBeforeTheCommitKeepsThePreviousFile();
};

// Each row: the file (empty: none), then what the controls and values hold.
// "defaults" rows expect the defaults whatever else the file says.
void TestSettingsStore::readReg_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("defaults");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("latin");

    const QStringList none;
    QTest::newRow("no file") << QByteArray() << true << DefaultInfoLines() << false;
    QTest::newRow("another version") << Head
                                            + "\"Wersja\"=\"2.5.0\"\r\n\"Układ_Dane_Latin\"=dword:00000001\r\n"
                                              "\"Raport_Czcionka_Nazwa\"=\"Courier\"\r\n"
                                     << true << DefaultInfoLines() << false;
    QTest::newRow("version with other case") << Head + "\"Wersja\"=\"2.5.1.free\"\r\n"
                                             << true << DefaultInfoLines() << false;
    QTest::newRow("no version") << Head
                                       + "\"Układ_Dane_Latin\"=dword:00000001\r\n"
                                         "\"Raport_Czcionka_Nazwa\"=\"Courier\"\r\n"
                                << false << none << true;
    QTest::newRow("version as a number read normally")
        << Head + "\"Wersja\"=dword:00000002\r\n\"Układ_Dane_Latin\"=dword:00000007\r\n"
        << false << none << true;
    QTest::newRow("lines count as a string")
        << Head + "\"Układ_Pole_LinesCount\"=\"1\"\r\n\"Układ_Pole_Line0\"=\"a\"\r\n"
        << false << none << false;
    QTest::newRow("line 2 of 4 missing") << Head
                                                + "\"Układ_Pole_LinesCount\"=dword:00000003\r\n"
                                                  "\"Układ_Pole_Line0\"=\"a\"\r\n\"Układ_Pole_Line1\"=\"b\"\r\n"
                                                  "\"Układ_Pole_Line3\"=\"d\"\r\n"
                                         << false << QStringList{"a", "b", "", "d"} << false;
    QTest::newRow("latin as a string") << Head + "\"Układ_Dane_Latin\"=\"1\"\r\n" << false << none << false;
    QStringList thousand(MaxFieldLines);
    thousand[0] = QStringLiteral("a");
    QTest::newRow("absurd lines count")
        << Head + "\"Układ_Pole_LinesCount\"=dword:7fffffff\r\n\"Układ_Pole_Line0\"=\"a\"\r\n"
        << false << thousand << false;
}

void TestSettingsStore::readReg()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, defaults);
    QFETCH(QStringList, lines);
    QFETCH(bool, latin);
    TempProgramFolder paths;
    const QString path = paths.SettingsFile();
    if (!file.isEmpty())
        WriteAll(path, file);
    Warn1 = Warn2 = false;
    LatinNames = false;
    SkinEditor = QStringLiteral("kept");
    PrintSettings homes = Untouched();
    FakeWindow window;

    ReadReg(path, homes, window);

    QCOMPARE(homes.table.fieldLines, lines);
    QCOMPARE(LatinNames, latin);
    QCOMPARE(window.calls.constLast(), QStringLiteral("SetLatin %1").arg(latin));
    QCOMPARE(window.calls.size(), 2); // the skin once, the names last
    if (defaults) {
        QCOMPARE(window.calls[0], QStringLiteral("loadskin default 16777215"));
        QCOMPARE(homes.report, (ReportPrintSettings{DesignFont(), 12}));
        QCOMPARE(homes.table.fontName, DesignFont());
        const QList<int> sizes{homes.table.symbolSize, homes.table.dataSize, homes.table.scale, homes.table.fieldSize};
        QCOMPARE(sizes, (QList<int>{16, 7, 10, 8}));
        QVERIFY(homes.table.fieldBold && Warn1 && Warn2);
        QCOMPARE(SkinEditor, QStringLiteral("kept"));
    } else {
        // What the file lacks reads as nothing selected, empty, false.
        QVERIFY(homes.report.fontName != DesignFont());
        QCOMPARE(homes.table.fontName, QString());
        QCOMPARE(homes.table.scale, 0);
        QVERIFY(!homes.table.fieldBold && !Warn1 && !Warn2);
        QCOMPARE(SkinEditor, QString());
        QVERIFY(window.calls[0].startsWith(QStringLiteral("loadskin  ")));
    }
    QCOMPARE(SkinName, QStringLiteral("default"));
}

void TestSettingsStore::writeFieldLinesPrunesTheRunAfterTheLast_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("left"); // the line values left after writing

    QTest::newRow("5 to 2, stray 6 behind a missing 5")
        << QStringList{"x", "y"} << QStringList{"Układ_Pole_Line0", "Układ_Pole_Line1", "Układ_Pole_Line6"};
    QTest::newRow("empty field") << QStringList{} << QStringList{"Układ_Pole_Line6"};
}

void TestSettingsStore::writeFieldLinesPrunesTheRunAfterTheLast()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, left);
    RegistryText key(SettingsKeyName);
    for (int i : {0, 1, 2, 3, 4, 6})
        key.WriteString(QStringLiteral("Układ_Pole_Line%1").arg(i), QStringLiteral("old"));

    WriteFieldLines(key, lines);

    QCOMPARE(ReadRegInteger(key, QStringLiteral("Układ_Pole_LinesCount")), int(lines.size()) - 1);
    QStringList lineValues = key.ValueNames().filter(QRegularExpression(QStringLiteral("^Układ_Pole_Line\\d")));
    lineValues.sort();
    QCOMPARE(lineValues, left);
    QCOMPARE(ReadFieldLines(key), lines);
}

void TestSettingsStore::writeThenReadGivesBackEveryValue()
{
    TempProgramFolder paths;
    const QString path = paths.SettingsFile();
    PrintSettings out;
    out.report = {QStringLiteral("Czcionka \"cudzysłów\" \\ukośnik\\"), 25};
    // Sizes at both ends of their lists, and none.
    out.table = {QString(), 0, 1, 1, 22, true, {QStringLiteral("Zażółć gęślą jaźń"), QString()}};
    SkinEditor = QStringLiteral("C:\\edytor\\\"x\".exe");
    Warn1 = false;
    Warn2 = true;
    LatinNames = true;

    QCOMPARE(WriteReg(path, out), QStringList());
    QCOMPARE(KeyIn(path).ValueNames(), WrittenNames);
    QVERIFY(!RegistryText::Parse(ReadAll(path), SettingsKeyName).damaged);
    QCOMPARE(ReadRegString(KeyIn(path), QStringLiteral("Wersja")), QStringLiteral("2.5.1.FREE"));
    // The file keeps list rows, as other versions read them: scale 1 is row 19.
    QCOMPARE(ReadRegInteger(KeyIn(path), QStringLiteral("Układ_Skala")), 19);

    PrintSettings in = Untouched();
    FakeWindow window;
    const bool warn1 = Warn1, warn2 = Warn2;
    Warn1 = Warn2 = !warn1;
    LatinNames = false;
    SkinEditor.clear();
    ReadReg(path, in, window);
    QCOMPARE(in.report, out.report);
    QCOMPARE(in.table.fieldLines, out.table.fieldLines);
    QCOMPARE(in.table, out.table);
    QCOMPARE(SkinEditor, QStringLiteral("C:\\edytor\\\"x\".exe"));
    QCOMPARE(Warn1, warn1);
    QCOMPARE(Warn2, warn2);
    QCOMPARE(window.calls.constLast(), QStringLiteral("SetLatin 1"));
}

void TestSettingsStore::damagedFileIsReadAsFarAsItGoesAndKeptAsBad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("latin"); // read from what is left

    QTest::newRow("truncated") << Head + "\"Układ_Dane_Latin\"=dword:00000001\r\n\"Wersja\"=\"2.5" << true;
    QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18) << false;
    QTest::newRow("huge") << QByteArray(MaxSettingsFileSize + 1, ' ') << false;
}

void TestSettingsStore::damagedFileIsReadAsFarAsItGoesAndKeptAsBad()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, latin);
    TempProgramFolder paths;
    const QString path = paths.SettingsFile();
    WriteAll(path, file);
    PrintSettings homes = Untouched();
    FakeWindow window;
    Warn1 = false;
    ReadReg(path, homes, window);
    QCOMPARE(LatinNames, latin);
    // What the damage took keeps its default instead of reading as none.
    QCOMPARE(homes.table.scale, 10);
    QCOMPARE(homes.table.fieldLines, DefaultInfoLines());
    QVERIFY(Warn1);

    QCOMPARE(WriteReg(path, homes), QStringList());
    QVERIFY(ReadAll(path + QStringLiteral(".bad")) == file);
    QVERIFY(!RegistryText::Parse(ReadAll(path), SettingsKeyName).damaged);
    QCOMPARE(ReadRegBool(KeyIn(path), QStringLiteral("Układ_Dane_Latin")), latin);
}

// Something other than a regular file in the file's place: read as nothing
// (and at once, a pipe included), then moved aside whole, not followed, and
// a regular file written in its place.
void TestSettingsStore::notAFileIsReadAsDamagedAndMovedAside_data()
{
    QTest::addColumn<QString>("link"); // empty: not a link
    QTest::addColumn<QString>("made");
    QTest::newRow("link to /dev/zero") << "/dev/zero"
                                       << "";
    QTest::newRow("link to /dev/full") << "/dev/full"
                                       << "";
    QTest::newRow("pipe") << ""
                          << "pipe";
    QTest::newRow("folder") << ""
                            << "folder";
}

void TestSettingsStore::notAFileIsReadAsDamagedAndMovedAside()
{
    QFETCH(QString, link);
    QFETCH(QString, made);
    TempProgramFolder paths;
    const QString path = paths.SettingsFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (!link.isEmpty())
        QVERIFY(QFile::link(link, path));
    else if (made == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkdir(path));

    PrintSettings homes = Untouched();
    FakeWindow window;
    LatinNames = true;
    ReadReg(path, homes, window);
    QCOMPARE(homes.table.fieldLines, DefaultInfoLines()); // the defaults
    QCOMPARE(window.calls.constLast(), QStringLiteral("SetLatin 1"));

    QCOMPARE(WriteReg(path, homes), QStringList());
    const QFileInfo aside(path + QStringLiteral(".bad"));
    QCOMPARE(aside.symLinkTarget(), link);
    QCOMPARE(aside.isDir(), made == QLatin1String("folder"));
    QVERIFY(aside.exists());
    QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
    QVERIFY(!RegistryText::Parse(ReadAll(path), SettingsKeyName).damaged);
    QCOMPARE(ReadRegString(KeyIn(path), QStringLiteral("Wersja")), SettingsVersion);
}

// An export from a Polish Windows: REGEDIT4 in Windows-1250. Its values
// are read, and the file written back is UTF-8 with the names intact.
void TestSettingsStore::windows1250ExportIsReadAndWrittenBackInUtf8()
{
    TempProgramFolder paths;
    const QString path = paths.SettingsFile();
    const QString text = QStringLiteral("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak]\r\n"
                                        "\"Wersja\"=\"2.5.1.FREE\"\r\n"
                                        "\"Układ_Dane_Latin\"=dword:00000001\r\n"
                                        "\"Układ_Skóra_Edytor\"=\"C:\\\\Program Files\\\\Żółw\\\\edytor.exe\"\r\n"
                                        "\"Układ_Pole_LinesCount\"=dword:00000000\r\n"
                                        "\"Układ_Pole_Line0\"=\"Gęstość: ó\"\r\n"
                                        "\"Układ_Skala\"=dword:00000013\r\n\r\n");
    const QByteArray ansi = ToCp1250(text);
    QCOMPARE(FromCp1250(ansi), text); // every character has its code
    WriteAll(path, ansi);

    PrintSettings homes = Untouched();
    FakeWindow window;
    ReadReg(path, homes, window);
    QVERIFY(LatinNames);
    QCOMPARE(SkinEditor, QStringLiteral("C:\\Program Files\\Żółw\\edytor.exe"));
    QCOMPARE(homes.table.fieldLines, QStringList{QStringLiteral("Gęstość: ó")});
    QCOMPARE(homes.table.scale, 1);

    QCOMPARE(WriteReg(path, homes), QStringList());
    QVERIFY(!QFile::exists(path + QStringLiteral(".bad"))); // read whole: nothing was damaged
    const QByteArray written = ReadAll(path);
    QVERIFY(!QString::fromUtf8(written).contains(QChar::ReplacementCharacter));
    QVERIFY(!RegistryText::Parse(written, SettingsKeyName).damaged);
    // The file's own names where they were, the others after them: no
    // second spelling of any.
    QCOMPARE(KeyIn(path).ValueNames(),
             (QStringList{"Wersja", "Układ_Dane_Latin", "Układ_Skóra_Edytor", "Układ_Pole_LinesCount",
                          "Układ_Pole_Line0", "Układ_Skala", "Raport_Czcionka_Nazwa", "Raport_Czcionka_Rozmiar",
                          "Układ_Czcionka_Nazwa", "Układ_Czcionka_Symbol_Rozmiar", "Układ_Czcionka_Dane_Rozmiar",
                          "Układ_Czcionka_Pole_Rozmiar", "Układ_Czcionka_Pole_Pogrubiony", "Układ_Skóra_Plik",
                          "Układ_Wydruk_Warn1", "Układ_Wydruk_Warn2", "!!!UWAGA!!!"}));
    QCOMPARE(ReadRegString(KeyIn(path), QStringLiteral("Układ_Pole_Line0")), QStringLiteral("Gęstość: ó"));
}

// Each row makes the new file impossible to write; the old one must stay
// and the reason reach the caller.
void TestSettingsStore::failedWriteKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder is a file") << "folder";
    QTest::newRow("disk full part way") << "limit";
}

void TestSettingsStore::failedWriteKeepsThePreviousFile()
{
    QFETCH(QString, how);
    TempProgramFolder paths;
    QString path = paths.SettingsFile();
    const QByteArray old = Head + "\"Wersja\"=\"2.5.1.FREE\"\r\n";
    if (how == QLatin1String("folder")) {
        // Not writable even for root: a file where the folder should be.
        WriteAll(paths.dir.filePath(QStringLiteral("plik")), old);
        path = paths.dir.filePath(QStringLiteral("plik/Morvane/Zefirak.reg"));
    } else {
        WriteAll(path, old);
    }
    PrintSettings homes;
    homes.table.fieldLines = QStringList(50, QStringLiteral("długi wiersz pola informacyjnego"));

    std::optional<FileSizeLimit> limit;
    if (how == QLatin1String("limit")) {
        limit.emplace(512);
        QVERIFY(limit->Applied());
    }
    const QStringList problems = WriteReg(path, homes);
    limit.reset();

    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems[0].startsWith(QStringLiteral("Nie można zapisać ustawień programu w pliku:\r\n")),
             qPrintable(problems[0]));
    QVERIFY(problems[0].contains(QDir::toNativeSeparators(path)));
    if (how == QLatin1String("folder"))
        QCOMPARE(ReadAll(paths.dir.filePath(QStringLiteral("plik"))), old);
    else
        QCOMPARE(ReadAll(path), old);
}

// A child process writes the store and is killed by SIGKILL the moment it
// commits (a preloaded rename() kills it): the old file must be whole.
void TestSettingsStore::killedBeforeTheCommitKeepsThePreviousFile()
{
    TempProgramFolder paths;
    const QString path = paths.SettingsFile();
    const QByteArray old = Head + "\"Wersja\"=\"2.5.1.FREE\"\r\n\"Układ_Dane_Latin\"=dword:00000001\r\n";
    WriteAll(path, old);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ZFK_KILL_AT_RENAME));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(ZFK_STORE_WRITER), {path});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    QCOMPARE(ReadAll(path), old);
    // It died with the new text written whole beside the old file.
    const QStringList temps = QFileInfo(path).dir().entryList({QStringLiteral("Zefirak.reg.*")}, QDir::Files);
    QCOMPARE(temps.size(), 1);
    const QByteArray written = ReadAll(QFileInfo(path).dir().filePath(temps[0]));
    QVERIFY(written.contains("\"!!!UWAGA!!!\"") && written.endsWith("\r\n\r\n"));
    // The same child without the kill does replace it.
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    child.start(QStringLiteral(ZFK_STORE_WRITER), {path});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    QStringList names = KeyIn(path).ValueNames(), expected = WrittenNames.mid(0, 9) + WrittenNames.mid(11);
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"

// The settings store's key in memory and its registry export text.
#include "settings/RegistryText.h"

#include <QtTest>

namespace {

const QString Key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak");

QByteArray Text(const char* body)
{
    return QByteArray(
               "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak]\r\n")
           + body;
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void exportTextIsExactlyTheRegistryEditorsText();
    void writtenTextReadsBackTheSame_data();
    void writtenTextReadsBackTheSame();
    void handWrittenTextIsRead_data();
    void handWrittenTextIsRead();
    void damagedTextKeepsWhatIsReadable_data();
    void damagedTextKeepsWhatIsReadable();
    void readsOfTheWrongTypeFindNothing();
    void namesKeepTheirOrderAndFirstSpelling();
};

void TestRegistry::exportTextIsExactlyTheRegistryEditorsText()
{
    RegistryText store(Key);
    store.WriteString(QStringLiteral("Wersja"), QStringLiteral("2.5.1.FREE"));
    store.WriteInteger(QStringLiteral("Układ_Pole_LinesCount"), 13);
    store.WriteString(QStringLiteral("a\"b\\c"), QStringLiteral("x\\\"y"));
    QCOMPARE(store.ToText(), QByteArray("Windows Registry Editor Version 5.00\r\n"
                                        "\r\n"
                                        "[HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak]\r\n"
                                        "\"Wersja\"=\"2.5.1.FREE\"\r\n"
                                        "\"Uk\xC5\x82"
                                        "ad_Pole_LinesCount\"=dword:0000000d\r\n"
                                        "\"a\\\"b\\\\c\"=\"x\\\\\\\"y\"\r\n"
                                        "\r\n"));
}

void TestRegistry::writtenTextReadsBackTheSame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value"); // QString or uint

    QTest::newRow("plain") << "Wersja" << QVariant(QStringLiteral("2.5.1.FREE"));
    QTest::newRow("quotes") << "Tytuł" << QVariant(QStringLiteral("\"Układ\" \"okresowy\""));
    QTest::newRow("backslashes") << "Ścieżka" << QVariant(QStringLiteral("C:\\Program Files\\Zefirak\\"));
    QTest::newRow("quote at end") << "Q" << QVariant(QStringLiteral("ends in \\\""));
    QTest::newRow("polish") << "Zażółć" << QVariant(QStringLiteral("gęślą jaźń ĄĆĘŁŃÓŚŹŻ"));
    QTest::newRow("empty") << "Pusty" << QVariant(QString(""));
    QTest::newRow("line breaks") << "Pole" << QVariant(QStringLiteral("a\r\nb\n"));
    QTest::newRow("name escaped") << "\"a\\b\"" << QVariant(QStringLiteral("v"));
    QTest::newRow("dword 0") << "Zero" << QVariant(0u);
    QTest::newRow("dword 13") << "Układ_Pole_LinesCount" << QVariant(13u);
    QTest::newRow("dword max") << "Max" << QVariant(0xFFFFFFFFu);
}

void TestRegistry::writtenTextReadsBackTheSame()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    const bool isString = value.typeId() == QMetaType::QString;

    RegistryText store(Key);
    store.WriteInteger(QStringLiteral("Przed"), 7);
    if (isString)
        store.WriteString(name, value.toString());
    else
        store.WriteInteger(name, value.toUInt());
    store.WriteString(QStringLiteral("Po"), QStringLiteral("po"));

    RegistryText::Parsed back = RegistryText::Parse(store.ToText(), Key);
    QVERIFY(!back.damaged);
    QCOMPARE(back.store.ValueNames(), QStringList({"Przed", name, "Po"}));
    if (isString)
        QCOMPARE(back.store.ReadString(name), std::optional<QString>(value.toString()));
    else
        QCOMPARE(back.store.ReadInteger(name), std::optional<quint32>(value.toUInt()));
    QCOMPARE(back.store.ReadInteger(QStringLiteral("Przed")), std::optional<quint32>(7));
    QCOMPARE(back.store.ReadString(QStringLiteral("Po")), std::optional<QString>(QStringLiteral("po")));
}

// Each text holds "A" = "jeden" and "B" = 2 and nothing else.
void TestRegistry::handWrittenTextIsRead_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("LF") << QByteArray("Windows Registry Editor Version 5.00\n\n"
                                      "[HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak]\n"
                                      "\"A\"=\"jeden\"\n\"B\"=dword:00000002\n");
    QTest::newRow("CRLF, no final line end") << Text("\"A\"=\"jeden\"\r\n\"B\"=dword:00000002");
    QTest::newRow("BOM") << "\xEF\xBB\xBF" + Text("\"A\"=\"jeden\"\r\n\"B\"=dword:00000002\r\n");
    QTest::newRow("comments and blanks") << QByteArray(
        "; ustawienia\r\n\r\nWindows Registry Editor Version 5.00\r\n; klucz:\r\n\r\n\r\n"
        "[hkey_local_machine\\SOFTWARE\\morvane\\zefirak]\r\n\r\n"
        "  ; pierwsza\r\n\"A\"=\"jeden\"\r\n\r\n;\"C\"=\"nie\"\r\n\"B\"=dword:00000002\r\n\r\n");
    QTest::newRow("blanks and short hex") << Text("  \"A\" = \"jeden\"  \r\n\t\"B\"=DWORD:2\t\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : QString::fromUtf8(Text("\"A\"=\"jeden\"\r\n\"B\"=dword:00000002\r\n")))
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    QTest::newRow("UTF-16 export") << utf16;
}

void TestRegistry::handWrittenTextIsRead()
{
    QFETCH(QByteArray, text);
    RegistryText::Parsed parsed = RegistryText::Parse(text, Key);
    QVERIFY(!parsed.damaged);
    QCOMPARE(parsed.store.ValueNames(), QStringList({"A", "B"}));
    QCOMPARE(parsed.store.ReadString("A"), std::optional<QString>("jeden"));
    QCOMPARE(parsed.store.ReadInteger("B"), std::optional<quint32>(2));
}

// Each text holds "A" = "jeden" and "B" = 2, readable, and damage; "C" is
// what the damage leaves out, or the later value of a name given twice.
void TestRegistry::damagedTextKeepsWhatIsReadable_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVariant>("c"); // invalid: "C" must be missing

    const QByteArray ab = "\"A\"=\"jeden\"\r\n\"B\"=dword:00000002\r\n";
    QTest::newRow("truncated string") << Text("\"A\"=\"jeden\"\r\n\"C\"=\"ab\r\n\"B\"=dword:00000002\r\n")
                                      << QVariant();
    QTest::newRow("truncated name") << Text("\"A\"=\"jeden\"\r\n\"B\"=dword:00000002\r\n\"C") << QVariant();
    QTest::newRow("cut after =") << Text("\"A\"=\"jeden\"\r\n\"C\"=\r\n\"B\"=dword:00000002\r\n") << QVariant();
    QTest::newRow("cut in escape") << Text("\"A\"=\"jeden\"\r\n\"C\"=\"x\\\r\n\"B\"=dword:00000002\r\n") << QVariant();
    QTest::newRow("text after string") << Text("\"A\"=\"jeden\"\r\n\"C\"=\"x\" y\r\n\"B\"=dword:00000002\r\n")
                                       << QVariant();
    QTest::newRow("unknown type") << Text("\"A\"=\"jeden\"\r\n\"C\"=hex:01,02\r\n\"B\"=dword:00000002\r\n")
                                  << QVariant();
    QTest::newRow("bad hex") << Text("\"A\"=\"jeden\"\r\n\"C\"=dword:0000000g\r\n\"B\"=dword:00000002\r\n")
                             << QVariant();
    QTest::newRow("hex too long") << Text("\"A\"=\"jeden\"\r\n\"C\"=dword:100000000\r\n\"B\"=dword:00000002\r\n")
                                  << QVariant();
    QTest::newRow("no hex") << Text("\"A\"=\"jeden\"\r\n\"C\"=dword:\r\n\"B\"=dword:00000002\r\n") << QVariant();
    QTest::newRow("garbage line") << Text("\"A\"=\"jeden\"\r\n#$%^&\r\n@=\"x\"\r\n\"B\"=dword:00000002\r\n")
                                  << QVariant();
    QTest::newRow("missing header") << QByteArray("[" + Key.toUtf8() + "]\r\n" + ab) << QVariant();
    QTest::newRow("missing key line") << "Windows Registry Editor Version 5.00\r\n\r\n" + ab << QVariant();
    QTest::newRow("cut key line") << "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL\r\n" + ab << QVariant();
    QTest::newRow("another key") << Text("\"A\"=\"jeden\"\r\n[HKEY_CURRENT_USER\\X]\r\n\"C\"=\"obcy\"\r\n["
                                         + Key.toUtf8() + "]\r\n\"B\"=dword:00000002\r\n")
                                 << QVariant();
    QTest::newRow("duplicate name") << Text("\"C\"=\"stary\"\r\n\"A\"=\"jeden\"\r\n\"c\"=dword:00000005\r\n"
                                            "\"B\"=dword:00000002\r\n")
                                    << QVariant(5u);
    QTest::newRow("unknown escape") << Text("\"A\"=\"jeden\"\r\n\"C\"=\"C:\\tmp\"\r\n\"B\"=dword:00000002\r\n")
                                    << QVariant(QStringLiteral("C:\\tmp"));
    QTest::newRow("neither UTF-8 nor Windows-1250")
        << Text("\"A\"=\"jeden\"\r\n\"C\"=\"\x81\x98\"\r\n\"B\"=dword:00000002\r\n")
        << QVariant(QStringLiteral("\uFFFD\uFFFD"));
    QTest::newRow("UTF-16 cut in half") << QByteArray("\xFF\xFE", 2) + QByteArray("W\0i\0", 4) + "n" << QVariant();
}

void TestRegistry::damagedTextKeepsWhatIsReadable()
{
    QFETCH(QByteArray, text);
    QFETCH(QVariant, c);
    RegistryText::Parsed parsed = RegistryText::Parse(text, Key);
    QVERIFY(parsed.damaged);
    if (QTest::currentDataTag() == QByteArray("UTF-16 cut in half"))
        return; // nothing readable in it, only the flag
    QCOMPARE(parsed.store.ReadString("A"), std::optional<QString>("jeden"));
    QCOMPARE(parsed.store.ReadInteger("B"), std::optional<quint32>(2));
    if (!c.isValid())
        QVERIFY(!parsed.store.ValueExists("C"));
    else if (c.typeId() == QMetaType::QString)
        QCOMPARE(parsed.store.ReadString("C"), std::optional<QString>(c.toString()));
    else
        QCOMPARE(parsed.store.ReadInteger("C"), std::optional<quint32>(c.toUInt()));
}

void TestRegistry::readsOfTheWrongTypeFindNothing()
{
    RegistryText store(Key);
    store.WriteString("Układ_Dane_Latin", "1");
    store.WriteInteger("Układ_Pole_LinesCount", 4);

    QCOMPARE(store.ReadInteger("Układ_Dane_Latin"), std::nullopt);
    QCOMPARE(store.ReadString("Układ_Pole_LinesCount"), std::nullopt);
    QCOMPARE(store.ReadString("Brak"), std::nullopt);
    QCOMPARE(store.ReadInteger("Brak"), std::nullopt);
    QCOMPARE(store.ValueType("Układ_Dane_Latin"), std::optional(RegistryText::Type::String));
    QCOMPARE(store.ValueType("Brak"), std::nullopt);

    // Writing the other type replaces the value; the text keeps the type.
    store.WriteInteger("UKŁAD_DANE_LATIN", 1);
    RegistryText back = RegistryText::Parse(store.ToText(), Key).store;
    QCOMPARE(back.ReadInteger("układ_dane_latin"), std::optional<quint32>(1));
    QCOMPARE(back.ReadString("Układ_Dane_Latin"), std::nullopt);
}

void TestRegistry::namesKeepTheirOrderAndFirstSpelling()
{
    RegistryText store(Key);
    for (const char* name : {"Wersja", "Układ_Pole_Line1", "Zeta", "Alfa"})
        store.WriteString(name, "x");
    store.WriteString("ZETA", "y"); // in place, first spelling kept
    QVERIFY(store.DeleteValue("układ_pole_line1"));
    QVERIFY(!store.DeleteValue("Układ_Pole_Line1"));
    QVERIFY(!store.ValueExists("Układ_Pole_Line1"));
    store.WriteInteger("Układ_Pole_LINE1", 3); // back, at the end, in its new spelling

    const QStringList expected{"Wersja", "Zeta", "Alfa", "Układ_Pole_LINE1"};
    QCOMPARE(store.ValueNames(), expected);
    QCOMPARE(store.ReadString("zeta"), std::optional<QString>("y"));
    QCOMPARE(RegistryText::Parse(store.ToText(), Key).store.ValueNames(), expected);
}

QTEST_APPLESS_MAIN(TestRegistry)
#include "tst_registry.moc"

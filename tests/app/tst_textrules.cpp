// Rules that need no window: the group/period bands of the table, the search
// text filter and capitals, the clock's date, and the Windows-1250 code page
// checked against the C library's own converter.
#include "app/Search.h"
#include "app/TTlo.h"
#include "app/TableGeometry.h"
#include "data/Cp1250.h"
#include "data/DaneTypes.h"

#include <QtTest>

#include <iconv.h>

namespace {

// Converts with glibc's iconv; false when iconv refuses the input.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {}
    ~Converter()
    {
        if (m_cd != iconv_t(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return m_cd != iconv_t(-1); }

    bool operator()(const QByteArray& in, QByteArray& out) const
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // fresh state
        QByteArray input = in;
        char buffer[16];
        char* src = input.data();
        size_t srcLeft = size_t(input.size());
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
        if (rc == size_t(-1) || srcLeft != 0)
            return false;
        out = QByteArray(buffer, int(sizeof buffer - dstLeft));
        return true;
    }

private:
    iconv_t m_cd;
};

} // namespace

class TestTextRules : public QObject {
    Q_OBJECT
private slots:
    void groupAndPeriodFollowThePointersBand_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("text");
        const QString fatal = QStringLiteral("FATAL ERROR!");
        QTest::newRow("first pixel") << 16 << 88 << " okres 1 grupa 1";
        QTest::newRow("left of the table") << 15 << 200 << fatal;
        QTest::newRow("above the table") << 100 << 87 << fatal;
        QTest::newRow("period 1 bottom") << 47 << 110 << " okres 1 grupa 1";
        QTest::newRow("period 2 top") << 48 << 111 << " okres 2 grupa 2";
        QTest::newRow("period 2 bottom") << 20 << 134 << " okres 2 grupa 1";
        QTest::newRow("period 3 top") << 20 << 135 << " okres 3 grupa 1";
        QTest::newRow("period 3 bottom") << 20 << 158 << " okres 3 grupa 1";
        QTest::newRow("period 4") << 20 << 159 << " okres 4 grupa 1";
        QTest::newRow("period 4 bottom") << 20 << 182 << " okres 4 grupa 1";
        QTest::newRow("period 5") << 20 << 183 << " okres 5 grupa 1";
        QTest::newRow("period 5 bottom") << 20 << 206 << " okres 5 grupa 1";
        QTest::newRow("period 6") << 20 << 207 << " okres 6 grupa 1";
        QTest::newRow("period 6 bottom") << 20 << 230 << " okres 6 grupa 1";
        QTest::newRow("period 7") << 20 << 231 << " okres 7 grupa 1";
        QTest::newRow("period 7 bottom") << 20 << 254 << " okres 7 grupa 1";
        QTest::newRow("gap is lanthanide band") << 20 << 255 << " okres 6 grupa 1";
        QTest::newRow("lanthanide bottom") << 20 << 302 << " okres 6 grupa 1";
        QTest::newRow("actinide top") << 20 << 303 << " okres 7 grupa 1";
        QTest::newRow("actinide bottom") << 20 << 326 << " okres 7 grupa 1";
        QTest::newRow("below the table") << 20 << 327 << fatal;
        QTest::newRow("group 8 left edge") << 240 << 160 << " okres 4 grupa 8";
        QTest::newRow("group 8 right edge") << 271 << 160 << " okres 4 grupa 8";
        QTest::newRow("group 9 left edge") << 272 << 160 << " okres 4 grupa 9";
        QTest::newRow("group 18 right edge") << 591 << 88 << " okres 1 grupa 18";
        QTest::newRow("right of the table") << 592 << 88 << fatal;
        QTest::newRow("Lr cell") << 16 + 32 * 13 << 304 << " okres 7 grupa 14";
    }
    void groupAndPeriodFollowThePointersBand()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, text);
        QCOMPARE(GroupPeriodText(x, y), text);
    }

    void compactLayoutShiftsEveryButtonLeft_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<QRect>("normal");
        QTest::addColumn<QRect>("compact");
        QTest::newRow("H") << 1 << QRect(16, 88, 31, 22) << QRect(16, 88, 25, 22);
        QTest::newRow("He") << 2 << QRect(560, 88, 31, 22) << QRect(441, 88, 25, 22);
        QTest::newRow("Fe") << 26 << QRect(240, 160, 31, 22) << QRect(191, 160, 25, 22);
        QTest::newRow("La") << 57 << QRect(80, 208, 31, 22) << QRect(66, 208, 25, 22);
        QTest::newRow("Ce") << 58 << QRect(16, 280, 31, 22) << QRect(16, 280, 25, 22);
        QTest::newRow("Lr") << 103 << QRect(432, 304, 31, 22) << QRect(341, 304, 25, 22);
        QTest::newRow("Rg") << 111 << QRect(336, 232, 31, 22) << QRect(266, 232, 25, 22);
    }
    void compactLayoutShiftsEveryButtonLeft()
    {
        QFETCH(int, z);
        QFETCH(QRect, normal);
        QFETCH(QRect, compact);
        QCOMPARE(ElementButtonRect(z), normal);
        QCOMPARE(CompactElementButtonRect(z), compact);
    }

    void compactButtonsStayApart()
    {
        // No two buttons overlap, and no control is moved twice.
        for (int z = 1; z <= ElementCount; ++z)
            for (int other = z + 1; other <= ElementCount; ++other)
                QVERIFY(!CompactElementButtonRect(z).intersects(CompactElementButtonRect(other)));
        QSet<QString> names;
        for (const CompactPlace& place : CompactPlaces)
            names.insert(QLatin1String(place.name));
        QCOMPARE(names.size(), int(CompactPlaces.size()));
    }

    void compactPointsReadAsTheirGroup()
    {
        // Every pixel of a compacted column gives that column's group.
        for (int z = 1; z <= ElementCount; ++z) {
            const QRect r = CompactElementButtonRect(z);
            const QString group = QStringLiteral(" grupa ") + QString::number(ButtonColumn(z));
            for (int x = r.left(); x <= r.right(); ++x)
                QVERIFY2(GroupPeriodText(NormalXOfCompactX(x), r.center().y()).endsWith(group),
                         qPrintable(QString::number(z) + QLatin1Char('@') + QString::number(x)));
        }
    }

    void filterKeepsCodesAbove64()
    {
        QCOMPARE(FilterSearchText(QStringLiteral("H E")), QStringLiteral("HE"));
        QCOMPARE(FilterSearchText(QStringLiteral(" !\"#$%&'()*+,-./0123456789:;<=>?@\t")), QString());
        QCOMPARE(FilterSearchText(QStringLiteral("A@B[\\]^_`{|}~Z")), QStringLiteral("AB[\\]^_`{|}~Z"));
        QCOMPARE(FilterSearchText(QStringLiteral("ŻÓŁW ąę 12")), QStringLiteral("ŻÓŁWąę"));
        // Outside the code page there is no code to compare: dropped.
        QCOMPARE(FilterSearchText(QStringLiteral("Fжe€")), QStringLiteral("Fe€"));
    }

    void upcaseCoversAsciiAndPolishOnly()
    {
        QCOMPARE(UpcasePL(QStringLiteral("aąbcćdeęfghijklłmnńoópqrsśtuvwxyzżź")),
                 QStringLiteral("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŻŹ"));
        QCOMPARE(UpcasePL(QStringLiteral("Wodór 1")), QStringLiteral("WODÓR 1"));
        // Letters outside the table stay as they are.
        QCOMPARE(UpcasePL(QStringLiteral("äéčřš")), QStringLiteral("äéčřš"));
        QCOMPARE(UpcasePL(QStringLiteral("ŻÓŁW")), QStringLiteral("ŻÓŁW"));
    }

    void typedLettersBecomeCapitalsInTheCodePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ASCII") << "az"
                               << "AZ";
        QTest::newRow("Polish") << "ąćęłńóśżź"
                                << "ĄĆĘŁŃÓŚŻŹ";
        QTest::newRow("other Central European") << "äčďéőřşţů"
                                                << "ÄČĎÉŐŘŞŢŮ";
        QTest::newRow("capitals, digits, signs") << "Ż9 @€"
                                                 << "Ż9 @€";
        // Capitals the code page lacks: the letter stays as typed.
        QTest::newRow("micro sign, not Greek Mu") << "µ"
                                                  << "µ";
        QTest::newRow("sharp s") << "ß"
                                 << "ß";
        QTest::newRow("y diaeresis") << "ÿ"
                                     << "ÿ";
        QTest::newRow("Baltic and Latin extended") << "āėįųǆ"
                                                   << "āėįųǆ";
        QTest::newRow("Greek and Cyrillic") << "αж"
                                            << "αж";
    }
    void typedLettersBecomeCapitalsInTheCodePage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QString upper = typed;
        for (QChar& c : upper)
            c = UpcaseTyped(c);
        QCOMPARE(upper, shown);
    }

    void clockPutsTwentyOnlyBeforeATwoDigitYear_data()
    {
        QTest::addColumn<QString>("dateFormat"); // a format, or a locale whose short date format is used
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("yy-MM-dd") << "yy-MM-dd" << QDate(2005, 12, 8) << "2005-12-08";
        QTest::newRow("yy-MM-dd, year 12") << "yy-MM-dd" << QDate(2012, 3, 5) << "12-03-05";
        QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << QDate(2005, 12, 8) << "2005-12-08";
        QTest::newRow("ko_KR yy. M. d.") << "ko_KR" << QDate(2005, 12, 8) << "2005. 12. 8.";
        QTest::newRow("eu_ES yy/M/d") << "eu_ES" << QDate(2008, 1, 2) << "2008/1/2";
        QTest::newRow("en_GB dd/MM/yyyy") << "en_GB" << QDate(2026, 12, 8) << "08/12/2026";
        QTest::newRow("fr_FR dd/MM/yyyy") << "fr_FR" << QDate(2026, 1, 1) << "01/01/2026";
        QTest::newRow("de_DE dd.MM.yy") << "de_DE" << QDate(2026, 12, 8) << "08.12.26";
        QTest::newRow("cs_CZ dd.MM.yy") << "cs_CZ" << QDate(2005, 3, 9) << "09.03.05";
        QTest::newRow("my own dd-MM-yy") << "dd-MM-yy" << QDate(2005, 3, 9) << "09-03-05";
        QTest::newRow("pl_PL d.MM.yyyy") << "pl_PL" << QDate(2026, 12, 8) << "8.12.2026";
        QTest::newRow("sv_SE yyyy-MM-dd") << "sv_SE" << QDate(2026, 12, 8) << "2026-12-08";
        QTest::newRow("MM/dd/yy") << "MM/dd/yy" << QDate(2026, 1, 8) << "01/08/26";
    }
    void clockPutsTwentyOnlyBeforeATwoDigitYear()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        if (dateFormat.contains(QLatin1Char('_')))
            dateFormat = QLocale(dateFormat).dateFormat(QLocale::ShortFormat);
        QCOMPARE(ClockText(QDateTime(date, QTime(8, 7, 6)), dateFormat, QStringLiteral("HH:mm:ss")),
                 text + QStringLiteral(" 08:07:06"));
    }

    void codePageMatchesIconvForEveryByte()
    {
        const Converter decode("UTF-8", "WINDOWS-1250");
        const Converter encode("WINDOWS-1250", "UTF-8");
        QVERIFY(decode.Valid() && encode.Valid());
        int undefined = 0;
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            QByteArray utf8;
            const QString ours = FromCp1250(byte);
            QCOMPARE(ours.size(), 1);
            if (!decode(byte, utf8)) {
                ++undefined;
                QCOMPARE(ours[0], QChar(QChar::ReplacementCharacter));
                continue;
            }
            QCOMPARE(ours, QString::fromUtf8(utf8));
            // And back: the character's code is the byte, in our table and in iconv's.
            QCOMPARE(Cp1250Code(ours[0]), b);
            QCOMPARE(ToCp1250(ours), byte);
            QByteArray back;
            QVERIFY(encode(ours.toUtf8(), back));
            QCOMPARE(back, byte);
        }
        QCOMPARE(undefined, 5);
    }

    void codePageCoversTheSameCharactersAsIconv()
    {
        // Every character of the basic plane: iconv can encode it exactly
        // when our table has a code for it.
        const Converter encode("WINDOWS-1250", "UTF-8");
        QVERIFY(encode.Valid());
        for (char16_t u = 1; u < 0xD800; ++u) {
            const QChar c(u);
            QByteArray out;
            const bool theirs = encode(QString(c).toUtf8(), out);
            const int ours = Cp1250Code(c);
            if (theirs != (ours >= 0) || (theirs && out != QByteArray(1, char(ours))))
                QFAIL(qPrintable(QStringLiteral("U+%1: iconv %2, ours %3")
                                     .arg(int(u), 4, 16, QLatin1Char('0'))
                                     .arg(theirs ? QString::number(uchar(out[0])) : QStringLiteral("none"))
                                     .arg(ours)));
        }
        QCOMPARE(ToCp1250(QStringLiteral("Aж")), QByteArray("A?"));
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"

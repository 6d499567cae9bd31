// The window's own chrome: the toolbar pictures and the search icon pixel by
// pixel, the clock's date rule and its thread, and the compact layout with
// the low-resolution question. The compact layout cannot be undone, so each
// screen-size case gets a window of its own.
#include "app/Pictures.h"
#include "app/TTlo.h"
#include "app/TableGeometry.h"
#include "data/SettingsValues.h"
#include "tests/app/MainWindowKit.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QRgb Ring = qRgb(0xB5, 0xB5, 0xB5);

// The pixels where two pictures of one size differ.
QList<QPoint> Differences(const QImage& a, const QImage& b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                points << QPoint(x, y);
    return points;
}

const QRgb Olive = qRgb(0x80, 0x80, 0x00);

} // namespace

class TestPicturesAndClock : public QObject {
    Q_OBJECT

    FakeMessages messages;
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<TForm1> form;
    const QDateTime start{QDate(2005, 3, 12), QTime(10, 20, 30)};

private slots:
    void initTestCase()
    {
        // The clock must be in place before the window starts its thread.
        clock = std::make_unique<FakeClock>(start);
        form = std::make_unique<TForm1>();
    }

    void cleanupTestCase()
    {
        form.reset();
        clock.reset();
    }

    // Each picture is a raised button face in a grey ring; pointed at, its
    // symbol (and only the symbol) turns from black to blue.
    void toolbarPicturesAreRaisedButtonsWhoseSymbolTurnsBlue_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("close") << int(ToolbarPictureKind::Close);
        QTest::newRow("minimise") << int(ToolbarPictureKind::Minimise);
    }
    void toolbarPicturesAreRaisedButtonsWhoseSymbolTurnsBlue()
    {
        QFETCH(int, kind);
        const QImage normal = ToolbarPicture(ToolbarPictureKind(kind), false).convertToFormat(QImage::Format_RGB32);
        const QImage hot = ToolbarPicture(ToolbarPictureKind(kind), true).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(normal.size(), QSize(18, 16));
        QCOMPARE(hot.size(), QSize(18, 16));
        for (int x = 0; x < 18; ++x)
            QVERIFY(normal.pixel(x, 0) == Ring && normal.pixel(x, 15) == Ring);
        for (int y = 0; y < 16; ++y)
            QVERIFY(normal.pixel(0, y) == Ring && normal.pixel(17, y) == Ring);
        QCOMPARE(normal.pixel(1, 1), qRgb(255, 255, 255)); // lit from the top left
        QCOMPARE(normal.pixel(16, 14), qRgb(0, 0, 0));     // shaded at the bottom right

        const QList<QPoint> symbol = Differences(normal, hot);
        QVERIFY(symbol.size() >= 12);
        for (const QPoint& p : symbol) {
            QCOMPARE(normal.pixel(p), qRgb(0, 0, 0));
            QCOMPARE(hot.pixel(p), qRgb(0, 0, 0xFF));
            QVERIFY(QRect(3, 3, 12, 10).contains(p)); // inside the bevel
        }
        if (ToolbarPictureKind(kind) == ToolbarPictureKind::Close) {
            // A cross: the same mirrored left to right and top to bottom.
            const QImage mirrored = normal.copy(3, 4, 12, 7).mirrored(true, true);
            QCOMPARE(mirrored, normal.copy(3, 4, 12, 7));
        } else {
            // A bar low in the face, as a minimised window's task-bar entry.
            for (const QPoint& p : symbol)
                QVERIFY(p.y() >= 10);
        }
    }

    void searchIconHasNormalAndGreyedHalvesOnAClearBackground()
    {
        const QImage bitmap = SearchButtonBitmap();
        QCOMPARE(bitmap.size(), QSize(32, 16));
        QCOMPARE(bitmap.pixel(0, 15) & 0xFFFFFF, Olive & 0xFFFFFF);

        const QImage normal = SearchButtonImage(true);
        const QImage greyed = SearchButtonImage(false);
        QCOMPARE(normal.size(), QSize(16, 16));
        QCOMPARE(greyed.size(), QSize(16, 16));
        QVERIFY(normal.hasAlphaChannel());

        QSet<QRgb> colours;
        int transparent = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool background = (bitmap.pixel(x, y) & 0xFFFFFF) == (Olive & 0xFFFFFF);
                QCOMPARE(qAlpha(normal.pixel(x, y)) == 0, background);
                QCOMPARE(qAlpha(greyed.pixel(x, y)) == 0, (bitmap.pixel(16 + x, y) & 0xFFFFFF) == (Olive & 0xFFFFFF));
                if (background) {
                    ++transparent;
                    continue;
                }
                colours.insert(normal.pixel(x, y) | 0xFF000000);
                // The disabled half is a grey form: no hue at all.
                const QRgb g = greyed.pixel(x, y);
                if (qAlpha(g))
                    QVERIFY(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g));
            }
        QVERIFY(transparent > 64);
        // A white sheet with a black outline, a grey shadow, yellow rays.
        for (QRgb c : {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 0)})
            QVERIFY2(colours.contains(c), qPrintable(QString::number(c, 16)));
        // The shadow lies along the sheet's right and bottom edges: right of
        // and below every outline pixel on those edges there is grey.
        int right = 0, bottom = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (normal.pixel(x, y) == qRgb(0, 0, 0)) {
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        QCOMPARE(normal.pixel(right + 1, bottom), qRgb(128, 128, 128));
        QCOMPARE(normal.pixel(right, bottom + 1), qRgb(128, 128, 128));
    }

    void searchButtonShowsTheIconWithoutItsBackground()
    {
        QCOMPARE(form->SzukajButton->width(), 20);
        QCOMPARE(form->SzukajButton->iconSize(), QSize(16, 16));
        const QImage shot = Shot(form->SzukajButton);
        int white = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                QVERIFY(shot.pixel(x, y) != Olive);
                white += shot.pixel(x, y) == qRgb(255, 255, 255);
            }
        QVERIFY(white > 10); // the sheet is drawn
    }

    void clockTextPutsTwentyBeforeAYearLedByZero_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("text");
        QTest::newRow("two-digit year 05") << QDate(2005, 3, 12) << "yy-MM-dd"
                                           << "2005-03-12 08:07:06";
        QTest::newRow("year 12 starts with 1") << QDate(2012, 3, 5) << "yy-MM-dd"
                                               << "12-03-05 08:07:06";
        QTest::newRow("day 25 starts with 2") << QDate(2005, 3, 25) << "dd.MM.yy"
                                              << "25.03.05 08:07:06";
        QTest::newRow("four-digit year") << QDate(2005, 3, 12) << "yyyy-MM-dd"
                                         << "2005-03-12 08:07:06";
        QTest::newRow("day first keeps its zero") << QDate(2012, 3, 5) << "dd.MM.yyyy"
                                                  << "05.03.2012 08:07:06";
    }
    void clockTextPutsTwentyBeforeAYearLedByZero()
    {
        QFETCH(QDate, date);
        QFETCH(QString, dateFormat);
        QFETCH(QString, text);
        QCOMPARE(ClockText(QDateTime(date, QTime(8, 7, 6)), dateFormat, QStringLiteral("HH:mm:ss")), text);
    }

    void clockLabelTicksFromTheThread()
    {
        QSet<QString> expected;
        for (int s = 0; s < 10; ++s)
            expected.insert(ClockText(start.addSecs(s), UserShortDateFormat(), UserLongTimeFormat()));

        QTRY_VERIFY_WITH_TIMEOUT(form->zegar->text() != QLatin1String("200X-00-00 00:00:00"), 3000);
        const QString first = form->zegar->text();
        QVERIFY2(expected.contains(first), qPrintable(first));
        // The next second arrives while this (GUI) thread keeps running.
        QTRY_VERIFY_WITH_TIMEOUT(form->zegar->text() != first, 3000);
        QVERIFY2(expected.contains(form->zegar->text()), qPrintable(form->zegar->text()));
    }

    void clockThreadEndsWithinAboutASecond()
    {
        QVERIFY(form->Tlo->isRunning());
        QElapsedTimer timer;
        timer.start();
        form->Tlo->Stop();
        QVERIFY(form->Tlo->wait(3000));
#ifndef __SANITIZE_ADDRESS__ // slowed down many times there: it need only end
        QVERIFY2(timer.elapsed() < 1800, qPrintable(QString::number(timer.elapsed())));
#endif
    }
};

// A normal screen leaves the layout alone; a narrow one switches to the
// compact layout and asks, and Yes keeps the warning for later starts.
class TestCompactLayout : public QObject {
    Q_OBJECT

    FakeMessages messages;
    std::unique_ptr<TForm1> form;

private slots:
    void initTestCase()
    {
        Warn2 = true;
        form = std::make_unique<TForm1>();
    }

    void cleanupTestCase() { form.reset(); }

    void screenOfExactly780x400IsEnough()
    {
        form->CheckScreenSize(QSize(780, 400));
        QCOMPARE(messages.boxes.size(), 0);
        QVERIFY(!form->Image1->isHidden());
        QCOMPARE(ElementButtons[1]->geometry(), QRect(560, 88, 31, 22));
        QCOMPARE(form->Dane->x(), 624);
    }

    void narrowScreenGivesCompactLayoutAndQuestion()
    {
        QList<QRect> before;
        for (TZfkButton97* b : ElementButtons)
            before << b->geometry();
        QList<QPoint> labels;
        for (QLabel* l : form->a)
            labels << l->pos();
        const QList<QPoint> unmoved = {form->b[0]->pos(), form->b[6]->pos(), form->lantanowce->pos(),
                                       form->aktynowce->pos(), form->Podglad->pos()};

        messages.answers = {6};
        form->CheckScreenSize(QSize(779, 600));

        QCOMPARE(messages.boxes.size(), 1);
        const RecordedBox& box = messages.boxes[0];
        QCOMPARE(box.text, QStringLiteral("Aktualna rozdzielczość ekranu: 779/600\r\n"
                                          "jest mniejsza niż rozmiar skórki, interfejs programu\r\n"
                                          "był tworzony dla rozdzielczości 800/600.\r\n"
                                          "Może to powodować niewygodę podczas pracy,\r\n"
                                          "część interfejsu może zostać ucięta.\r\n"
                                          "Można jednak przesuwać interfejs: klikając i przytrzymując\r\n"
                                          "lewy przycisk myszy, równocześnie przesuwając mysz.\r\n"
                                          "\r\n"
                                          "Czy chcesz aby ten komunikat pokazał się podczas\r\n"
                                          "następnego uruchomienia programu w niskiej rozdzielczości?"));
        QCOMPARE(box.caption, QStringLiteral("Pytanie"));
        QCOMPARE(box.flags, 36);
        QVERIFY(Warn2);

        // Element buttons: 25 pixels per column, 25 wide, tops kept, 9 points.
        for (int z = 1; z <= ElementCount; ++z) {
            const QRect was = before[z - 1];
            QCOMPARE((was.x() - 16) % 32, 0);
            const int column = (was.x() - 16) / 32 + 1;
            TZfkButton97* b = ElementButtons[z - 1];
            QCOMPARE(b->geometry(), QRect(16 + 25 * (column - 1), was.y(), 25, was.height()));
            QCOMPARE(b->Font().pointSize(), 9);
        }
        QCOMPARE(ElementButtons[1]->x(), 441); // column 18
        QCOMPARE(ElementButtons[110]->x(), 16 + 25 * 10);

        for (int g = 1; g <= 18; ++g)
            QCOMPARE(form->a[g - 1]->pos(), QPoint(22 + 25 * (g - 1), labels[g - 1].y()));
        QCOMPARE(form->a[17]->x(), 447);

        const QList<QPair<QWidget*, QPoint>> moved = {
            {form->Bevel1, {384, 256}},
            {form->Label37, {395, 242}},
            {form->Label34, {392, 264}},
            {form->Label35, {392, 284}},
            {form->Label36, {392, 304}},
            {form->Dane, {475, 72}},
            {form->zegar, {490, 376}},
            {form->OriginalToolbarButton971, {480, 288}},
            {form->OriginalToolbarButton972, {480, 308}},
            {form->OriginalToolbarButton973, {480, 328}},
            {form->szukany, {370, 18}},
            {form->Szukaj, {450, 14}},
            {form->ToolbarButton973, {580, 13}},
            {form->ToolbarButton972, {605, 13}},
        };
        for (const auto& [widget, pos] : moved)
            QVERIFY2(widget->pos() == pos, qPrintable(widget->objectName()));
        QVERIFY(form->Image1->isHidden());

        QCOMPARE(form->OriginalToolbarButton974->geometry(), QRect(8, 14, 145, 22));
        QCOMPARE(form->ToolbarButton971->geometry(), QRect(165, 14, 85, 22));
        QCOMPARE(form->ToolbarButton974->geometry(), QRect(255, 14, 105, 22));
        for (QToolButton* b : {form->OriginalToolbarButton974, form->ToolbarButton971, form->ToolbarButton974}) {
            QCOMPARE(b->font().pointSize(), 7);
            QVERIFY(b->font().bold());
        }

        const QList<QPoint> after = {form->b[0]->pos(), form->b[6]->pos(), form->lantanowce->pos(),
                                     form->aktynowce->pos(), form->Podglad->pos()};
        QCOMPARE(after, unmoved);
        QCOMPARE(form->size(), QSize(787, 414));

        // Everything still shown ends left of 631, so a 760-pixel screen
        // shows the whole interface.
        for (QWidget* w : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                QVERIFY2(w->geometry().right() < 631, qPrintable(w->objectName()));
    }

    void compactCaptionsFitTheirButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Wydruk Zefiraku") << "OriginalToolbarButton974";
        QTest::newRow("Wydruk Raportu") << "ToolbarButton971";
        QTest::newRow("Informacja i Ustawienia Programu") << "ToolbarButton974";
    }
    void compactCaptionsFitTheirButtons()
    {
        QFETCH(QString, name);
        QVERIFY(form->Image1->isHidden()); // the compact layout is in force
        auto* button = form->findChild<QToolButton*>(name);
        QVERIFY(button);
        const int margin = 2;
        const int advance = QFontMetrics(button->font()).horizontalAdvance(button->text());
        QVERIFY2(advance < button->width() - 2 * margin,
                 qPrintable(QStringLiteral("%1 px in %2").arg(advance).arg(button->width())));

        // The black caption's ink, drawn whole, with room on both sides.
        const QImage shot = button->grab().toImage();
        QRect ink;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        const QString where = QStringLiteral("ink %1..%2 of %3").arg(ink.left()).arg(ink.right()).arg(shot.width());
        QVERIFY2(ink.left() >= margin && ink.right() < shot.width() - margin, qPrintable(where));
        QVERIFY2(ink.width() > advance * 3 / 4, qPrintable(where));
    }
};

// A low screen, answered No: no warning at later starts.
class TestLowScreenAnsweredNo : public QObject {
    Q_OBJECT

    FakeMessages messages;
    std::unique_ptr<TForm1> form;

private slots:
    void initTestCase()
    {
        Warn2 = true;
        form = std::make_unique<TForm1>();
    }

    void cleanupTestCase() { form.reset(); }

    void noTurnsTheWarningOff()
    {
        messages.answers = {7};
        form->CheckScreenSize(QSize(1024, 399));
        QCOMPARE(messages.boxes.size(), 1);
        QVERIFY(messages.boxes[0].text.startsWith(QStringLiteral("Aktualna rozdzielczość ekranu: 1024/399\r\n")));
        QVERIFY(!Warn2);
        QVERIFY(form->Image1->isHidden());
        QCOMPARE(ElementButtons[1]->x(), 441);
    }
};

// The next start in low resolution with the warning turned off.
class TestLowScreenWithoutWarning : public QObject {
    Q_OBJECT

    FakeMessages messages;
    std::unique_ptr<TForm1> form;

private slots:
    void initTestCase()
    {
        Warn2 = false;
        form = std::make_unique<TForm1>();
    }

    void cleanupTestCase() { form.reset(); }

    void narrowScreenWithTheWarningOffGivesOnlyTheCompactLayout()
    {
        messages.answers = {6}; // would turn the warning back on if asked
        form->CheckScreenSize(QSize(640, 480));
        QCOMPARE(messages.boxes.size(), 0);
        QVERIFY(!Warn2);
        QVERIFY(form->Image1->isHidden());
        QCOMPARE(ElementButtons[1]->x(), 441);
        QCOMPARE(form->Dane->x(), 475);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    {
        TestPicturesAndClock t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestCompactLayout t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestLowScreenAnsweredNo t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestLowScreenWithoutWarning t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}

#include "tst_chrome.moc"

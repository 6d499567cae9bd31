#include "tests/widgets/ButtonTestKit.h"
#include "widgets/Przycisk.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

namespace {

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor PaleYellow(255, 255, 0xD7);

struct Recorder {
    QStringList log;
    void Hook(TPrzycisk& b)
    {
        b.OnClick = [this](QObject*) { log << "click"; };
        b.OnMouseEnter = [this](QObject*) { log << "enter"; };
        b.OnMouseLeave = [this](QObject*) { log << "leave"; };
        b.OnMouseMove = [this](QObject*, Qt::KeyboardModifiers, int x, int y) {
            log << QStringLiteral("move %1,%2").arg(x).arg(y);
        };
    }
};

QColor Shadow(const TPrzycisk& b) { return QColor(b.ToColor(colors::BtnShadow).rgb()); }

QImage Interior(const QImage& image) { return image.copy(2, 2, image.width() - 4, image.height() - 4); }

} // namespace

class TestPrzycisk : public QObject {
    Q_OBJECT
private slots:
    void newButtonHasTheSharedDefaults()
    {
        TPrzycisk b;
        QCOMPARE(b.size(), QSize(100, 21));
        QCOMPARE(b.Kolor_Przycisku(), 14155775u);
        QCOMPARE(b.Font().family(), QStringLiteral("Arial"));
        QCOMPARE(b.Animacja_Kolor(), 0u);
        QCOMPARE(b.Animacja_Styl(), TFontStyles(0));
        QVERIFY(!b.Hovered() && !b.Pressed() && !b.MouseInside());
    }

    void threeFramesArePaintedPixelByPixel()
    {
        TPrzycisk b;
        b.resize(40, 20);
        QImage img = Shot(&b);
        // Normal: shadow left and top, black right and bottom.
        QCOMPARE(At(img, 0, 0), Shadow(b));
        QCOMPARE(At(img, 0, 19), Shadow(b));
        QCOMPARE(At(img, 39, 0), Black);
        QCOMPARE(At(img, 39, 19), Black);
        QCOMPARE(At(img, 1, 1), PaleYellow);
        Press(&b, QPoint(5, 5));
        img = Shot(&b); // sunken: black left and top, shadow right and bottom
        QCOMPARE(At(img, 0, 0), Black);
        QCOMPARE(At(img, 38, 0), Black);
        QCOMPARE(At(img, 39, 0), Shadow(b));
        QCOMPARE(At(img, 39, 19), Shadow(b));
        Release(&b, QPoint(5, 5));
        img = Shot(&b); // hover: white outline, inner shadow / black frame
        QVERIFY(b.Hovered());
        QCOMPARE(At(img, 0, 0), White);
        QCOMPARE(At(img, 39, 19), White);
        QCOMPARE(At(img, 1, 1), Shadow(b));
        QCOMPARE(At(img, 1, 18), Shadow(b));
        QCOMPARE(At(img, 38, 1), Black);
        QCOMPARE(At(img, 38, 18), Black);
        QCOMPARE(At(img, 2, 2), PaleYellow);
        b.SetAktywny(false);
        img = Shot(&b);
        QCOMPARE(At(img, 0, 0), QColor(0xBF, 0xC0, 0xC0));
        QCOMPARE(At(img, 39, 19), QColor(0xBF, 0xC0, 0xC0));
    }

    void hoverIsEnteredOnce()
    {
        TPrzycisk b;
        Recorder r;
        r.Hook(b);
        Enter(&b);
        Move(&b, QPoint(6, 6));
        Enter(&b); // a repeated notification changes nothing
        QCOMPARE(r.log, QStringList({"enter", "move 6,6"}));
        QVERIFY(b.Hovered() && b.MouseInside());
        Leave(&b);
        QVERIFY(!b.Hovered() && !b.MouseInside());
        QCOMPARE(r.log.last(), QStringLiteral("leave"));
    }

    void pressOutAndBackInThenReleaseClicks()
    {
        TPrzycisk b;
        Recorder r;
        r.Hook(b);
        b.OnMouseMove = nullptr;
        Enter(&b);
        Press(&b, QPoint(5, 5));
        QVERIFY(b.Pressed() && !b.Hovered());
        Move(&b, QPoint(-3, 5), Qt::LeftButton);
        QVERIFY(!b.Pressed() && !b.Hovered() && !b.MouseInside());
        QCOMPARE(At(Shot(&b), 0, 0), Shadow(b)); // normal look at once
        Move(&b, QPoint(5, 5), Qt::LeftButton);
        QVERIFY(b.Hovered());
        Release(&b, QPoint(5, 5));
        QCOMPARE(r.log, QStringList({"enter", "leave", "enter", "click"}));
        QVERIFY(b.Hovered()); // stays in the hover look after the click
        Leave(&b);
        QVERIFY(!b.Hovered());
    }

    void anyButtonClicksOnReleaseInside_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("clicks");
        QTest::newRow("left") << int(Qt::LeftButton) << QPoint(5, 5) << true;
        QTest::newRow("right") << int(Qt::RightButton) << QPoint(5, 5) << true;
        QTest::newRow("middle") << int(Qt::MiddleButton) << QPoint(5, 5) << true;
        QTest::newRow("x = W, y = H") << int(Qt::LeftButton) << QPoint(100, 21) << true;
        QTest::newRow("y = H + 1") << int(Qt::LeftButton) << QPoint(5, 22) << false;
        QTest::newRow("x = -1") << int(Qt::RightButton) << QPoint(-1, 5) << false;
    }
    void anyButtonClicksOnReleaseInside()
    {
        QFETCH(int, button);
        QFETCH(QPoint, at);
        QFETCH(bool, clicks);
        TPrzycisk b;
        int count = 0;
        b.OnClick = [&](QObject* sender) {
            QCOMPARE(sender, &b);
            ++count;
        };
        Press(&b, QPoint(5, 5), Qt::MouseButton(button));
        QVERIFY(b.Pressed() && b.MouseInside());
        Release(&b, at, Qt::MouseButton(button));
        QCOMPARE(count, clicks ? 1 : 0);
        QCOMPARE(b.Hovered(), clicks);
        QVERIFY(!b.Pressed());
    }

    void hoverChangesOnlyTheFrames()
    {
        TPrzycisk b;
        b.SetTekst("Zakończ");
        const QImage normal = Shot(&b);
        Enter(&b);
        // Black and no style: only the frames differ.
        QCOMPARE(Interior(Shot(&b)), Interior(normal));
        Counted<TPrzycisk> c;
        c.SetTekst("Zakończ");
        // Its own window, it would take the focus when shown; the focus
        // look is tested apart.
        c.setFocusPolicy(Qt::NoFocus);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        Enter(&c);
        const int paints = c.paints;
        c.SetAnimacja_Kolor(0x000000FF);
        c.SetAnimacja_Styl(fsBold | fsUnderline);
        QCOMPARE(c.paints, paints); // stored, not drawn yet
        const QImage hover = Interior(Shot(&c));
        int red = 0;
        for (int y = 0; y < hover.height(); ++y)
            for (int x = 0; x < hover.width(); ++x)
                red += At(hover, x, y) == QColor(255, 0, 0);
        QVERIFY(red > 20); // a bold underlined red caption
        Leave(&c);
        QCOMPARE(Interior(Shot(&c)), Interior(normal));
    }

    void captionCoversFramesOnlyInTheHoverLook()
    {
        // A caption taller than the button: its background reaches the
        // frame rows, so the drawing order shows.
        TPrzycisk b;
        b.resize(60, 6);
        b.SetTekst("MMMM");
        QCOMPARE(At(Shot(&b), 30, 0), Shadow(b));
        QCOMPARE(At(Shot(&b), 30, 5), Black);
        Enter(&b);
        QVERIFY(At(Shot(&b), 30, 0) != White);
        QVERIFY(At(Shot(&b), 30, 5) != White);
        QCOMPARE(At(Shot(&b), 0, 0), White);
    }

    void inactiveWhilePointedAt()
    {
        TPrzycisk b;
        Recorder r;
        r.Hook(b);
        Enter(&b);
        b.SetAktywny(false);
        QCOMPARE(At(Shot(&b), 0, 0), QColor(0xBF, 0xC0, 0xC0)); // at once
        Move(&b, QPoint(3, 3));
        Press(&b, QPoint(3, 3));
        Release(&b, QPoint(3, 3));
        Leave(&b);
        QCOMPARE(r.log, QStringList({"enter"}));
        QVERIFY(b.MouseInside());
        b.SetAktywny(true);
        Enter(&b); // ignored: no leave has been processed yet
        QCOMPARE(r.log, QStringList({"enter"}));
        Leave(&b);
        Enter(&b);
        QCOMPARE(r.log, QStringList({"enter", "leave", "enter"}));
    }

    void pictureIsDrawnLastInEveryLook()
    {
        TPrzycisk b;
        b.resize(40, 10);
        QImage pic(3, 14, QImage::Format_RGB32); // taller than the button
        pic.fill(Qt::blue);
        pic.setPixelColor(0, 0, Qt::white); // the key
        b.SetObrazek(pic);
        b.SetObrazek_Od_Lewej(true);
        // Columns 14..16, rows -2..11: over both frames.
        QCOMPARE(At(Shot(&b), 15, 0), QColor(Qt::blue));
        Enter(&b);
        QCOMPARE(At(Shot(&b), 15, 1), QColor(Qt::blue));
        QCOMPARE(At(Shot(&b), 15, 9), QColor(Qt::blue));
    }

    void keysClickTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void keysClickTheFocusedButton()
    {
        QFETCH(int, key);
        TPrzycisk b;
        QCOMPARE(b.focusPolicy(), Qt::TabFocus); // Tab, not a click, gives it the focus
        Recorder r;
        r.Hook(b);
        QTest::keyClick(&b, Qt::Key(key));
        QCOMPARE(r.log, QStringList{"click"});
        b.SetAktywny(false);
        QTest::keyClick(&b, Qt::Key(key));
        QCOMPARE(r.log, QStringList{"click"});
    }

    // A dotted outline two pixels inside the frame, in the caption's colour;
    // everything else as without the focus.
    void focusIsADottedOutlineInsideTheFace()
    {
        QWidget window;
        auto* b = new TPrzycisk(&window);
        b->resize(40, 20);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        b->clearFocus();
        const QImage plain = Shot(b);
        b->setFocus();
        QVERIFY(b->hasFocus());
        const QImage focused = Shot(b);
        for (auto [x, y] : {std::pair{2, 2}, {4, 2}, {37, 3}, {2, 16}, {37, 17}})
            QCOMPARE(At(focused, x, y), Black);
        for (auto [x, y] : {std::pair{3, 2}, {2, 3}, {37, 2}, {36, 17}})
            QCOMPARE(At(focused, x, y), At(plain, x, y));
        QCOMPARE(focused.copy(0, 0, 40, 2), plain.copy(0, 0, 40, 2));
        QCOMPARE(focused.copy(3, 3, 34, 14), plain.copy(3, 3, 34, 14));
        b->clearFocus();
        QCOMPARE(Shot(b), plain);
    }

    // A screen reader's press returns before the click, which may open a
    // modal window; presses before it runs are one click.
    void screenReaderPressClicksFromTheEventLoop()
    {
        TPrzycisk b;
        Recorder r;
        r.Hook(b);
        QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(&b)->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        action->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(r.log.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(r.log, QStringList{"click"});
    }
};

QTEST_MAIN(TestPrzycisk)
#include "tst_przycisk.moc"

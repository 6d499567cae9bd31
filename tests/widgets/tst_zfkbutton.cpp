#include "tests/widgets/ButtonTestKit.h"
#include "widgets/ZfkButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include <memory>
#include <set>

namespace {

const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor PaleYellow(255, 255, 0xD7);

struct Recorder {
    QStringList log;
    void Hook(TZfkButton97& b, const QString& name)
    {
        b.OnClick = [this, name](QObject*) { log << name + ":click"; };
        b.OnRightClick = [this, name](QObject*) { log << name + ":right"; };
        b.OnMouseEnter = [this, name](QObject*) { log << name + ":enter"; };
        b.OnMouseLeave = [this, name](QObject*) { log << name + ":leave"; };
        b.OnMouseMove = [this, name](QObject*, Qt::KeyboardModifiers m, int x, int y) {
            log << QStringLiteral("%1:move %2,%3%4").arg(name).arg(x).arg(y).arg(m & Qt::ShiftModifier ? " shift" : "");
        };
    }
};

// A 6 x 4 picture: key colour magenta at (0, 0) and along the top row, red
// elsewhere, one green pixel at (5, 3).
QImage Picture(int w = 6, int h = 4)
{
    QImage p(w, h, QImage::Format_RGB32);
    p.fill(Qt::red);
    for (int x = 0; x < w; ++x)
        p.setPixelColor(x, 0, Qt::magenta);
    p.setPixelColor(w - 1, h - 1, Qt::green);
    return p;
}

QColor Shadow(const TZfkButton97& b) { return QColor(b.ToColor(colors::BtnShadow).rgb()); }

} // namespace

class TestZfkButton : public QObject {
    Q_OBJECT
private slots:
    void init() { CurrentButton = nullptr; }

    void newButtonHasTheDefaults()
    {
        TZfkButton97 b;
        QCOMPARE(b.size(), QSize(100, 21));
        QCOMPARE(b.Color(), 14155775u);
        QVERIFY(b.Aktywny());
        QCOMPARE(b.Font().family(), QStringLiteral("Arial"));
        QCOMPARE(b.FontColor(), 0u);
        QVERIFY(b.Obrazek().isNull());
        QVERIFY(b.ParentShowHint());
        QCOMPARE(b.focusPolicy(), Qt::NoFocus);
        QVERIFY(!b.O_przycisku().isEmpty());
    }

    void clickLatchesAndReleasesThePreviousButton()
    {
        QWidget host;
        TZfkButton97 a(&host), b(&host);
        Recorder r;
        r.Hook(a, "a");
        r.Hook(b, "b");
        Click(&a);
        QVERIFY(a.Selected());
        QCOMPARE(CurrentButton, &a);
        Click(&b);
        QVERIFY(!a.Selected());
        QVERIFY(b.Selected());
        QCOMPARE(CurrentButton, &b);
        QCOMPARE(r.log, QStringList({"a:click", "b:click"}));
        QCOMPARE(At(Shot(&a), 0, 0), White);
        QCOMPARE(At(Shot(&b), 0, 0), Blue);
    }

    void selectedButtonIgnoresMouseButCodeClickFires()
    {
        QWidget host;
        Counted<TZfkButton97> a(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        int clicks = 0;
        a.OnClick = [&](QObject* sender) {
            QCOMPARE(sender, &a);
            ++clicks;
        };
        Click(&a);
        QCOMPARE(clicks, 1);
        const int paints = a.paints;
        Click(&a);
        QCOMPARE(clicks, 1);
        QCOMPARE(a.paints, paints);
        a.Click();
        QCOMPARE(clicks, 2);
    }

    void dragOutAndReleaseGivesNoClick()
    {
        TZfkButton97 a;
        int clicks = 0;
        a.OnClick = [&](QObject*) { ++clicks; };
        Press(&a, QPoint(5, 5));
        QVERIFY(a.Pressed());
        QImage sunken = Shot(&a);
        QCOMPARE(At(sunken, 0, 0), Shadow(a));
        QCOMPARE(At(sunken, 99, 20), White);
        Move(&a, QPoint(150, 5), Qt::LeftButton);
        Release(&a, QPoint(150, 5));
        QCOMPARE(clicks, 0);
        QVERIFY(!a.Pressed());
        QVERIFY(!a.Selected());
        QCOMPARE(At(Shot(&a), 0, 0), White);
    }

    void releaseBoundsAreInclusive_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("clicks");
        QTest::newRow("x = W, y = H") << QPoint(100, 21) << true;
        QTest::newRow("origin") << QPoint(0, 0) << true;
        QTest::newRow("x = W + 1") << QPoint(101, 3) << false;
        QTest::newRow("y = H + 1") << QPoint(3, 22) << false;
        QTest::newRow("x = -1") << QPoint(-1, 3) << false;
    }
    void releaseBoundsAreInclusive()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, clicks);
        TZfkButton97 a;
        Press(&a, QPoint(5, 5));
        Release(&a, at);
        QCOMPARE(a.Selected(), clicks);
    }

    void rightClickSelectsOrRaisesOnRightClick()
    {
        TZfkButton97 a;
        Recorder r;
        r.Hook(a, "a");
        // Unselected: the press does nothing, the release clicks.
        Press(&a, QPoint(5, 5), Qt::RightButton);
        QVERIFY(!a.Pressed());
        QVERIFY(!a.Selected());
        Release(&a, QPoint(5, 5), Qt::RightButton);
        QVERIFY(a.Selected());
        QCOMPARE(r.log, QStringList({"a:click"}));
        // Selected: OnRightClick, and the release after a handler that
        // released the button does not latch it again.
        a.OnRightClick = [&](QObject*) {
            r.log << "a:right";
            a.SetSelected(false);
        };
        Click(&a, Qt::RightButton);
        QVERIFY(!a.Selected());
        QCOMPARE(r.log, QStringList({"a:click", "a:right"}));
        QCOMPARE(CurrentButton, &a);
        QCOMPARE(At(Shot(&a), 0, 0), White);
        // The next left click is an ordinary one.
        Click(&a);
        QVERIFY(a.Selected());
        QCOMPARE(r.log.size(), 3);
    }

    void rightClickOnlyForTheCurrentLatchedButton()
    {
        TZfkButton97 a, b;
        Recorder r;
        r.Hook(a, "a");
        r.Hook(b, "b");
        a.Click();
        b.SetSelected(true); // latched from code, but not the current button
        Click(&b, Qt::RightButton);
        QVERIFY(!r.log.contains("b:right"));
    }

    void rightClickWhoseHandlerKeepsTheLatchLeavesNothingPending()
    {
        TZfkButton97 a, b;
        int clicks = 0;
        a.OnClick = [&](QObject*) { ++clicks; };
        a.OnRightClick = [](QObject*) {};
        a.Click();
        Click(&a, Qt::RightButton);
        QVERIFY(a.Selected());
        QVERIFY(!a.RightClickPending());
        b.Click();
        Click(&a);
        QCOMPARE(clicks, 2);
        QVERIFY(!a.Pressed());
    }

    void deselectKeepsTheCurrentButton()
    {
        TZfkButton97 a, b;
        a.Click();
        a.SetSelected(false);
        QCOMPARE(CurrentButton, &a);
        b.SetSelected(true);
        Click(&a);
        QVERIFY(a.Selected());
        QVERIFY(b.Selected()); // untouched: it was never the current button
    }

    void destroyedCurrentButtonIsForgotten()
    {
        auto a = std::make_unique<TZfkButton97>();
        a->Click();
        a.reset();
        QCOMPARE(CurrentButton, nullptr);
        TZfkButton97 b;
        b.Click();
        QCOMPARE(CurrentButton, &b);
    }

    void pointerEventsReachActiveAndInactiveButtons()
    {
        TZfkButton97 a;
        Recorder r;
        r.Hook(a, "a");
        Enter(&a);
        Move(&a, QPoint(7, 9), Qt::NoButton, Qt::ShiftModifier);
        Leave(&a);
        QCOMPARE(r.log, QStringList({"a:enter", "a:move 7,9 shift", "a:leave"}));
        r.log.clear();
        a.SetAktywny(false);
        Enter(&a);
        Move(&a, QPoint(7, 9));
        Press(&a, QPoint(7, 9));
        QVERIFY(!a.Pressed());
        Release(&a, QPoint(7, 9));
        Leave(&a);
        QCOMPARE(r.log, QStringList({"a:enter"}));
        QVERIFY(!a.Selected());
    }

    void dragOutReportsLeaveAtOnce()
    {
        TZfkButton97 a;
        Recorder r;
        r.Hook(a, "a");
        Enter(&a);
        Press(&a, QPoint(5, 5));
        Move(&a, QPoint(120, 5), Qt::LeftButton);
        Move(&a, QPoint(10, 5), Qt::LeftButton);
        Release(&a, QPoint(10, 5));
        Leave(&a);
        QCOMPARE(r.log,
                 QStringList({"a:enter", "a:move 120,5", "a:leave", "a:move 10,5", "a:enter", "a:click", "a:leave"}));
    }

    // Through the window system: the toolkit's own crossing events, its
    // mouse grab, and no paint of the window behind the buttons.
    void pointerAcrossButtonsThroughTheWindow()
    {
        PaintCountingHost host;
        host.resize(300, 40);
        TZfkButton97 a(&host), b(&host);
        b.move(120, 0);
        Recorder r;
        r.Hook(a, "a");
        r.Hook(b, "b");
        a.OnMouseMove = b.OnMouseMove = nullptr;
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QWindow* w = host.windowHandle();
        QTest::mouseMove(w, QPoint(250, 30));
        QCoreApplication::processEvents();
        r.log.clear();
        host.paints = 0;
        QTest::mouseMove(w, QPoint(10, 10));
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(a.Pressed());
        QTest::mouseMove(w, QPoint(200, 10));
        QTest::mouseMove(w, QPoint(130, 10));
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(130, 10));
        QVERIFY(!a.Pressed() && !a.Selected() && !b.Selected());
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(130, 10));
        QTest::mouseMove(w, QPoint(250, 30));
        QCoreApplication::processEvents();
        QCOMPARE(r.log, QStringList({"a:enter", "a:leave", "b:enter", "b:click", "b:leave"}));
        QCOMPARE(host.paints, 0);
    }

    void looksArePaintedPixelByPixel()
    {
        TZfkButton97 a;
        a.resize(40, 20);
        const QColor shadow = Shadow(a);
        QImage img = Shot(&a);
        // Raised: white left and top, shadow right and bottom; the corner
        // (R, T) belongs to the right edge and (L, B) to the left one.
        QCOMPARE(At(img, 0, 0), White);
        QCOMPARE(At(img, 38, 0), White);
        QCOMPARE(At(img, 39, 0), shadow);
        QCOMPARE(At(img, 0, 19), White);
        QCOMPARE(At(img, 1, 19), shadow);
        QCOMPARE(At(img, 39, 19), shadow);
        QCOMPARE(At(img, 1, 1), PaleYellow);
        a.SetSelected(true);
        img = Shot(&a);
        for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(39, 19), QPoint(38, 18), QPoint(0, 19), QPoint(38, 1)})
            QCOMPARE(At(img, p.x(), p.y()), Blue);
        QCOMPARE(At(img, 2, 2), PaleYellow);
        a.SetAktywny(false); // no frame at all, even latched
        img = Shot(&a);
        for (QPoint p : {QPoint(0, 0), QPoint(39, 19), QPoint(1, 1), QPoint(20, 3)})
            QCOMPARE(At(img, p.x(), p.y()), QColor(0xBF, 0xC0, 0xC0));
    }

    void captionIsPlacedBesideThePicture_data()
    {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<bool>("glyph");
        QTest::newRow("no picture") << 0 << false;
        QTest::newRow("picture at the left") << 6 << false;
        QTest::newRow("picture at the left, glyph") << 12 << true;
    }
    void captionIsPlacedBesideThePicture()
    {
        QFETCH(int, pictureWidth);
        QFETCH(bool, glyph);
        TZfkButton97 a;
        a.resize(61, 23);
        QFont font("Arial");
        font.setPixelSize(11);
        a.SetFont(font);
        a.SetFontColor(0x000000FF);
        a.SetCaption("Uuu");
        a.SetObrazek_Od_Lewej(true);
        a.SetObrazek_Delphi_Glyph(glyph);
        if (pictureWidth)
            a.SetObrazek(Picture(pictureWidth, 4));
        const QFontMetrics fm(font, &a);
        const int tw = fm.horizontalAdvance("Uuu");
        const int y = 23 / 2 - fm.height() / 2;
        int x = pictureWidth ? (pictureWidth - tw) / 2 + 61 / 2 + 4 : 61 / 2 - tw / 2;
        if (glyph)
            x -= x / 4;
        QImage expected(a.size(), QImage::Format_RGB32);
        expected.fill(PaleYellow);
        {
            QPainter p(&expected);
            p.setFont(font);
            p.setPen(Qt::red);
            p.drawText(QPoint(x, y + fm.ascent()), "Uuu");
        }
        const QImage img = Shot(&a);
        // Compare inside the frame and right of the picture (centred on 15).
        for (int py = 1; py < 22; ++py)
            for (int px = 22; px < 60; ++px)
                QCOMPARE(At(img, px, py), At(expected, px, py));
        if (pictureWidth)
            QCOMPARE(At(img, 15 - 3 + 1, 23 / 2 - 2 + 1), QColor(Qt::red));
    }

    void pictureIsKeyedAndPlaced_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("glyph");
        QTest::addColumn<int>("pw"); // the drawn width
        QTest::newRow("alone") << "" << false << 6;
        QTest::newRow("alone, odd width") << "" << false << 7;
        QTest::newRow("beside caption") << "Fe" << false << 6;
        QTest::newRow("glyph beside caption") << "Fe" << true << 16;
    }
    void pictureIsKeyedAndPlaced()
    {
        QFETCH(QString, caption);
        QFETCH(bool, glyph);
        QFETCH(int, pw);
        TZfkButton97 a;
        a.SetCaption(caption);
        a.SetObrazek_Delphi_Glyph(glyph);
        QImage pic = Picture(glyph ? 2 * pw : pw, 4);
        pic.setPixelColor(pw - 1, 3, Qt::green); // the last column drawn
        a.SetObrazek(pic);
        const int tw = caption.isEmpty() ? 0 : QFontMetrics(a.Font(), &a).horizontalAdvance(caption);
        const int left = caption.isEmpty() ? 50 - pw / 2 : 50 - (pw + tw) / 2 - tw / 4;
        const int top = 10 - 2;
        const QImage img = Shot(&a);
        QCOMPARE(At(img, left, top), PaleYellow); // keyed row shows the fill
        QCOMPARE(At(img, left + pw - 1, top), PaleYellow);
        QCOMPARE(At(img, left, top + 1), QColor(Qt::red));
        QCOMPARE(At(img, left + pw - 1, top + 3), QColor(Qt::green));
        QCOMPARE(At(img, left + pw, top + 3) == QColor(Qt::red), false); // nothing past pw'
        QCOMPARE(At(img, left - 1, top + 1) == QColor(Qt::red), false);
    }

    void repaintResetsTheAboutText()
    {
        TZfkButton97 a;
        const QString fixed = a.O_przycisku();
        a.SetO_przycisku("cokolwiek");
        QCOMPARE(a.O_przycisku(), QStringLiteral("cokolwiek"));
        Shot(&a);
        QCOMPARE(a.O_przycisku(), fixed);
    }

    void repaintIsImmediateAndLeavesTheParentAlone()
    {
        PaintCountingHost host;
        host.resize(300, 100);
        Counted<TZfkButton97> a(&host), b(&host);
        b.move(100, 0);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCoreApplication::processEvents();
        host.paints = 0;
        a.paints = b.paints = 0;
        a.SetColor(0x0000FF00);
        QCOMPARE(a.paints, 1); // synchronous: no event processing in between
        a.Click();
        b.Click();
        a.SetCaption("Fe");
        QCoreApplication::processEvents();
        QCOMPARE(host.paints, 0);
        QCOMPARE(b.paints, 1);
        QCOMPARE(At(host.grab().toImage(), 5, 10), QColor(0, 255, 0));
    }

    void paintingIsSharpAtDevicePixelRatioTwo()
    {
        TZfkButton97 a;
        a.resize(30, 16);
        QImage pic(4, 4, QImage::Format_RGB32);
        pic.fill(Qt::white); // key
        for (int i = 1; i < 4; ++i)
            pic.setPixelColor(i, i, i % 2 ? Qt::red : Qt::blue);
        a.SetObrazek(pic);
        const QImage img = Shot(&a, 2);
        QCOMPARE(At(img, 0, 0), White);
        QCOMPARE(At(img, 1, 1), White);
        QCOMPARE(At(img, 2, 2), PaleYellow);
        QCOMPARE(At(img, 59, 31), Shadow(a));
        QCOMPARE(At(img, 58, 30), Shadow(a));
        // Picture at (13, 6) in logical pixels: whole 2 x 2 blocks, no blend.
        std::set<QRgb> colours;
        for (int y = 12; y < 20; ++y)
            for (int x = 26; x < 34; ++x)
                colours.insert(img.pixel(x, y));
        QCOMPARE(colours, (std::set<QRgb>{QColor(PaleYellow).rgb(), QColor(Qt::red).rgb(), QColor(Qt::blue).rgb()}));
        QCOMPARE(At(img, 28, 14), QColor(Qt::red));
        QCOMPARE(At(img, 29, 15), QColor(Qt::red));
        QCOMPARE(At(img, 30, 14), PaleYellow);
    }

    void buttonIsAnAccessiblePushButton()
    {
        TZfkButton97 a;
        a.SetCaption("Fe");
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&a);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Fe"));
        a.setAccessibleName(QStringLiteral("Fe - Żelazo"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Fe - Żelazo"));
        QAccessibleActionInterface* action = iface->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(a.Selected());
    }

    // The arrows are the owner's; Space and Enter click as the pointer does,
    // which a latched button ignores. Screen readers see the latch as
    // the checked state.
    void keysAndTheCheckedState()
    {
        TZfkButton97 a, b;
        QList<int> keys;
        int clicks = 0;
        a.OnKeyDown = [&](QObject*, int key) { keys << key; };
        a.OnClick = [&](QObject*) { ++clicks; };
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&a);
        QVERIFY(iface->state().checkable);
        QVERIFY(!iface->state().checked);

        const QList<int> arrows = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        for (int key : arrows)
            QTest::keyClick(&a, Qt::Key(key));
        QCOMPARE(keys, arrows);
        QCOMPARE(clicks, 0);

        QTest::keyClick(&a, Qt::Key_Space);
        QCOMPARE(clicks, 1);
        QVERIFY(a.Selected());
        QVERIFY(iface->state().checked);
        QTest::keyClick(&a, Qt::Key_Return);
        QCOMPARE(clicks, 1);

        b.Click();
        QVERIFY(!iface->state().checked);
        QVERIFY(QAccessible::queryAccessibleInterface(&b)->state().checked);
        QTest::keyClick(&a, Qt::Key_Enter);
        QCOMPARE(clicks, 2);
    }
};

QTEST_MAIN(TestZfkButton)
#include "tst_zfkbutton.moc"

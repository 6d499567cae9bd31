// The main window on a screen with twice the pixel density: every logical
// pixel of the pictures and frame lines becomes a 2 x 2 block of the same
// colour, with no smoothed colours in between.
#include "app/Pictures.h"
#include "print/TForm3.h"
#include "tests/app/MainWindowKit.h"
#include "tests/print/PrintTestKit.h"

#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QColor Blue(0, 0, 255);
const QColor Lime(0, 255, 0);

// Where the opaque pixels of pattern lie in image pixel for pixel, or (-1, -1).
QPoint Find(const QImage& image, const QImage& pattern)
{
    for (int oy = 0; oy + pattern.height() <= image.height(); ++oy)
        for (int ox = 0; ox + pattern.width() <= image.width(); ++ox) {
            bool same = true;
            for (int y = 0; y < pattern.height() && same; ++y)
                for (int x = 0; x < pattern.width() && same; ++x) {
                    const QRgb want = pattern.pixel(x, y);
                    same = qAlpha(want) == 0 || (image.pixel(ox + x, oy + y) | 0xFF000000) == (want | 0xFF000000);
                }
            if (same)
                return {ox, oy};
        }
    return {-1, -1};
}

QImage Doubled(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

    FakeMessages messages;
    std::unique_ptr<TForm1> form;
    QImage shot;

private slots:
    void initTestCase()
    {
        form = std::make_unique<TForm1>();
        form->SetLatin(false);
        QCOMPARE(form->devicePixelRatio(), 2.0);
        ElementButtons[25]->Click(); // iron latched
        shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(2 * 787, 2 * 414));
    }

    void cleanupTestCase() { form.reset(); }

    void toolbarPicturesAreDoubled()
    {
        for (auto [button, kind] : {std::pair{form->ToolbarButton972, ToolbarPictureKind::Close},
                                    std::pair{form->ToolbarButton973, ToolbarPictureKind::Minimise}}) {
            const QRect area(button->geometry().topLeft() * 2, button->size() * 2);
            const QImage picture = ToolbarPicture(kind, false).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(Find(shot.copy(area), Doubled(picture)).x() >= 0, qPrintable(button->objectName()));
        }
    }

    void searchIconIsDoubled()
    {
        const QWidget* b = form->SzukajButton;
        const QRect area(b->mapTo(form.get(), QPoint(0, 0)) * 2, b->size() * 2);
        QVERIFY(Find(shot.copy(area), Doubled(SearchButtonImage(true))).x() >= 0);
    }

    void elementButtonFramesStaySharp()
    {
        // Iron is latched: two blue frame lines are four device rows and
        // columns of pure blue, then the face colour.
        const QPoint fe = ElementButtons[25]->pos() * 2;
        for (int dx = 4; dx < 14; ++dx) {
            for (int dy = 0; dy < 4; ++dy)
                QCOMPARE(At(shot, fe.x() + dx, fe.y() + dy), Blue);
            QCOMPARE(At(shot, fe.x() + dx, fe.y() + 4), Lime);
        }
        for (int dy = 6; dy < 38; ++dy) {
            for (int dx = 0; dx < 4; ++dx)
                QCOMPARE(At(shot, fe.x() + dx, fe.y() + dy), Blue);
            QCOMPARE(At(shot, fe.x() + 4, fe.y() + dy), Lime);
        }
        // Cobalt beside it is raised: one white line, two device pixels thick.
        const QPoint co = ElementButtons[26]->pos() * 2;
        for (int dx = 4; dx < 14; ++dx) {
            QCOMPARE(At(shot, co.x() + dx, co.y()), QColor(Qt::white));
            QCOMPARE(At(shot, co.x() + dx, co.y() + 1), QColor(Qt::white));
            QCOMPARE(At(shot, co.x() + dx, co.y() + 2), Lime);
        }
    }

    void reportLabelFitsItsBox()
    {
        TForm3 form;
        QCOMPARE(form.devicePixelRatio(), 2.0);
        QVERIFY(LabelTextFits(*form.Label1));
    }
};

int main(int argc, char** argv)
{
    // A screen of twice the density, as the desktop would report it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"

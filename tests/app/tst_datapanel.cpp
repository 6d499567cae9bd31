// The data panel grid: its caption column and first row stay where they are
// whatever the pointer does, long texts are clipped rather than shortened
// with an ellipsis, and its cells have their stated sizes on screen.
#include "tests/app/MainWindowKit.h"

#include <QPaintEngine>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

// A paint device that keeps the texts painted on it and nothing else.
class TextRecorder final : public QPaintDevice, public QPaintEngine {
public:
    explicit TextRecorder(QSize size)
        : QPaintEngine(AllFeatures),
          m_size(size)
    {}

    QStringList texts;

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 96; // the resolutions
        }
    }

private:
    QSize m_size;
};

enum class PanelAction { ClickLastCaption, ClickValueEdge, WheelDown, WheelSideways, ShowLastRow, ScrollBarToEnd };

void Wheel(QWidget* w, QPoint pos, QPoint angle)
{
    QWheelEvent event(QPointF(pos), QPointF(w->mapToGlobal(pos)), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestDataPanel : public QObject, ShownMainWindow {
    Q_OBJECT

    QWidget* Cells() const { return form->Dane->viewport(); }

    // The cell area as drawn, the frozen parts included.
    QImage CellShot() const { return Shot(form->Dane).copy(Cells()->geometry()); }

    static bool AllOf(const QImage& image, const QRect& area, QRgb colour)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != colour)
                    return false;
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(Show()); }

    void cleanupTestCase() { form.reset(); }

    void init()
    {
        ElementButtons[8 - 1]->Click();
        // Each case starts from the unscrolled grid.
        form->Dane->horizontalScrollBar()->setValue(0);
        form->Dane->verticalScrollBar()->setValue(0);
    }

    void cleanup() { QCOMPARE(messages.boxes.size(), 0); }

    void captionColumnAndFirstRowStay_data()
    {
        QTest::addColumn<PanelAction>("action");
        QTest::addColumn<bool>("valuesMove");
        QTest::newRow("click the caption of the half-hidden last row") << PanelAction::ClickLastCaption << false;
        QTest::newRow("click the cut-off right part of a value") << PanelAction::ClickValueEdge << false;
        QTest::newRow("wheel down") << PanelAction::WheelDown << false;
        QTest::newRow("wheel sideways") << PanelAction::WheelSideways << false;
        QTest::newRow("a caller asks to show the last row") << PanelAction::ShowLastRow << false;
        QTest::newRow("horizontal scroll bar to its end") << PanelAction::ScrollBarToEnd << true;
    }
    void captionColumnAndFirstRowStay()
    {
        QFETCH(PanelAction, action);
        QFETCH(bool, valuesMove);
        QTableWidget* grid = form->Dane;
        const QImage before = CellShot();
        const int bottom = Cells()->height() - 1;
        const int right = Cells()->width() - 1;
        switch (action) {
        case PanelAction::ClickLastCaption:
            QCOMPARE(grid->rowAt(bottom), 12); // the last row is only partly visible
            QTest::mouseClick(Cells(), Qt::LeftButton, {}, QPoint(20, bottom));
            break;
        case PanelAction::ClickValueEdge:
            QTest::mouseClick(Cells(), Qt::LeftButton, {}, QPoint(right - 2, 16 * 3 + 8));
            break;
        case PanelAction::WheelDown:
            Wheel(Cells(), QPoint(40, 60), QPoint(0, -120));
            Wheel(Cells(), QPoint(40, 60), QPoint(0, -120));
            break;
        case PanelAction::WheelSideways:
            Wheel(Cells(), QPoint(40, 60), QPoint(-120, 0));
            break;
        case PanelAction::ShowLastRow:
            grid->scrollToItem(grid->item(12, 0));
            break;
        case PanelAction::ScrollBarToEnd:
            QVERIFY(grid->horizontalScrollBar()->maximum() > 0);
            grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
            break;
        }
        // A click scrolls to its cell only after the double-click time.
        QTest::qWait(QApplication::doubleClickInterval() + 150);

        const QImage after = CellShot();
        const QRect captions(0, 0, 69, after.height());
        const QRect values(69, 0, after.width() - 69, after.height());
        QCOMPARE(after.copy(captions), before.copy(captions));
        QCOMPARE(after.copy(values) != before.copy(values), valuesMove);
        QCOMPARE(grid->rowViewportPosition(0), 0);

        // The row drawn under the pointer is the row the status line names,
        // over the captions as over the values.
        QCOMPARE(grid->rowAt(16 * 2 + 8), 2);
        for (int x : {20, right - 2}) {
            form->SetStatus(QString());
            QTest::mouseMove(Cells(), QPoint(x, 16 * 2 + 8));
            QCOMPARE(form->Podglad->text(), QStringLiteral("Liczba atomowa: 8"));
        }
    }

    void longTextsAreClippedNotElided_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("scroll"); // horizontal scroll bar position
        QTest::newRow("oxygen") << 8 << 0;
        QTest::newRow("mercury, long shells") << 80 << 0;
        QTest::newRow("mercury, scrolled to the end") << 80 << INT_MAX;
    }
    void longTextsAreClippedNotElided()
    {
        QFETCH(int, z);
        QFETCH(int, scroll);
        ElementButtons[z - 1]->Click();
        QScrollBar* bar = form->Dane->horizontalScrollBar();
        bar->setValue(qMin(scroll, bar->maximum()));
        TextRecorder recorder(form->Dane->size());
        form->Dane->render(&recorder);
        const QString painted = recorder.texts.join(QLatin1Char('|'));
        QVERIFY2(!painted.contains(QChar(0x2026)), qPrintable(painted));
        // Every caption is painted whole; the clipping is left to the cell.
        for (int row = 0; row < 13; ++row)
            QVERIFY2(recorder.texts.contains(form->Dane->item(row, 0)->text()), qPrintable(painted));
        QVERIFY2(recorder.texts.contains(PanelValue(*form, 12)), qPrintable(painted));
    }

    void cellsHaveTheirDesignedSizesOnScreen_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("index"); // which grid line, counted from 0
        QTest::addColumn<int>("at");    // where it is drawn in the cell area
        // Cells of 68 by 15 pixels, each followed by its grid line.
        QTest::newRow("after the caption column") << true << 0 << 68;
        QTest::newRow("under row 0") << false << 0 << 15;
        QTest::newRow("under row 1") << false << 1 << 31;
        QTest::newRow("under row 11") << false << 11 << 191;
    }
    void cellsHaveTheirDesignedSizesOnScreen()
    {
        QFETCH(bool, vertical);
        QFETCH(int, index);
        QFETCH(int, at);
        const QImage image = CellShot();
        const QRgb line = image.pixel(2, 15); // the grid line under the first caption
        const int rows = qMin(image.height(), 16 * 12);
        QList<int> lines;
        if (vertical) {
            for (int x = 0; x < image.width(); ++x)
                if (AllOf(image, QRect(x, 0, 1, rows), line))
                    lines << x;
        } else {
            for (int y = 0; y < rows; ++y)
                if (AllOf(image, QRect(0, y, 68, 1), line))
                    lines << y;
        }
        QVERIFY2(index < lines.size(), qPrintable(QString::number(lines.size())));
        QCOMPARE(lines[index], at);
    }

    void valueColumnIsAHundredPixelsWide()
    {
        // Scrolled to its end the value column's right grid line is the last
        // pixel of the cell area: 68 + 1 + 100 + 1 pixels in all.
        QScrollBar* bar = form->Dane->horizontalScrollBar();
        bar->setValue(bar->maximum());
        QCOMPARE(bar->maximum() + Cells()->width(), 170);
        const QImage image = CellShot();
        const QRgb line = image.pixel(2, 15);
        QVERIFY(AllOf(image, QRect(image.width() - 1, 0, 1, 16 * 12), line));
        QVERIFY(!AllOf(image, QRect(image.width() - 2, 0, 1, 16 * 12), line));
    }
};

QTEST_MAIN(TestDataPanel)
#include "tst_datapanel.moc"

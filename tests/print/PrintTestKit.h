// Shared pieces of the print dialog tests: the shared printer replaced by one
// that writes PDF files, the PDFs read back with poppler's tools, typing into
// a list and the texts of the boxes shown.
#pragma once

#include "platform/Platform.h"
#include "tests/TabWalk.h"
#include "tests/app/FakeMessages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>

// A printer writing PDF files; duringJob runs once from inside the next job.
class PdfPrinter final : public QPrinter {
public:
    PdfPrinter()
        : QPrinter(QPrinter::HighResolution)
    {
        setOutputFormat(QPrinter::PdfFormat);
    }
    mutable std::function<void()> duringJob;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        if (duringJob && printerState() == QPrinter::Active)
            std::exchange(duringJob, nullptr)();
        return QPrinter::metric(m);
    }
};

class FakePrinters final : public PrinterService {
public:
    FakePrinters()
    {
        printer.setOutputFileName(Pdf());
        platform::SetPrinters(this);
    }
    ~FakePrinters() override { platform::SetPrinters(nullptr); }

    QPrinter& Printer() override { return printer; }
    bool ExecPrintDialog(QWidget*) override
    {
        ++printDialogs;
        return accept;
    }
    void ExecPageSetupDialog(QWidget*) override { ++setupDialogs; }
    // The preview draws on the PDF printer, so that a test can read it.
    bool ExecPreviewDialog(QWidget*, const std::function<void(QPrinter&)>& paint) override
    {
        ++previewDialogs;
        paint(printer);
        return printFromPreview;
    }

    QString Pdf(const QString& name = QStringLiteral("job.pdf")) const { return dir.filePath(name); }

    QTemporaryDir dir;
    PdfPrinter printer;
    bool accept = true;
    bool printFromPreview = false;
    int printDialogs = 0;
    int setupDialogs = 0;
    int previewDialogs = 0;
};

// The columns and rows of a table of control names and their captions.
inline void CaptionColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
}
inline void CaptionRow(const char* name, const char* caption)
{
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
}

inline QByteArray RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

// A program's exit code (-1 when it crashed or hung) and its output.
struct Run {
    int code = -1;
    QByteArray out, err;
};

Run Exec(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// pdfinfo's "Key: value" lines.
inline QMap<QString, QString> PdfInfo(const QString& path)
{
    QMap<QString, QString> info;
    for (const QString& line : QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {path})).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0)
            info.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return info;
}

// The text of every page as pdftotext -layout sets it, one entry a page,
// each line without its trailing blanks, empty lines left out.
inline QList<QStringList> PdfPages(const QString& path)
{
    const QString text =
        QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}));
    QList<QStringList> pages;
    for (const QString& page : text.split(u'\f')) {
        QStringList lines;
        for (const QString& line : page.split(u'\n')) {
            const QString trimmed = line.trimmed();
            if (!trimmed.isEmpty())
                lines.append(trimmed);
        }
        pages.append(lines);
    }
    while (!pages.isEmpty() && pages.constLast().isEmpty()) // after the last page's form feed
        pages.removeLast();
    return pages;
}

// The first page rendered at dpi, and the box of its ink (dark pixels)
// within it.
struct PageInk {
    QSize page;
    QRect ink;
};
inline PageInk InkOf(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"),
                                         QStringLiteral("-gray"), pdf, stem});
    const QImage image(stem + QStringLiteral(".pgm"));
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return {image.size(), ink};
}

inline QStringList PdfLines(const QString& path)
{
    QStringList all;
    for (const QStringList& page : PdfPages(path))
        all += page;
    return all;
}

// Types text into a list's text field as a user would, replacing its text;
// a user types only into a dialog on the screen.
inline void Type(QComboBox* list, const QString& text)
{
    if (!list->window()->isVisible())
        list->window()->show();
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(list->lineEdit(), text);
}

inline QStringList Texts(const QList<RecordedBox>& boxes)
{
    QStringList texts;
    for (const RecordedBox& b : boxes)
        texts.append(b.text);
    return texts;
}

// A word-wrapped label's text, laid out as the label lays it out, inside
// the label's rectangle: no line cut off at the top or the bottom.
inline bool LabelTextFits(const QLabel& label)
{
    const QRect box = label.contentsRect();
    const QRect text = label.fontMetrics().boundingRect(box, Qt::TextWordWrap | int(label.alignment()), label.text());
    const bool fits = box.contains(text) && label.heightForWidth(label.width()) <= label.height();
    if (!fits)
        qWarning() << "text" << text << "in" << box << "needs height" << label.heightForWidth(label.width());
    return fits;
}

// The named controls of a dialog: its own children and those of its group
// boxes, without the toolkit's inner parts.
inline QList<QWidget*> Controls(QWidget& dialog)
{
    QList<QWidget*> controls;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        const bool placed =
            parent == &dialog || (qobject_cast<const QGroupBox*>(parent) && parent->parentWidget() == &dialog);
        if (placed && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            controls.append(w);
    }
    return controls;
}

inline QRect InDialog(QWidget& dialog, const QWidget* w) { return {w->mapTo(&dialog, QPoint(0, 0)), w->size()}; }

// What is wrong with a dialog's layout as the user sees it: a control out of
// its dialog or group box, or across a group box's edge; two controls on one
// another; a label whose text does not fit its box.
inline QStringList LayoutFaults(QWidget& dialog)
{
    QStringList faults;
    QList<QWidget*> groups, leaves;
    for (QWidget* w : Controls(dialog))
        (qobject_cast<QGroupBox*>(w) ? groups : leaves).append(w);
    for (QWidget* w : groups + leaves) {
        if (!dialog.rect().contains(InDialog(dialog, w)) || !w->parentWidget()->rect().contains(w->geometry()))
            faults << w->objectName() + QStringLiteral(" sticks out of ") + w->parentWidget()->objectName();
    }
    for (qsizetype i = 0; i < leaves.size(); ++i) {
        const QRect r = InDialog(dialog, leaves[i]);
        for (QWidget* g : groups) {
            const QRect box = InDialog(dialog, g);
            if (r.intersects(box) && !box.contains(r))
                faults << leaves[i]->objectName() + QStringLiteral(" lies across the edge of ") + g->objectName();
        }
        for (qsizetype j = i + 1; j < leaves.size(); ++j) {
            if (r.intersects(InDialog(dialog, leaves[j])))
                faults << leaves[i]->objectName() + QStringLiteral(" and ") + leaves[j]->objectName()
                              + QStringLiteral(" overlap");
        }
        if (auto* label = qobject_cast<QLabel*>(leaves[i]); label && !label->text().isEmpty() && !LabelTextFits(*label))
            faults << leaves[i]->objectName() + QStringLiteral("'s text does not fit");
    }
    return faults;
}

// The controls the Tab key (Shift+Tab with back) takes the focus to, from
// first until it comes round again.
inline QStringList TabOrder(QWidget& dialog, QWidget* first, bool back = false)
{
    const QList<QWidget*> controls = Controls(dialog);
    QStringList order;
    for (QWidget* w : TabWalk(first, back)) {
        QWidget* control = w;
        while (control && !controls.contains(control))
            control = control->parentWidget();
        order << (control ? control->objectName() : QStringLiteral("?"));
    }
    return order;
}

// The controls that take the Tab key, in reading order: by rows, each row
// from left to right.
inline QStringList ReadingOrder(QWidget& dialog)
{
    QList<QWidget*> inputs;
    for (QWidget* w : Controls(dialog))
        if (w->focusPolicy() & Qt::TabFocus)
            inputs.append(w);
    std::sort(inputs.begin(), inputs.end(), [&](QWidget* a, QWidget* b) {
        const QRect ra = InDialog(dialog, a), rb = InDialog(dialog, b);
        return std::pair(ra.y(), ra.x()) < std::pair(rb.y(), rb.x());
    });
    QStringList names;
    for (QWidget* w : inputs)
        names << w->objectName();
    return names;
}

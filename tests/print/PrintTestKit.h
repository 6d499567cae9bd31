// Shared pieces of the report tests: the shared printer replaced by one that
// writes PDF files, and the PDFs read back with poppler's tools.
#pragma once

#include "platform/Platform.h"

#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class FakePrinters final : public PrinterService {
public:
    FakePrinters()
        : printer(QPrinter::HighResolution)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
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

    QString Pdf(const QString& name = QStringLiteral("report.pdf")) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QPrinter printer;
    bool accept = true;
    int printDialogs = 0;
    int setupDialogs = 0;
};

inline QByteArray RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
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

inline QStringList PdfLines(const QString& path)
{
    QStringList all;
    for (const QStringList& page : PdfPages(path))
        all += page;
    return all;
}

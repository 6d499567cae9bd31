#include "platform/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QMessageBox::Icon IconFor(int flags)
{
    switch (flags & mb::IconMask) {
    case mb::IconStop:
        return QMessageBox::Critical;
    case mb::IconQuestion:
        return QMessageBox::Question;
    case mb::IconExclamation:
        return QMessageBox::Warning;
    case mb::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The program writes its line breaks as CR LF; the toolkit lays out LF.
QString DisplayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void Prepare(QMessageBox& box, const QString& text, const QString& caption, int flags)
{
    box.setIcon(IconFor(flags));
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText); // texts carry file names and data, never markup
    box.setText(DisplayText(text));
    if ((flags & mb::ButtonMask) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
}

int ResultCode(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return mb::ResultYes;
    case QMessageBox::No:
        return mb::ResultNo;
    case QMessageBox::Ok:
        return mb::ResultOk;
    default:
        return 0;
    }
}

// Where the printer prints: a named printer, or a file.
struct PrinterChoice {
    QPrinter::OutputFormat format;
    QString printerName;
    QString fileName;
};

PrinterChoice ChoiceOf(const QPrinter& printer)
{
    return {printer.outputFormat(), printer.printerName(), printer.outputFileName()};
}

// The print dialog selects the system's default printer as it is built,
// and sets it on the printer, whatever the last job printed to; the choice
// of the last job is made again. (Its printer list and file field carry
// these names in the toolkit's dialog; without them the default stays.)
void ChooseAgain(QPrintDialog& dialog, QPrinter& printer, const PrinterChoice& choice)
{
    if (choice.format == QPrinter::PdfFormat) {
        // The dialog selects its file entry when it shows a printer that
        // prints to a file.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.fileName);
        if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename")); field && !choice.fileName.isEmpty())
            field->setText(choice.fileName);
        return;
    }
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    const int row = list ? list->findText(choice.printerName) : -1;
    if (row >= 0)
        list->setCurrentIndex(row);
}

} // namespace

void QtMessageService::ShowOwnerless(const QString& text, const QString& caption, int flags)
{
    // A nested event loop instead of exec(): exec() would make the box modal
    // and disable the program's windows, which a notice must not do.
    QMessageBox box;
    Prepare(box, text, caption, flags);
    // While a modal dialog runs, the toolkit would block a box that is not
    // modal itself; the program's windows are disabled by that dialog anyway.
    box.setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    box.raise();
    box.activateWindow();
    loop.exec();
}

int QtMessageService::ShowApplicationModal(const QString& text, const QString& caption, int flags)
{
    QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    QMessageBox box;
    Prepare(box, text, caption, flags);
    box.setWindowModality(Qt::ApplicationModal);
    const int button = box.exec();
    if (previouslyActive)
        previouslyActive->activateWindow();
    return ResultCode(button);
}

QString QtPathService::ProgramFolder() const { return QCoreApplication::applicationDirPath(); }

QString QtPathService::SettingsFile() const
{
    // Per user: a machine-wide file could not be written by an ordinary
    // user, and every shutdown would lose the settings.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Morvane/Zefirak.reg");
}

QString QtFileDialogService::GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                                             const QString& filter, const QString& defaultSuffix)
{
    // "Description|*.ext" is the program's filter form; the toolkit wants
    // "Description (*.ext)".
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString nameFilter =
        parts.size() == 2 ? parts[0] + QStringLiteral(" (") + parts[1] + QLatin1Char(')') : filter;
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtColorDialogService::ChooseColor(QWidget* parent, QColor& color)
{
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

QDateTime QtClockService::Now() const { return QDateTime::currentDateTime(); }

QPrinter& QtPrinterService::Printer()
{
    if (!m_printer)
        m_printer = new QPrinter(QPrinter::HighResolution);
    return *m_printer;
}

bool QtPrinterService::ExecPrintDialog(QWidget* parent)
{
    QPrinter& printer = Printer();
    const PrinterChoice choice = ChoiceOf(printer);
    QPrintDialog dialog(&printer, parent);
    ChooseAgain(dialog, printer, choice);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinterService::ExecPageSetupDialog(QWidget* parent)
{
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.exec();
}

void QtPrinterService::ExecPreviewDialog(QWidget* parent, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* printer) { paint(*printer); });
    dialog.exec();
}

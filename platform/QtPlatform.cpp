#include "platform/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
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
    // The buttons' words are the program's own: the toolkit's come from its
    // translation catalogue, which a system may lack, and then speak English.
    if ((flags & mb::ButtonMask) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
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

bool InstalledLayout(const QString& programFolder)
{
    // Told by the layout the program's library path (RPATH) already relies
    // on, not by a marker file: every copy of the build folder would have to
    // carry the marker, and one that lost it would move its skin unnoticed.
    // The file is the one the program binds (its soname), in the folder the
    // install rules put it in.
    const QString library = QStringLiteral("libDane.so.1");
    const QDir folder(programFolder);
    return !programFolder.isEmpty() && !QFileInfo::exists(folder.filePath(library))
           && QFileInfo::exists(folder.filePath(QStringLiteral("../lib/zefirak/") + library));
}

bool QtPathService::Installed() const { return InstalledLayout(ProgramFolder()); }

QString QtPathService::SettingsFile() const
{
    // Per user: a machine-wide file could not be written by an ordinary
    // user, and every shutdown would lose the settings.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Morvane/Zefirak.reg");
}

namespace {

// "Description|*.ext" is the program's filter form; the toolkit wants
// "Description (*.ext)".
QString NameFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    return parts.size() == 2 ? parts[0] + QStringLiteral(" (") + parts[1] + QLatin1Char(')') : filter;
}

// A save dialog that asks nothing itself about an existing file.
void PrepareSave(QFileDialog& dialog, const QString& fileName)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(fileName);
}

} // namespace

QString QtFileDialogService::GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                                             const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, title);
    dialog.setNameFilter(NameFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    PrepareSave(dialog, fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogService::GetSaveFileNameOfType(QWidget* parent, const QString& title, const QString& fileName,
                                                   const QStringList& types, int& type)
{
    QStringList filters, endings;
    for (const QString& t : types) {
        filters << NameFilter(t);
        endings << t.section(QLatin1Char('.'), -1);
    }
    const auto offered = [&endings](const QString& path) {
        return endings.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
    };
    QFileDialog dialog(parent, title);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(type));
    dialog.setDefaultSuffix(endings.value(type));
    PrepareSave(dialog, fileName);
    // Another type chosen: the name shown takes its ending, so that the name
    // and the type agree.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const qsizetype i = filters.indexOf(filter);
        if (i < 0)
            return;
        dialog.setDefaultSuffix(endings[i]);
        const QStringList typed = dialog.selectedFiles();
        if (!typed.isEmpty() && offered(typed.constFirst()))
            dialog.selectFile(QFileInfo(typed.constFirst()).completeBaseName() + QLatin1Char('.') + endings[i]);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    type = std::max<int>(0, int(filters.indexOf(dialog.selectedNameFilter())));
    QString path = dialog.selectedFiles().constFirst();
    // The toolkit adds the ending only to a name with none ("chart.v2" keeps
    // its own); the file's type is the one chosen, and its ending says so.
    if (!offered(path))
        path += QLatin1Char('.') + endings.value(type);
    return path;
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
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString fileName = printer.outputFileName();
    QPrintDialog dialog(&printer, parent);
    // As it is built, the dialog selects the system's default printer and
    // sets it on the printer, even when the last job went to a file (a
    // named printer it selects again by itself). A printer that prints to a
    // file when the dialog shows makes it select its file entry.
    if (toFile) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
    }
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinterService::ExecPageSetupDialog(QWidget* parent)
{
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.exec();
}

bool QtPrinterService::ExecPreviewDialog(QWidget* parent, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* printer) { paint(*printer); });
    // The preview's own print would skip the program's checks and its
    // report of a job that failed, and choose its printer anew: its print
    // button ends the preview and the program prints. The button is known
    // by its text, which the toolkit translates under this context.
    constexpr int PrintChosen = 2;
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() != print)
            continue;
        QObject::disconnect(action, nullptr, &dialog, nullptr);
        QObject::connect(action, &QAction::triggered, &dialog, [&dialog] { dialog.done(PrintChosen); });
    }
    return dialog.exec() == PrintChosen;
}

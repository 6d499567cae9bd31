// The narrow doors between the program and the platform. Message boxes, the
// program folder, the settings file, file and colour dialogs, the clock and the printer are reached only
// through these services, so a test can point them at a fake, a temporary
// folder, a fixed time or a PDF file.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

// Message-box style flags: the button set in the low nibble, the icon
// above it; and the results of the pressed button.
namespace mb {
constexpr int Ok = 0;
constexpr int YesNo = 4;
constexpr int ButtonMask = 0x0F;
constexpr int IconStop = 16;
constexpr int IconQuestion = 32;
constexpr int IconExclamation = 48;
constexpr int IconInformation = 64;
constexpr int IconMask = 0xF0;
constexpr int ResultOk = 1;
constexpr int ResultYes = 6;
constexpr int ResultNo = 7;
} // namespace mb

class MessageService {
public:
    virtual ~MessageService() = default;
    // A box without an owner: the program's windows stay usable while it is
    // open. Returns when the box is dismissed.
    virtual void ShowOwnerless(const QString& text, const QString& caption, int flags) = 0;
    // A box modal to the whole application. Returns the platform's result
    // code of the pressed button (6 Yes, 7 No, 1 OK), 0 when none was shown.
    virtual int ShowApplicationModal(const QString& text, const QString& caption, int flags) = 0;
};

class PathService {
public:
    virtual ~PathService() = default;
    // The folder that holds the program file (and the data library).
    virtual QString ProgramFolder() const = 0;
    // The settings store's file: "Morvane/Zefirak.reg" in the user's
    // configuration folder (normally ~/.config).
    virtual QString SettingsFile() const = 0;
    // True for a copy installed under a prefix, which must never write under
    // it, whoever runs it; false for the build folder or a copy of it, which
    // keeps its skin files beside itself. A temporary program folder is the
    // latter, hence the default.
    virtual bool Installed() const { return false; }
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // A save-file dialog; returns the chosen path, or an empty text when
    // the user cancels. filter is "Description|*.ext"; the dialog adds
    // defaultSuffix to a name typed without one and asks nothing itself
    // about an existing file.
    virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                                    const QString& filter, const QString& defaultSuffix) = 0;
    // A save-file dialog offering several types, each "Description|*.ext".
    // type is the one offered first, and on return the one chosen, whose
    // ending a name typed without one of the types' endings gets. A service
    // that knows one type only offers the first.
    virtual QString GetSaveFileNameOfType(QWidget* parent, const QString& title, const QString& fileName,
                                          const QStringList& types, int& type)
    {
        const QString only = types.value(type);
        return GetSaveFileName(parent, title, fileName, only, only.section(QLatin1Char('.'), -1));
    }
};

class ColorDialogService {
public:
    virtual ~ColorDialogService() = default;
    // The platform's colour-choosing dialog, preset with color. True when
    // the user confirmed; color then holds the choice. Unchanged otherwise.
    virtual bool ChooseColor(QWidget* parent, QColor& color) = 0;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDateTime Now() const = 0;
};

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // The program's one printer, shared by every print of the run: what one
    // print or the setup dialog sets on it stays for the next.
    virtual QPrinter& Printer() = 0;
    // The system print dialog for Printer(); true when the user chose to print.
    virtual bool ExecPrintDialog(QWidget* parent) = 0;
    // The system printer setup dialog (paper, orientation, margins) for Printer().
    virtual void ExecPageSetupDialog(QWidget* parent) = 0;
    // A full-page preview of what paint draws on Printer(); paint begins and
    // ends its own job. True when the user chose to print from it: the
    // caller then prints as its own print button does.
    virtual bool ExecPreviewDialog(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

namespace platform {

MessageService& Messages();
PathService& Paths();
FileDialogService& FileDialogs();
ColorDialogService& ColorDialogs();
ClockService& Clock();
PrinterService& Printers();

// Swap a service; nullptr puts the real one back. The caller keeps ownership
// and must keep the object alive while it is installed.
void SetMessages(MessageService* service);
void SetPaths(PathService* service);
void SetFileDialogs(FileDialogService* service);
void SetColorDialogs(ColorDialogService* service);
void SetClock(ClockService* service);
void SetPrinters(PrinterService* service);

} // namespace platform

// The real platform services, built on Qt.
#pragma once

#include "platform/Platform.h"

class QtMessageService final : public MessageService {
public:
    void ShowOwnerless(const QString& text, const QString& caption, int flags) override;
    int ShowApplicationModal(const QString& text, const QString& caption, int flags) override;
};

class QtPathService final : public PathService {
public:
    QString ProgramFolder() const override;
    QString SettingsFile() const override;
    bool Installed() const override;
};

// True when programFolder holds an installed copy: the data library is not
// beside the program but in ../lib/zefirak (bin/ and lib/zefirak/ of a prefix). The loader
// looks beside the program first, so a folder with both is a copy that
// brought its own library, not an installed one.
bool InstalledLayout(const QString& programFolder);

class QtFileDialogService final : public FileDialogService {
public:
    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName, const QString& filter,
                            const QString& defaultSuffix) override;
    QString GetSaveFileNameOfType(QWidget* parent, const QString& title, const QString& fileName,
                                  const QStringList& types, int& type) override;
};

class QtColorDialogService final : public ColorDialogService {
public:
    bool ChooseColor(QWidget* parent, QColor& color) override;
};

class QtClockService final : public ClockService {
public:
    QDateTime Now() const override;
};

class QtPrinterService final : public PrinterService {
public:
    QPrinter& Printer() override;
    bool ExecPrintDialog(QWidget* parent) override;
    void ExecPageSetupDialog(QWidget* parent) override;
    bool ExecPreviewDialog(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;

private:
    // Made on first use, as the service exists before the application object
    // and a printer needs it; never destroyed, like the program's windows, so
    // that it does not outlive the printing plug-in at exit.
    QPrinter* m_printer = nullptr;
};

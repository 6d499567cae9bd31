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
};

class QtFileDialogService final : public FileDialogService {
public:
    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                            const QString& filter, const QString& defaultSuffix) override;
};

class QtClockService final : public ClockService {
public:
    QDateTime Now() const override;
};

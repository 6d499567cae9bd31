// Points the program folder at a fresh temporary folder for as long as it
// lives, so that what the program writes beside itself (the skin) and its
// settings file stay out of the build tree and the home folder.
#pragma once

#include "platform/Platform.h"

#include <QTemporaryDir>

class TempProgramFolder final : public PathService {
public:
    TempProgramFolder() { platform::SetPaths(this); }
    ~TempProgramFolder() override { platform::SetPaths(nullptr); }
    QString ProgramFolder() const override { return dir.path(); }
    QString SettingsFile() const override { return dir.filePath(QStringLiteral("Morvane/Zefirak.reg")); }
    bool Installed() const override { return installed; }

    QTemporaryDir dir;
    // As a copy installed under a prefix rather than a copy of the build.
    bool installed = false;
};

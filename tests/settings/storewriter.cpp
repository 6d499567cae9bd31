// Writes the settings store at argv[1] once, from empty controls, as the
// program does at shutdown; the skin's colour file goes to a folder of its
// own. For tests that kill a writer part way.
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

struct TempPaths final : PathService {
    QTemporaryDir dir;
    QString ProgramFolder() const override { return dir.path(); }
    QString SettingsFile() const override { return QString(); }
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TempPaths paths;
    platform::SetPaths(&paths);
    PrintSettings empty;
    empty.table = {QString(), 0, 0, 0, 0, false, {}};
    empty.report = {QString(), 0};
    const QStringList problems = WriteReg(QString::fromLocal8Bit(argv[1]), empty);
    platform::SetPaths(nullptr);
    return problems.isEmpty() ? 0 : 1;
}

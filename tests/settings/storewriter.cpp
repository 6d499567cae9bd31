// Writes the settings store at argv[1] once, from empty controls, as the
// program does at shutdown; the skin's colour file goes to a folder of its
// own. For tests that kill a writer part way.
#include "platform/Platform.h"
#include "settings/SettingsStore.h"

#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

struct EmptyHomes final : SettingsHomes {
    QString ReportFontName() const override { return QString(); }
    void SelectReportFont(const QString&) override {}
    QString TableFontName() const override { return QString(); }
    void SelectTableFont(const QString&) override {}
    int ItemIndex(List) const override { return -1; }
    void SetItemIndex(List, int) override {}
    bool FieldBold() const override { return false; }
    void SetFieldBold(bool) override {}
    QStringList FieldLines() const override { return {}; }
    void SetFieldLines(const QStringList&) override {}
};

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
    const QStringList problems = WriteReg(QString::fromLocal8Bit(argv[1]), EmptyHomes());
    platform::SetPaths(nullptr);
    return problems.isEmpty() ? 0 : 1;
}

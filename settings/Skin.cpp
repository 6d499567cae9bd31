#include "settings/Skin.h"

#include "builtin/blocks/BuiltInBlocks.h"
#include "builtin/codec/ExpandBuiltIn.h"
#include "platform/Platform.h"
#include "platform/RegularFile.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

TColorScheme ColorScheme;
TSkinRegion SkinRegion;

namespace {

// A colour scheme is a few lines; anything this big is not one, and reading
// it whole is not worth the memory.
constexpr qint64 kMaxColorFileBytes = 1 << 20;

QString cachedProgramFolder;
QString cachedSkinFolder;
bool cached = false;

// No window outline comes near this; the parser rejects what it cannot
// use, so the bound only keeps a huge file from being read.
constexpr qint64 kMaxOutlineFileBytes = 1 << 20;

QByteArray Bytes(const std::vector<uint8_t>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

} // namespace

bool FolderWritable(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".zfk-probe-XXXXXX")));
    return probe.open(); // removed again when probe goes
}

QString ChooseSkinFolder(const QString& programFolder, const QString& userFolder, bool installed)
{
    // Qt gives a data folder even without a home (under /), so an installed
    // copy always has one; writes that fail there are reported as anywhere.
    if (installed && !userFolder.isEmpty()) {
        QDir().mkpath(userFolder);
        return userFolder;
    }
    if (FolderWritable(programFolder))
        return programFolder;
    if (!userFolder.isEmpty() && QDir().mkpath(userFolder) && FolderWritable(userFolder))
        return userFolder;
    return programFolder;
}

QString RefreshSkinFolder()
{
    cachedProgramFolder = platform::Paths().ProgramFolder();
    cachedSkinFolder =
        ChooseSkinFolder(cachedProgramFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                         platform::Paths().Installed());
    cached = true;
    return cachedSkinFolder;
}

QString SkinFolder()
{
    if (!cached || platform::Paths().ProgramFolder() != cachedProgramFolder)
        return RefreshSkinFolder();
    return cachedSkinFolder;
}

QString SkinFilePath(const QString& fileName) { return QDir(SkinFolder()).filePath(fileName); }

TColorScheme ReadColors(const QString& /*name*/)
{
    const RegularFileRead file = ReadRegularFile(SkinFilePath(skinfile::Colors), kMaxColorFileBytes);
    if (file.status != RegularFileRead::Status::Read)
        return TColorScheme{};
    const QByteArray& text = file.bytes;
    return ColorsFromIni(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

QString WriteColors(const QString& /*name*/, TColor transparent, TColor app_buttons, TColor app_legend, TColor app_info,
                    bool but_transp)
{
    const QString path = SkinFilePath(skinfile::Colors);
    QByteArray existing;
    RegularFileRead file = ReadRegularFile(path, kMaxColorFileBytes);
    switch (file.status) {
    case RegularFileRead::Status::Read:
        existing = std::move(file.bytes);
        break;
    case RegularFileRead::Status::Missing:
        break;
    case RegularFileRead::Status::Unreadable:
        // Rather not write than lose what the user keeps in the file.
        return QStringLiteral("nie można odczytać istniejącego pliku (%1), więc nie został zastąpiony")
            .arg(file.reason);
    case RegularFileRead::Status::TooLarge:
    case RegularFileRead::Status::NotRegular:
        // Not a colour scheme: kept aside once, and a new file holds the
        // colours, so the next write does not stumble on it again.
        if (const QString why = SetAside(path, path + DamagedSkinSuffix); !why.isEmpty())
            return QStringLiteral("nie można przenieść nieprawidłowego pliku do %1 (%2)")
                .arg(QDir::toNativeSeparators(path + DamagedSkinSuffix), why);
        break;
    }
    const std::string text = ColorsIntoIni(std::string_view(existing.constData(), static_cast<size_t>(existing.size())),
                                           TColorScheme{transparent, app_buttons, app_legend, app_info, but_transp});
    return SaveWhole(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::vector<uint8_t> BuiltInBackground()
{
    std::vector<uint8_t> out;
    ExpandBuiltIn(DefaultBmpBlock(), AppendTo(out));
    return out;
}

std::vector<uint8_t> BuiltInOutline()
{
    std::vector<uint8_t> out;
    ExpandBuiltIn(ZfkMainRgnBlock(), AppendTo(out));
    return out;
}

QList<FileProblem> WriteDefaultSkinTo(const QString& folder, DefaultSkinFiles which)
{
    const QDir dir(folder);
    QList<FileProblem> problems;
    auto write = [&](const QString& name, const std::function<std::vector<uint8_t>()>& builtIn) {
        const QString path = dir.filePath(name);
        if (which == DefaultSkinFiles::Missing && KindOfFile(path) != FileKind::Missing)
            return;
        if (const QString why = SaveWhole(path, Bytes(builtIn())); !why.isEmpty())
            problems += FileProblem{path, why};
    };
    write(skinfile::Background, BuiltInBackground);
    write(skinfile::Outline, BuiltInOutline);
    const TColorScheme defaults;
    ColorScheme.transparent = defaults.transparent;
    ColorScheme.app_buttons = defaults.app_buttons;
    ColorScheme.app_legend = defaults.app_legend;
    ColorScheme.app_info = defaults.app_info;
    return problems;
}

QList<FileProblem> WriteDefaultSkin() { return WriteDefaultSkinTo(SkinFolder()); }

QRegion RegionFromRects(std::span<const RegionRect> rects)
{
    // Uniting one rectangle at a time costs time quadratic in their number;
    // halves keep the regions being joined of similar size.
    if (rects.empty())
        return QRegion();
    if (rects.size() == 1) {
        const RegionRect& r = rects.front();
        return QRegion(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    const size_t half = rects.size() / 2;
    return RegionFromRects(rects.first(half)).united(RegionFromRects(rects.subspan(half)));
}

OutlineLoad LoadOutline(const QString& path, RegionError* error)
{
    const RegularFileRead file = ReadRegularFile(path, kMaxOutlineFileBytes);
    if (file.status == RegularFileRead::Status::TooLarge) {
        if (error)
            *error = RegionError::TooLarge;
        SkinRegion = TSkinRegion{};
        return OutlineLoad::Invalid;
    }
    if (file.status != RegularFileRead::Status::Read)
        return OutlineLoad::NotOpened;
    const QByteArray& bytes = file.bytes;
    const std::span<const uint8_t> raw(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       static_cast<size_t>(bytes.size()));
    std::vector<RegionRect> rects;
    const RegionError result = ParseRegionFile(raw, rects);
    if (error)
        *error = result;
    if (result != RegionError::None) {
        SkinRegion = TSkinRegion{};
        return OutlineLoad::Invalid;
    }
    TSkinRegion loaded;
    loaded.count = static_cast<uint32_t>(raw[0] | raw[1] << 8 | raw[2] << 16 | uint32_t(raw[3]) << 24);
    loaded.data.assign(raw.begin() + 4, raw.begin() + 4 + loaded.count);
    loaded.region = RegionFromRects(rects);
    SkinRegion = std::move(loaded);
    return OutlineLoad::Loaded;
}

QString RegionErrorText(RegionError error)
{
    switch (error) {
    case RegionError::None:
        return QString();
    case RegionError::NoCount:
        return QStringLiteral("plik jest krótszy niż 4 bajty");
    case RegionError::TooLarge:
        return QStringLiteral("zapowiedziano zbyt wiele danych");
    case RegionError::Truncated:
        return QStringLiteral("plik jest krótszy, niż zapowiada");
    case RegionError::BadHeaderSize:
    case RegionError::NotRectangles:
    case RegionError::BadBufferSize:
        return QStringLiteral("nieprawidłowy nagłówek");
    case RegionError::CountMismatch:
        return QStringLiteral("liczba prostokątów nie zgadza się z rozmiarem danych");
    case RegionError::NoRectangles:
        return QStringLiteral("brak prostokątów");
    case RegionError::BadRectangle:
        return QStringLiteral("nieprawidłowy prostokąt");
    }
    return QString();
}

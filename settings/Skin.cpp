#include "settings/Skin.h"

#include "builtin/blocks/BuiltInBlocks.h"
#include "builtin/codec/ExpandBuiltIn.h"
#include "platform/Platform.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool WriteWhole(const QString& path, const QByteArray& bytes) { return SaveWhole(path, bytes).isEmpty(); }

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
    QFile file(SkinFilePath(skinfile::Colors));
    if (file.size() > kMaxColorFileBytes || !file.open(QIODevice::ReadOnly))
        return TColorScheme{};
    const QByteArray text = file.read(kMaxColorFileBytes);
    return ColorsFromIni(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

bool WriteColors(const QString& /*name*/, TColor transparent, TColor app_buttons, TColor app_legend, TColor app_info,
                 bool but_transp)
{
    const QString path = SkinFilePath(skinfile::Colors);
    QByteArray existing;
    QFile file(path);
    if (file.exists()) {
        // Rather not write than lose what the user keeps in the file.
        if (file.size() > kMaxColorFileBytes || !file.open(QIODevice::ReadOnly))
            return false;
        existing = file.readAll();
        file.close();
    }
    const std::string text = ColorsIntoIni(std::string_view(existing.constData(), static_cast<size_t>(existing.size())),
                                           TColorScheme{transparent, app_buttons, app_legend, app_info, but_transp});
    return WriteWhole(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
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

bool WriteDefaultSkinTo(const QString& folder)
{
    const QDir dir(folder);
    const bool background = WriteWhole(dir.filePath(skinfile::Background), Bytes(BuiltInBackground()));
    const bool outline = WriteWhole(dir.filePath(skinfile::Outline), Bytes(BuiltInOutline()));
    const TColorScheme defaults;
    ColorScheme.transparent = defaults.transparent;
    ColorScheme.app_buttons = defaults.app_buttons;
    ColorScheme.app_legend = defaults.app_legend;
    ColorScheme.app_info = defaults.app_info;
    return background && outline;
}

bool WriteDefaultSkin() { return WriteDefaultSkinTo(SkinFolder()); }

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return OutlineLoad::NotOpened;
    // Never more than the largest outline accepted; a longer file is
    // rejected by its count or has only ignored bytes beyond.
    const QByteArray bytes = file.read(4 + qint64(kMaxRegionBytes));
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return OutlineLoad::NotOpened;
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

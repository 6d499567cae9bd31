// The skin: three files that give the frameless main window its background
// picture ("default.bmp"), its outline ("zfkmain.rgn") and the colours of
// its captions ("default.col"). The built-in default skin is written out
// when a file is missing. LoadSkinOnto and PaintSkinBackground (SkinLoad.cpp)
// put them on the main window.
#pragma once

#include "settings/ColorSchemeFile.h"
#include "settings/RegionFile.h"

#include <QList>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QPainter;
class QWidget;

// The colours of the skin now in use. Holds the defaults (flag true) until
// the first skin is loaded.
extern TColorScheme ColorScheme;

// The window outline as last loaded: the region bytes as read, their count
// N and the shape made from them. Empty (N = 0) when no valid outline is
// loaded, in which case the window keeps its full rectangle.
struct TSkinRegion {
    std::vector<uint8_t> data;
    uint32_t count = 0;
    QRegion region;
};
extern TSkinRegion SkinRegion;

namespace skinfile {
inline const QString Colors = QStringLiteral("default.col");
inline const QString Outline = QStringLiteral("zfkmain.rgn");
inline const QString Background = QStringLiteral("default.bmp");
} // namespace skinfile

// Where a damaged skin file, or something that is not a file in its place,
// is kept for the user.
inline const QString DamagedSkinSuffix = QStringLiteral(".bad");

// A file that could not be written, with the system's reason.
struct FileProblem {
    QString path;
    QString reason;
};

// The folder of the skin files: for an installed copy the per-user data
// folder, created if needed; otherwise the program folder, or, when that
// cannot be written, the per-user data folder. Decided again by
// RefreshSkinFolder (loadskin calls it) and whenever the program folder
// changes; otherwise remembered, so a paint does not probe the disk.
QString SkinFolder();
QString RefreshSkinFolder();
// The rule itself. Installed: userFolder, made if it can be, whether or not it
// can be written (an installed copy never writes under its prefix, not even
// as root). Otherwise: programFolder if a file can be created in it, else
// userFolder if it exists or can be made and a file can be created in it,
// else programFolder (whose writes will then fail and be reported).
QString ChooseSkinFolder(const QString& programFolder, const QString& userFolder, bool installed = false);
// True when a new file can be created in folder (tried, not guessed from
// permission bits, which say nothing about read-only mounts or root).
bool FolderWritable(const QString& folder);

// Path of a skin file in SkinFolder().
QString SkinFilePath(const QString& fileName);

// Reads "default.col" from the skin folder; a missing or unusable file
// (not a regular file, over 1 MB), keys or values give the defaults. The
// name is not used: there is one skin.
TColorScheme ReadColors(const QString& name);

// Writes the five keys into "default.col" in the skin folder, keeping all
// else in the file. The file is replaced atomically: a crash or a full disk
// leaves the old file. One that is too large or not a regular file is
// moved to "default.col.bad" first and a new one written. Empty when
// written, else why not (the caller decides what the user is told). The
// name is not used.
QString WriteColors(const QString& name, TColor transparent, TColor app_buttons, TColor app_legend, TColor app_info,
                    bool but_transp);

enum class DefaultSkinFiles : uint8_t {
    All,     // both files, replacing what is there
    Missing, // only those the folder lacks
};
// Writes the built-in "default.bmp" and "zfkmain.rgn" into the skin folder
// (each replaced atomically) and resets the four colours of ColorScheme
// (not the flag) either way. Gives each file that could not be written,
// with the reason.
QList<FileProblem> WriteDefaultSkin();
QList<FileProblem> WriteDefaultSkinTo(const QString& folder, DefaultSkinFiles which = DefaultSkinFiles::All);

// The built-in files, expanded.
std::vector<uint8_t> BuiltInBackground();
std::vector<uint8_t> BuiltInOutline();

// The union of the rectangles.
QRegion RegionFromRects(std::span<const RegionRect> rects);

enum class OutlineLoad {
    Loaded,    // SkinRegion holds the new outline
    NotOpened, // the file could not be opened or read; SkinRegion unchanged
    Invalid,   // the file is damaged; SkinRegion emptied
};
// Reads an outline file into SkinRegion. error gets the reason for Invalid.
OutlineLoad LoadOutline(const QString& path, RegionError* error = nullptr);

// A few words (Polish) about why an outline was rejected, for messages.
QString RegionErrorText(RegionError error);

// Loads the skin onto the main window: writes the default files where one is
// missing, reads the colours (applyCaptionColours puts them on the window's
// captions), and shapes window by the outline. Failures are reported in a
// box and leave the window usable; nothing here ends the program.
void LoadSkinOnto(QWidget& window, const std::function<void()>& applyCaptionColours);

// Paints the background picture, read from disk at every paint.
void PaintSkinBackground(QPainter& painter);

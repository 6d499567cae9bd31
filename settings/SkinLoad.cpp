// The main window's skin: loading it (colours, outline) and painting its
// background picture.
#include "settings/Skin.h"

#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "platform/RegularFile.h"
#include "platform/SaveFile.h"
#include "widgets/Bitmap.h"
#include "widgets/WindowShape.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <exception>

namespace {

// A background bigger than this cannot be meant for the window and would
// only cost time and memory at every paint.
constexpr int kMaxBackgroundSide = 8192;
// The largest file such a picture can take: four bytes a pixel, the
// largest header and a full colour table.
constexpr qint64 kMaxBackgroundBytes = qint64(kMaxBackgroundSide) * kMaxBackgroundSide * 4 + 14 + 124 + 256 * 4;

// Moves a damaged outline file aside (replacing an older one there) and
// writes the built-in outline in its place, so the damage is reported once
// and the user's file is kept. False when the folder does not allow it;
// the damaged file is then where it was.
bool SetAsideDamagedOutline(const QString& outline)
{
    const QString aside = outline + DamagedSkinSuffix;
    if (!SetAside(outline, aside).isEmpty())
        return false;
    const std::vector<uint8_t> builtIn = BuiltInOutline();
    if (SaveWhole(outline, QByteArray(reinterpret_cast<const char*>(builtIn.data()), qsizetype(builtIn.size())))
            .isEmpty())
        return true;
    QFile::rename(aside, outline);
    return false;
}

void LoadSkinSteps(QWidget& window, const std::function<void()>& applyCaptionColours)
{
    // The skin folder is the program folder unless that cannot be written.
    const QString folder = RefreshSkinFolder();
    const QDir dir(folder);
    QDir::setCurrent(folder);

    // A folder, a device or a pipe in a skin file's place is moved aside
    // where the folder allows (it cannot be copied), and the file counts as
    // missing; where it stays, it is read as a file that cannot be opened.
    bool missing = false;
    for (const QString& name : {skinfile::Colors, skinfile::Outline, skinfile::Background}) {
        const QString path = dir.filePath(name);
        FileKind kind = KindOfFile(path);
        if (kind == FileKind::Other && SetAside(path, path + DamagedSkinSuffix).isEmpty())
            kind = FileKind::Missing;
        missing = missing || kind == FileKind::Missing;
    }

    // Only the files missing are written: what failed is named with the
    // reason, and the next start tries only that file again.
    QList<FileProblem> failed;
    if (missing) {
        failed = WriteDefaultSkinTo(folder, DefaultSkinFiles::Missing);
        if (!failed.isEmpty()) {
            QStringList lines;
            for (const FileProblem& problem : failed)
                lines += QStringLiteral("%1\r\n(%2)").arg(QDir::toNativeSeparators(problem.path), problem.reason);
            ShowNotice(QStringLiteral("Nie można zapisać pliku skórki:\r\n") + lines.join(QStringLiteral("\r\n")),
                       nkError);
        }
    }
    const auto reported = [&](const QString& path) {
        return std::any_of(failed.cbegin(), failed.cend(), [&](const FileProblem& p) { return p.path == path; });
    };

    SkinName = QStringLiteral("default");
    ColorScheme = ReadColors(SkinName);
    applyCaptionColours();

    const QString outline = dir.filePath(skinfile::Outline);
    RegionError error = RegionError::None;
    switch (LoadOutline(outline, &error)) {
    case OutlineLoad::Loaded:
        ShapeWindow(window, SkinRegion.region);
        break;
    case OutlineLoad::NotOpened:
        // After a failed write the file has been reported already.
        if (!reported(outline))
            ShowNotice(QStringLiteral("Nie można otworzyć pliku kształtu okna:\r\n%1\r\n"
                                      "Okno programu pozostanie prostokątne.")
                           .arg(QDir::toNativeSeparators(outline)),
                       nkError);
        break;
    case OutlineLoad::Invalid:
        UnshapeWindow(window);
        if (SetAsideDamagedOutline(outline)) {
            // The built-in outline just written is sound; the window takes it
            // now, as it would at the next start.
            if (LoadOutline(outline) == OutlineLoad::Loaded)
                ShapeWindow(window, SkinRegion.region);
            ShowNotice(QStringLiteral("Plik kształtu okna jest uszkodzony (%1):\r\n%2\r\n"
                                      "Przeniesiono go do pliku:\r\n%3\r\n"
                                      "Okno programu otrzymało domyślny kształt.")
                           .arg(RegionErrorText(error), QDir::toNativeSeparators(outline),
                                QDir::toNativeSeparators(outline + DamagedSkinSuffix)),
                       nkError);
            break;
        }
        ShowNotice(QStringLiteral("Plik kształtu okna jest uszkodzony (%1):\r\n%2\r\n"
                                  "Okno programu pozostanie prostokątne. Usuń ten plik, "
                                  "a program zapisze domyślny przy następnym wczytaniu skórki.")
                       .arg(RegionErrorText(error), QDir::toNativeSeparators(outline)),
                   nkError);
        break;
    }
}

} // namespace

void LoadSkinOnto(QWidget& window, const std::function<void()>& applyCaptionColours)
{
    // Start-up and the settings dialog call this; nothing in it may end the
    // program.
    try {
        LoadSkinSteps(window, applyCaptionColours);
    } catch (const std::exception& e) {
        ShowNotice(QStringLiteral("Nie można wczytać skórki programu:\r\n%1").arg(QString::fromLocal8Bit(e.what())),
                   nkError);
    } catch (...) {
        ShowNotice(QStringLiteral("Nie można wczytać skórki programu."), nkError);
    }
}

namespace {

// The background as last decoded, with what identified the file then: a
// paint only looks at the file's size and time, and decodes it again when
// they change.
struct DecodedBackground {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QImage picture;
};

// The picture with its colours in a table, when it has no more than 256 of
// them: a quarter of the memory for the same pixels. The default skin's
// picture has three.
QImage WithColourTable(const QImage& picture)
{
    if (picture.colorCount() > 0)
        return picture; // a file with a colour table of its own keeps it
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, uchar> index;
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    const int width = rgb.width(); // asked once: the toolkit's call is not inlined
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            // Most pixels repeat their left neighbour: no lookup for those.
            if (x > 0 && in[x] == in[x - 1]) {
                out[x] = out[x - 1];
                continue;
            }
            auto found = index.constFind(in[x]);
            if (found == index.constEnd()) {
                if (index.size() == 256)
                    return picture;
                found = index.insert(in[x], uchar(index.size()));
            }
            out[x] = *found;
        }
    }
    QList<QRgb> table(index.size());
    for (auto it = index.constBegin(); it != index.constEnd(); ++it)
        table[it.value()] = it.key();
    indexed.setColorTable(table);
    return indexed;
}

const QImage& CurrentBackground()
{
    static DecodedBackground cache;
    const QFileInfo info(SkinFilePath(skinfile::Background)); // a fresh look at the file
    if (info.filePath() == cache.path && info.size() == cache.size && info.lastModified() == cache.modified)
        return cache.picture;
    cache = {info.filePath(), info.size(), info.lastModified(), QImage()};
    // Opened by the checked open, not by the image reader, which would wait
    // for ever on a pipe and read a device without end.
    QFile file;
    if (OpenRegularFile(info.filePath(), kMaxBackgroundBytes, file) != RegularFileRead::Status::Read)
        return cache.picture;
    QImageReader reader(&file);
    ReadAsBitmapOnly(reader);
    const QSize size = reader.size();
    if (!size.isValid() || (size.width() <= kMaxBackgroundSide && size.height() <= kMaxBackgroundSide))
        cache.picture = WithColourTable(reader.read());
    return cache.picture;
}

} // namespace

void PaintSkinBackground(QPainter& painter)
{
    // Looked at at every paint, so a changed picture shows at the next one;
    // one that cannot be read leaves the window colour, silently, as it
    // would otherwise complain at every paint.
    try {
        const QImage& picture = CurrentBackground();
        if (!picture.isNull())
            painter.drawImage(QPoint(0, 0), picture);
    } catch (...) {
    }
}

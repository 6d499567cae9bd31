// The main window's skin: loading it (colours, outline) and painting its
// background picture.
#include "settings/Skin.h"

#include "data/SettingsValues.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

#include <exception>

namespace {

// A background bigger than this cannot be meant for the window and would
// only cost time and memory at every paint.
constexpr int kMaxBackgroundSide = 8192;

void LoadSkinSteps(QWidget& window, const std::function<void()>& applyCaptionColours)
{
    // The skin folder is the program folder unless that cannot be written.
    const QString folder = RefreshSkinFolder();
    const QDir dir(folder);
    QDir::setCurrent(folder);

    bool written = true;
    if (!QFileInfo::exists(dir.filePath(skinfile::Colors)) ||
        !QFileInfo::exists(dir.filePath(skinfile::Outline)) ||
        !QFileInfo::exists(dir.filePath(skinfile::Background))) {
        written = WriteDefaultSkinTo(folder);
        if (!written)
            ShowNotice(QStringLiteral("Nie można zapisać plików skórki „%1” i „%2” w folderze:\r\n%3")
                           .arg(skinfile::Background, skinfile::Outline, QDir::toNativeSeparators(folder)),
                       nkError);
    }

    SkinName = QStringLiteral("default");
    ColorScheme = ReadColors(SkinName);
    applyCaptionColours();

    const QString outline = dir.filePath(skinfile::Outline);
    RegionError error = RegionError::None;
    switch (LoadOutline(outline, &error)) {
    case OutlineLoad::Loaded:
        window.setMask(SkinRegion.region);
        break;
    case OutlineLoad::NotOpened:
        // After a failed write the missing file has been reported already.
        if (written || QFileInfo::exists(outline))
            ShowNotice(QStringLiteral("Nie można otworzyć pliku kształtu okna:\r\n%1\r\n"
                                      "Okno programu pozostanie prostokątne.")
                           .arg(QDir::toNativeSeparators(outline)),
                       nkError);
        break;
    case OutlineLoad::Invalid:
        window.clearMask();
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

void PaintSkinBackground(QPainter& painter)
{
    // Read from disk at every paint, so a changed picture shows at the next
    // one; one that cannot be read leaves the window colour, silently, as it
    // would otherwise complain at every paint.
    try {
        QImageReader reader(SkinFilePath(skinfile::Background));
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > kMaxBackgroundSide || size.height() > kMaxBackgroundSide))
            return;
        const QImage picture = reader.read();
        if (!picture.isNull())
            painter.drawImage(QPoint(0, 0), picture);
    } catch (...) {
    }
}

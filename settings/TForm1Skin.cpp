// The main window's skin: loading it (colours, outline) and painting its
// background picture.
#include "app/TForm1.h"

#include "Messages.h"
#include "SettingsValues.h"
#include "Skin.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <exception>

namespace {

// A background bigger than this cannot be meant for the window and would
// only cost time and memory at every paint.
constexpr int kMaxBackgroundSide = 8192;

void LoadSkinSteps(TForm1& form)
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
    form.SetProgramInterface();

    const QString outline = dir.filePath(skinfile::Outline);
    RegionError error = RegionError::None;
    switch (LoadOutline(outline, &error)) {
    case OutlineLoad::Loaded:
        form.setMask(SkinRegion.region);
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
        form.clearMask();
        ShowNotice(QStringLiteral("Plik kształtu okna jest uszkodzony (%1):\r\n%2\r\n"
                                  "Okno programu pozostanie prostokątne. Usuń ten plik, "
                                  "a program zapisze domyślny przy następnym wczytaniu skórki.")
                       .arg(RegionErrorText(error), QDir::toNativeSeparators(outline)),
                   nkError);
        break;
    }
}

} // namespace

void TForm1::loadskin(const QString& /*name*/, uint32_t /*transparent*/)
{
    // Start-up and the settings dialog call this; nothing in it may end the
    // program.
    try {
        LoadSkinSteps(*this);
    } catch (const std::exception& e) {
        ShowNotice(QStringLiteral("Nie można wczytać skórki programu:\r\n%1").arg(QString::fromLocal8Bit(e.what())),
                   nkError);
    } catch (...) {
        ShowNotice(QStringLiteral("Nie można wczytać skórki programu."), nkError);
    }
}

void TForm1::FormPaint(QPainter& painter)
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

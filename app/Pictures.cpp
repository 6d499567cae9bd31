#include "app/Pictures.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

#include <array>
#include <vector>

namespace {

#include "app/pictures/close.xpm"
#include "app/pictures/minimise.xpm"
#include "app/pictures/search.xpm"

// The line of the pictures' symbol colour, and the search icon's greyed
// colours in the order of its colour lines.
constexpr int SymbolColourLine = 7;
constexpr int FirstSearchColourLine = 1;
constexpr std::array<const char*, 5> GreyedSearchColours = {
    ". c #808000", "k c #808080", "w c #E0E0E0", "g c #C0C0C0", "y c #A0A0A0",
};

template <size_t N>
std::vector<const char*> Lines(const char* const (&xpm)[N])
{
    return {std::begin(xpm), std::end(xpm)};
}

QImage Picture(const std::vector<const char*>& xpm) { return QImage(xpm.data()).convertToFormat(QImage::Format_RGB32); }

} // namespace

QImage ToolbarPicture(ToolbarPictureKind kind, bool hot)
{
    std::vector<const char*> xpm = kind == ToolbarPictureKind::Close ? Lines(close_xpm) : Lines(minimise_xpm);
    if (hot)
        xpm[SymbolColourLine] = "x c #0000FF";
    return Picture(xpm);
}

QImage SearchButtonBitmap()
{
    std::vector<const char*> greyed = Lines(search_xpm);
    std::copy(GreyedSearchColours.begin(), GreyedSearchColours.end(), greyed.begin() + FirstSearchColourLine);
    QImage img(32, 16, QImage::Format_RGB32);
    QPainter painter(&img);
    painter.drawImage(0, 0, Picture(Lines(search_xpm)));
    painter.drawImage(16, 0, Picture(greyed));
    return img;
}

QImage SearchButtonImage(bool enabled)
{
    const QImage bitmap = SearchButtonBitmap();
    const QImage half = bitmap.copy(enabled ? 0 : 16, 0, 16, 16);
    QPixmap picture = QPixmap::fromImage(half);
    // The key colour's pixels are white in Qt's mask image, and white is
    // what a bitmap mask leaves clear.
    picture.setMask(QBitmap::fromImage(half.createMaskFromColor(bitmap.pixel(0, 15), Qt::MaskInColor)));
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

QIcon CrispIcon(const QImage& picture, const QImage& disabled)
{
    QIcon icon;
    auto add = [&icon](const QImage& image, QIcon::Mode mode) {
        icon.addPixmap(QPixmap::fromImage(image), mode);
        QPixmap big = QPixmap::fromImage(image.scaled(image.size() * 2)); // nearest pixel, no smoothing
        big.setDevicePixelRatio(2);
        icon.addPixmap(big, mode);
    };
    add(picture, QIcon::Normal);
    if (!disabled.isNull())
        add(disabled, QIcon::Disabled);
    return icon;
}

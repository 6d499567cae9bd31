#include "app/Pictures.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

// The minimise and close pictures: a raised 3-D button face in a grey ring,
// with the symbol 'x' (black, blue while pointed at).
constexpr int SymbolColourLine = 7;
constexpr std::array<const char*, 8 + 16> CloseXpm = {
    "18 16 7 1",          "r c #B5B5B5",        "w c #FFFFFF",        "l c #DFDFDF",        "g c #808080",
    "k c #000000",        ". c #C0C0C0",        "x c #000000",        "rrrrrrrrrrrrrrrrrr", "rwwwwwwwwwwwwwwwkr",
    "rwlllllllllllllgkr", "rwl............gkr", "rwl..xx....xx..gkr", "rwl...xx..xx...gkr", "rwl....xxxx....gkr",
    "rwl.....xx.....gkr", "rwl....xxxx....gkr", "rwl...xx..xx...gkr", "rwl..xx....xx..gkr", "rwl............gkr",
    "rwl............gkr", "rwggggggggggggggkr", "rkkkkkkkkkkkkkkkkr", "rrrrrrrrrrrrrrrrrr",
};
constexpr std::array<const char*, 8 + 16> MinimiseXpm = {
    "18 16 7 1",          "r c #B5B5B5",        "w c #FFFFFF",        "l c #DFDFDF",        "g c #808080",
    "k c #000000",        ". c #C0C0C0",        "x c #000000",        "rrrrrrrrrrrrrrrrrr", "rwwwwwwwwwwwwwwwkr",
    "rwlllllllllllllgkr", "rwl............gkr", "rwl............gkr", "rwl............gkr", "rwl............gkr",
    "rwl............gkr", "rwl............gkr", "rwl............gkr", "rwl..xxxxxx....gkr", "rwl..xxxxxx....gkr",
    "rwl............gkr", "rwggggggggggggggkr", "rkkkkkkkkkkkkkkkkr", "rrrrrrrrrrrrrrrrrr",
};

// The search icon: a sheet of paper with a folded corner, a shadow and short
// rays, on olive, the colour meant to be transparent. Its greyed form has
// the same pixels in other colours.
constexpr int FirstSearchColourLine = 1;
constexpr std::array<const char*, 6 + 16> SearchXpm = {
    "16 16 5 1",        ". c #808000",      "k c #000000",      "w c #FFFFFF",      "g c #808080",
    "y c #FFFF00",      "y.....y.....y...", ".y....y....y....", "....kkkkkk......", "yy..kwwwwkk.....",
    "....kwwwwkwk....", "....kwwwwkkkk...", "....kwwwwwwwkg..", "yy..kwwwwwwwkg..", "....kwwwwwwwkg..",
    "....kwwwwwwwkg..", "....kwwwwwwwkg..", "yy..kwwwwwwwkg..", "....kwwwwwwwkg..", "....kkkkkkkkkg..",
    ".....ggggggggg..", "................",
};
constexpr std::array<const char*, 5> GreyedSearchColours = {
    ". c #808000", "k c #808080", "w c #E0E0E0", "g c #C0C0C0", "y c #A0A0A0",
};

template <size_t N>
QImage FromXpm(std::array<const char*, N> xpm)
{
    return QImage(xpm.data()).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage ToolbarPicture(ToolbarPictureKind kind, bool hot)
{
    auto xpm = kind == ToolbarPictureKind::Close ? CloseXpm : MinimiseXpm;
    if (hot)
        xpm[SymbolColourLine] = "x c #0000FF";
    return FromXpm(xpm);
}

QImage SearchButtonBitmap()
{
    auto greyed = SearchXpm;
    std::copy(GreyedSearchColours.begin(), GreyedSearchColours.end(), greyed.begin() + FirstSearchColourLine);
    QImage img(32, 16, QImage::Format_RGB32);
    QPainter painter(&img);
    painter.drawImage(0, 0, FromXpm(SearchXpm));
    painter.drawImage(16, 0, FromXpm(greyed));
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

#include "app/Pictures.h"

#include <array>

namespace {

// The search icon: a sheet of paper with a folded corner, a shadow and short
// rays. '.' olive background, 'k' black, 'w' white, 'g' grey, 'y' yellow.
constexpr std::array<const char*, 16> SearchIconMap = {
    "y.....y.....y...", ".y....y....y....", "....kkkkkk......", "yy..kwwwwkk.....",
    "....kwwwwkwk....", "....kwwwwkkkk...", "....kwwwwwwwkg..", "yy..kwwwwwwwkg..",
    "....kwwwwwwwkg..", "....kwwwwwwwkg..", "....kwwwwwwwkg..", "yy..kwwwwwwwkg..",
    "....kwwwwwwwkg..", "....kkkkkkkkkg..", ".....ggggggggg..", "................",
};

QRgb SearchColour(char c, bool enabled)
{
    switch (c) {
    case 'k':
        return enabled ? qRgb(0, 0, 0) : qRgb(128, 128, 128);
    case 'w':
        return enabled ? qRgb(255, 255, 255) : qRgb(224, 224, 224);
    case 'g':
        return enabled ? qRgb(128, 128, 128) : qRgb(192, 192, 192);
    case 'y':
        return enabled ? qRgb(255, 255, 0) : qRgb(160, 160, 160);
    default:
        return qRgb(128, 128, 0); // olive, the transparent colour
    }
}

} // namespace

QImage ToolbarPicture(ToolbarPictureKind kind, bool hot)
{
    QImage img(18, 16, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0xC0, 0xC0)); // face
    const int right = 17, bottom = 15;
    for (int x = 0; x <= right; ++x) { // outermost ring
        img.setPixel(x, 0, qRgb(0xB5, 0xB5, 0xB5));
        img.setPixel(x, bottom, qRgb(0xB5, 0xB5, 0xB5));
    }
    for (int y = 0; y <= bottom; ++y) {
        img.setPixel(0, y, qRgb(0xB5, 0xB5, 0xB5));
        img.setPixel(right, y, qRgb(0xB5, 0xB5, 0xB5));
    }
    // The raised bevel inside the ring: light edges top and left, dark edges
    // bottom and right, each two pixels deep.
    for (int x = 1; x <= 15; ++x)
        img.setPixel(x, 1, qRgb(0xFF, 0xFF, 0xFF));
    for (int y = 1; y <= 13; ++y)
        img.setPixel(1, y, qRgb(0xFF, 0xFF, 0xFF));
    for (int x = 2; x <= 14; ++x)
        img.setPixel(x, 2, qRgb(0xDF, 0xDF, 0xDF));
    for (int y = 2; y <= 12; ++y)
        img.setPixel(2, y, qRgb(0xDF, 0xDF, 0xDF));
    for (int x = 2; x <= 15; ++x)
        img.setPixel(x, 13, qRgb(0x80, 0x80, 0x80));
    for (int y = 2; y <= 13; ++y)
        img.setPixel(15, y, qRgb(0x80, 0x80, 0x80));
    for (int x = 1; x <= 16; ++x)
        img.setPixel(x, 14, qRgb(0, 0, 0));
    for (int y = 1; y <= 14; ++y)
        img.setPixel(16, y, qRgb(0, 0, 0));

    const QRgb symbol = hot ? qRgb(0, 0, 0xFF) : qRgb(0, 0, 0);
    auto run = [&](int y, int x0, int x1) {
        for (int x = x0; x <= x1; ++x)
            img.setPixel(x, y, symbol);
    };
    if (kind == ToolbarPictureKind::Close) {
        run(4, 5, 6), run(4, 11, 12);
        run(5, 6, 7), run(5, 10, 11);
        run(6, 7, 10);
        run(7, 8, 9);
        run(8, 7, 10);
        run(9, 6, 7), run(9, 10, 11);
        run(10, 5, 6), run(10, 11, 12);
    } else {
        run(10, 5, 10);
        run(11, 5, 10);
    }
    return img;
}

QImage SearchButtonBitmap()
{
    QImage img(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            img.setPixel(x, y, SearchColour(SearchIconMap[y][x], true));
            img.setPixel(16 + x, y, SearchColour(SearchIconMap[y][x], false));
        }
    return img;
}

QImage SearchButtonImage(bool enabled)
{
    const QImage bitmap = SearchButtonBitmap();
    const QRgb key = bitmap.pixel(0, 15);
    QImage half = bitmap.copy(enabled ? 0 : 16, 0, 16, 16).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (half.pixel(x, y) == key)
                half.setPixel(x, y, qRgba(0, 0, 0, 0));
    return half;
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

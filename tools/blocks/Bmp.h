// A 24-bit RGB canvas and its Windows BMP form, shared by the generators
// of the built-in pictures.  Host tools only; no Qt.
#pragma once

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zfkgen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb background)
        : m_width(width),
          m_height(height),
          m_pixels(size_t(width) * size_t(height), background)
    {}

    int width() const { return m_width; }
    int height() const { return m_height; }

    void set(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = c;
    }
    Rgb at(int x, int y) const { return m_pixels[size_t(y) * size_t(m_width) + size_t(x)]; }

    // Right and bottom exclusive, clipped to the canvas.
    void fill(int left, int top, int right, int bottom, Rgb c)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                set(x, y, c);
    }

private:
    int m_width, m_height;
    std::vector<Rgb> m_pixels;
};

inline void putLe(std::vector<uint8_t>& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// Uncompressed bottom-up BMP with a 40-byte info header; rows are padded
// to a multiple of 4 bytes with zeros.
inline std::vector<uint8_t> encodeBmp(const Canvas& c, uint32_t pixelsPerMetre)
{
    const uint32_t stride = (uint32_t(c.width()) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * uint32_t(c.height());
    std::vector<uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    putLe(out, 54 + imageSize, 4);
    putLe(out, 0, 4);  // reserved
    putLe(out, 54, 4); // offset of the pixels
    putLe(out, 40, 4); // info header size
    putLe(out, uint32_t(c.width()), 4);
    putLe(out, uint32_t(c.height()), 4);
    putLe(out, 1, 2);  // planes
    putLe(out, 24, 2); // bits per pixel
    putLe(out, 0, 4);  // no compression
    putLe(out, imageSize, 4);
    putLe(out, pixelsPerMetre, 4);
    putLe(out, pixelsPerMetre, 4);
    putLe(out, 0, 4); // no palette
    putLe(out, 0, 4);
    for (int y = c.height() - 1; y >= 0; --y) {
        uint32_t n = 0;
        for (int x = 0; x < c.width(); ++x, n += 3) {
            Rgb p = c.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (; n < stride; ++n)
            out.push_back(0);
    }
    return out;
}

inline void writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    f.close();
    if (!f)
        throw std::runtime_error("cannot write " + path);
}

} // namespace zfkgen

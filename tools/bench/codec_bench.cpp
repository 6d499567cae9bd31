// Throughput of ExpandBuiltIn beside lhasa on the same data, in one run.
// Not part of the test suite: cmake --build B --target codec_bench, then
//   codec_bench [FILE...]
// Without files it uses a 789 x 404 24-bit BMP of coloured rectangles and
// about 4 MiB of mixed text and binary data, both generated.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "builtin/codec/ExpandBuiltIn.h"
#include "tests/codec/Lh5TestKit.h"
#include "tools/lh5/Lh5Encoder.h"

namespace {

using Buf = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

void PutLe(Buf& b, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

Buf Bmp()
{
    const int w = 789, h = 404, stride = (w * 3 + 3) & ~3;
    Buf b{'B', 'M'};
    PutLe(b, 54 + stride * h, 4);
    PutLe(b, 0, 4);
    PutLe(b, 54, 4);
    PutLe(b, 40, 4);
    PutLe(b, w, 4);
    PutLe(b, h, 4);
    PutLe(b, 1, 2);
    PutLe(b, 24, 2);
    PutLe(b, 0, 4);
    PutLe(b, stride * h, 4);
    PutLe(b, 2835, 4);
    PutLe(b, 2835, 4);
    PutLe(b, 0, 4);
    PutLe(b, 0, 4);
    const uint8_t colours[3][3] = {{0xC0, 0xC0, 0xC0}, {0x80, 0x40, 0x00}, {0xF0, 0xFB, 0xFF}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Panels with a frame, on a plain background.
            int c = 0;
            if (x > 10 && x < 780 && y > 40 && y < 395)
                c = ((x - 10) % 42 < 2 || (y - 40) % 44 < 2) ? 1 : 2;
            b.insert(b.end(), colours[c], colours[c] + 3);
        }
        b.insert(b.end(), static_cast<size_t>(stride - w * 3), 0);
    }
    return b;
}

Buf Mixed()
{
    kit::Rng rng(42);
    Buf d;
    static const char* const words[] = {"pierwiastek",     "masa",      "atomowa", "gęstość",
                                        "temperatura",     "topnienia", "wrzenia", "izotopy",
                                        "elektroujemność", "promień",   "okres",   "grupa"};
    while (d.size() < (4u << 20)) {
        // Text section.
        for (int i = 0; i < 3000; ++i) {
            const std::string w = words[rng.Next() % std::size(words)];
            d.insert(d.end(), w.begin(), w.end());
            d.push_back(rng.Next() % 8 ? ' ' : '\n');
        }
        // Binary section: a table of small integers, then some noise.
        for (int i = 0; i < 4000; ++i)
            PutLe(d, rng.Next() % 1000, 4);
        for (int i = 0; i < 3000; ++i)
            d.push_back(static_cast<uint8_t>(rng.Next()));
    }
    return d;
}

uint16_t Crc16(const Buf& d)
{
    uint16_t c = 0;
    for (uint8_t b : d) {
        c ^= b;
        for (int i = 0; i < 8; ++i)
            c = (c & 1) ? static_cast<uint16_t>((c >> 1) ^ 0xA001) : static_cast<uint16_t>(c >> 1);
    }
    return c;
}

void WriteLzh(const std::string& path, const Buf& data, const Buf& stream)
{
    Buf body{'-', 'l', 'h', '5', '-'};
    PutLe(body, static_cast<uint32_t>(stream.size()), 4);
    PutLe(body, static_cast<uint32_t>(data.size()), 4);
    PutLe(body, 0x50210000, 4);
    body.push_back(0x20);
    body.push_back(0);
    body.push_back(1);
    body.push_back('f');
    PutLe(body, Crc16(data), 2);
    uint8_t sum = 0;
    for (uint8_t b : body)
        sum = static_cast<uint8_t>(sum + b);
    std::ofstream o(path, std::ios::binary);
    o.put(static_cast<char>(body.size()));
    o.put(static_cast<char>(sum));
    o.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
    o.write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
    o.put(0);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double TimeOurs(const Buf& block, size_t expect, int reps)
{
    std::vector<double> t;
    for (int r = 0; r < reps; ++r) {
        Buf out;
        const auto a = Clock::now();
        ExpandBuiltIn(block, AppendTo(out));
        t.push_back(std::chrono::duration<double>(Clock::now() - a).count());
        if (out.size() != expect)
            std::abort();
    }
    return Median(t);
}

double TimeCommand(const std::string& cmd, int reps)
{
    std::vector<double> t;
    for (int r = 0; r < reps; ++r) {
        const auto a = Clock::now();
        if (std::system(cmd.c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", cmd.c_str());
            std::exit(1);
        }
        t.push_back(std::chrono::duration<double>(Clock::now() - a).count());
    }
    return Median(t);
}

void Measure(const char* name, const Buf& data)
{
    const Buf block = lh5::PackBlock(data);
    const Buf stream(block.begin() + 4, block.end());
    const std::string lzh = "/tmp/codec_bench_" + std::to_string(getpid()) + ".lzh";
    const std::string empty = lzh + ".empty.lzh";
    WriteLzh(lzh, data, stream);
    WriteLzh(empty, {}, {});
    const int reps = 15;
    const double ours = TimeOurs(block, data.size(), reps);
    // lhasa decodes and checks the CRC, writing to /dev/null; the run of an
    // empty archive gives its process start-up cost.
    const double lhasa = TimeCommand("lhasa p " + lzh + " >/dev/null", reps);
    const double start = TimeCommand("lhasa p " + empty + " >/dev/null", reps);
    std::remove(lzh.c_str());
    std::remove(empty.c_str());
    const double mb = static_cast<double>(data.size()) / 1e6;
    std::printf("%s: %zu bytes, block %zu bytes\n", name, data.size(), block.size());
    std::printf("  ExpandBuiltIn  %8.3f ms  %8.1f MB/s\n", ours * 1e3, mb / ours);
    std::printf("  lhasa p        %8.3f ms  %8.1f MB/s (process start-up %.3f ms; without it %.1f MB/s)\n", lhasa * 1e3,
                mb / lhasa, start * 1e3, mb / std::max(lhasa - start, 1e-9));
    std::printf("  ratio          %8.1fx (%.1fx without lhasa's start-up)\n", lhasa / ours, (lhasa - start) / ours);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream in(argv[i], std::ios::binary);
            const Buf d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            Measure(argv[i], d);
        }
        return 0;
    }
    Measure("bitmap 789x404x24", Bmp());
    Measure("mixed text+binary", Mixed());
    return 0;
}

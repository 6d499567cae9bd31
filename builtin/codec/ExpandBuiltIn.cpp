#include "builtin/codec/ExpandBuiltIn.h"
#include "builtin/codec/Lh5Format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr uint32_t kDicSize = 8192; // dictionary and piece size
constexpr uint32_t kDicMask = kDicSize - 1;
using namespace lh5format;

// Dictionary bytes before the start of the output read as spaces, as LHa
// for UNIX (and lhasa) fill their window; gzip's lh5 reader gives zeros.
constexpr uint8_t kInitialFill = 0x20;

// MSB-first bit reader. Past the end of the input it delivers zero bits
// forever, so a stream may omit its trailing zero bytes.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> in)
        : m_pos(in.data()),
          m_end(in.data() + in.size())
    {}

    // Afterwards at least 56 bits are buffered.
    void Refill()
    {
        if (m_end - m_pos >= 8) {
            uint64_t v;
            std::memcpy(&v, m_pos, 8);
            if constexpr (std::endian::native == std::endian::little)
                v = __builtin_bswap64(v);
            // Bits past the whole bytes taken are the stream's next bits, so
            // or-ing them in again on the next refill changes nothing.
            m_buf |= v >> m_count;
            const int take = (63 - m_count) >> 3;
            m_pos += take;
            m_count += take * 8;
        } else {
            // Near the end, byte by byte. This can fill all 64 bits, which
            // is fine: the shift above is never reached again.
            while (m_count <= 56) {
                const uint64_t b = m_pos < m_end ? *m_pos++ : 0;
                m_buf |= b << (56 - m_count);
                m_count += 8;
            }
        }
    }
    uint32_t Peek16() const { return static_cast<uint32_t>(m_buf >> 48); }
    void Skip(int n)
    {
        m_buf <<= n;
        m_count -= n;
    }
    // n <= 16 and at least n bits buffered.
    uint32_t Get(int n)
    {
        if (n == 0)
            return 0;
        const uint32_t v = static_cast<uint32_t>(m_buf >> (64 - n));
        Skip(n);
        return v;
    }

private:
    const uint8_t* m_pos;
    const uint8_t* m_end;
    uint64_t m_buf = 0;
    int m_count = 0;
};

// Canonical Huffman decoding table: a primary table indexed by the next
// `bits` bits, and for longer codes subtables indexed by the remaining
// 16 - bits bits. Entry: symbol (or subtable offset) in the low 16 bits,
// code length in bits 16..20, kLink for a subtable reference.
class HuffTable {
public:
    static constexpr uint32_t kLink = 0x80000000u;

    HuffTable(int bits, int maxSymbols)
        : m_bits(bits),
          m_entries((1u << bits) + static_cast<size_t>(maxSymbols) * (1u << (16 - bits)))
    {}

    // Every pattern decodes to `symbol` without consuming bits.
    void MakeSingle(int symbol) { std::fill_n(m_entries.begin(), 1u << m_bits, static_cast<uint32_t>(symbol)); }

    Lh5Status Build(const uint8_t* len, int n)
    {
        std::array<uint32_t, kMaxCodeLen + 1> count{};
        for (int i = 0; i < n; ++i) {
            if (len[i] > kMaxCodeLen)
                return Lh5Status::BadTable;
            count[len[i]]++;
        }
        // Kraft sum in units of 2^-16: a complete code sums to exactly 1.
        // Anything else leaves patterns undecodable or ambiguous; peers that
        // only check the sum modulo 2^16 would accept some over-subscribed
        // sets and then index past their tables.
        uint32_t sum = 0;
        for (int l = 1; l <= kMaxCodeLen; ++l)
            sum += count[l] << (kMaxCodeLen - l);
        if (sum != (1u << kMaxCodeLen))
            return Lh5Status::IncompleteCode;

        std::array<uint32_t, kMaxCodeLen + 2> next{};
        uint32_t code = 0;
        for (int l = 1; l <= kMaxCodeLen; ++l) {
            next[l] = code;
            code = (code + count[l]) << 1;
        }
        const uint32_t primary = 1u << m_bits;
        const int subBits = 16 - m_bits;
        size_t used = primary;
        // Cleared so that links left by the previous block's table are not
        // taken for this one's; a complete code overwrites every entry.
        std::fill_n(m_entries.begin(), primary, 0u);
        for (int s = 0; s < n; ++s) {
            const int l = len[s];
            if (l == 0)
                continue;
            const uint32_t c = next[l]++;
            const uint32_t entry = static_cast<uint32_t>(s) | static_cast<uint32_t>(l) << 16;
            if (l <= m_bits) {
                const uint32_t start = c << (m_bits - l);
                std::fill_n(m_entries.begin() + start, 1u << (m_bits - l), entry);
                continue;
            }
            const uint32_t prefix = c >> (l - m_bits);
            if (!(m_entries[prefix] & kLink)) {
                m_entries[prefix] = kLink | static_cast<uint32_t>(used);
                used += 1u << subBits;
            }
            const uint32_t low = c & ((1u << (l - m_bits)) - 1);
            const uint32_t start = (m_entries[prefix] & 0xFFFFu) + (low << (16 - l));
            std::fill_n(m_entries.begin() + start, 1u << (16 - l), entry);
        }
        return Lh5Status::Ok;
    }

    uint32_t Decode(BitReader& br) const
    {
        const uint32_t w = br.Peek16();
        uint32_t e = m_entries[w >> (16 - m_bits)];
        if (e & kLink)
            e = m_entries[(e & 0xFFFFu) + (w & ((1u << (16 - m_bits)) - 1))];
        br.Skip(static_cast<int>((e >> 16) & 31));
        return e & 0xFFFFu;
    }

private:
    int m_bits;
    std::vector<uint32_t> m_entries;
};

} // namespace

namespace {

class Lh5Decoder {
public:
    explicit Lh5Decoder(std::span<const uint8_t> stream)
        : m_reader(stream),
          m_tTable(8, kNT),
          m_pTable(8, kNP),
          m_cTable(12, kNC),
          m_ring(new uint8_t[kDicSize])
    {
        std::memset(m_ring.get(), kInitialFill, kDicSize);
    }

    Lh5Status Run(uint32_t size, const ExpandSink& sink)
    {
        uint64_t remaining = size;
        uint32_t loc = 0;
        uint32_t blockLeft = 0;
        bool refused = false;
        // A piece goes out whenever the dictionary buffer is full. A refused
        // piece ends the loop below; the rest of the current match is only
        // decoded into the ring, not handed out.
        auto flushIfFull = [&] {
            if (loc == kDicSize) {
                if (!refused && !sink(std::span<const uint8_t>(m_ring.get(), kDicSize)))
                    refused = true;
                loc = 0;
            }
        };
        uint8_t* const ring = m_ring.get();
        while (remaining > 0 && !refused) {
            if (blockLeft == 0) {
                m_reader.Refill();
                // A count of 0 stands for 65536 codes: LHa for UNIX counts
                // down in 16 bits and wraps. (lhasa and gzip stop at it
                // instead; wrapping keeps the stated size reachable.)
                blockLeft = m_reader.Get(16);
                if (blockLeft == 0)
                    blockLeft = 0x10000;
                Lh5Status st = ReadPtLen(m_tTable, kNT, kTBits, 3);
                if (st == Lh5Status::Ok)
                    st = ReadCLen();
                if (st == Lh5Status::Ok)
                    st = ReadPtLen(m_pTable, kNP, kPBits, -1);
                if (st != Lh5Status::Ok)
                    return st;
            }
            --blockLeft;
            m_reader.Refill();
            const uint32_t c = m_cTable.Decode(m_reader);
            if (c < 256) {
                ring[loc++] = static_cast<uint8_t>(c);
                --remaining;
                flushIfFull();
                continue;
            }
            uint32_t len = c - 253;
            const uint32_t j = m_pTable.Decode(m_reader);
            const uint32_t dist = (j == 0 ? 0 : (1u << (j - 1)) + m_reader.Get(static_cast<int>(j) - 1)) + 1;
            // A final match running past the stated size is cut there.
            if (len > remaining)
                len = static_cast<uint32_t>(remaining);
            remaining -= len;
            // A distance reaching before the start of the output reads the
            // initial fill; distance 8192 reads the byte about to be replaced.
            const uint32_t src = (loc - dist) & kDicMask;
            if (loc + len <= kDicSize && src + len <= kDicSize) {
                uint8_t* d = ring + loc;
                if (src < loc && loc < src + len) {
                    // Overlapping copy: the bytes repeat with period dist.
                    std::memcpy(d, ring + src, dist);
                    uint32_t done = dist;
                    while (done < len) {
                        const uint32_t n = std::min(done, len - done);
                        std::memcpy(d + done, d, n);
                        done += n;
                    }
                } else {
                    // Source after the destination (wrapped) or disjoint:
                    // a forward byte copy would read only unchanged bytes.
                    std::memmove(d, ring + src, len);
                }
                loc += len;
                flushIfFull();
            } else {
                // The match wraps around the dictionary or crosses the end
                // of the piece.
                for (uint32_t k = 0; k < len; ++k) {
                    ring[loc] = ring[(loc - dist) & kDicMask];
                    ++loc;
                    flushIfFull();
                }
            }
        }
        if (refused || (loc > 0 && !sink(std::span<const uint8_t>(ring, loc))))
            return Lh5Status::SinkStopped;
        return Lh5Status::Ok;
    }

private:
    // Lengths of the code-length tree (special = 3) or the position tree:
    // a count, then per symbol 3 bits, where 7 continues in unary (each
    // further 1 bit adds one, a 0 ends). After the third code-length entry
    // a 2-bit count of zero lengths follows. A count of 0 instead sends a
    // single symbol that every pattern decodes to, using no bits.
    Lh5Status ReadPtLen(HuffTable& table, int nn, int nbit, int special)
    {
        m_reader.Refill();
        const int n = static_cast<int>(m_reader.Get(nbit));
        if (n == 0) {
            const int c = static_cast<int>(m_reader.Get(nbit));
            if (c >= nn)
                return Lh5Status::BadTable;
            table.MakeSingle(c);
            return Lh5Status::Ok;
        }
        if (n > nn)
            return Lh5Status::BadTable;
        std::array<uint8_t, kNT> len{};
        int i = 0;
        while (i < n) {
            m_reader.Refill();
            const uint32_t w = m_reader.Peek16();
            int c = static_cast<int>(w >> 13);
            if (c == 7) {
                for (uint32_t mask = 1u << 12; mask != 0 && (w & mask); mask >>= 1)
                    ++c;
                // 17 or more cannot be a length; the unary run may also be
                // longer than the 16 bits looked at.
                if (c > kMaxCodeLen)
                    return Lh5Status::BadTable;
            }
            m_reader.Skip(c < 7 ? 3 : c - 3);
            len[i++] = static_cast<uint8_t>(c);
            if (i == special) {
                // At most three zeros, so i stays within the 19 entries.
                for (int z = static_cast<int>(m_reader.Get(2)); z > 0; --z)
                    len[i++] = 0;
            }
        }
        return table.Build(len.data(), nn);
    }

    // Literal/length code lengths, sent through the code-length tree:
    // symbol 0 is one zero, 1 is 3..18 zeros (4 more bits), 2 is 20..531
    // zeros (9 more bits), k >= 3 is a length of k - 2.
    Lh5Status ReadCLen()
    {
        m_reader.Refill();
        const int n = static_cast<int>(m_reader.Get(kCBits));
        if (n == 0) {
            const int c = static_cast<int>(m_reader.Get(kCBits));
            if (c >= kNC)
                return Lh5Status::BadTable;
            m_cTable.MakeSingle(c);
            return Lh5Status::Ok;
        }
        if (n > kNC)
            return Lh5Status::BadTable;
        std::array<uint8_t, kNC> len{};
        int i = 0;
        while (i < n) {
            m_reader.Refill();
            const int c = static_cast<int>(m_tTable.Decode(m_reader));
            if (c > 2) {
                len[i++] = static_cast<uint8_t>(c - 2);
                continue;
            }
            int run = c == 0   ? 1
                      : c == 1 ? static_cast<int>(m_reader.Get(4)) + 3
                               : static_cast<int>(m_reader.Get(kCBits)) + 20;
            // A run past the count only adds zeros, which the rest of the
            // table holds anyway; it is cut at the table's end, where LHa
            // would write past its array.
            while (run-- > 0 && i < kNC)
                len[i++] = 0;
        }
        return m_cTable.Build(len.data(), kNC);
    }

    BitReader m_reader;
    HuffTable m_tTable;
    HuffTable m_pTable;
    HuffTable m_cTable;
    std::unique_ptr<uint8_t[]> m_ring;
};

// The expanded size in the first 4 bytes, little-endian.
uint32_t StatedSize(std::span<const uint8_t> block)
{
    return static_cast<uint32_t>(block[0]) | static_cast<uint32_t>(block[1]) << 8
           | static_cast<uint32_t>(block[2]) << 16 | static_cast<uint32_t>(block[3]) << 24;
}

} // namespace

ExpandSink AppendTo(std::vector<uint8_t>& out)
{
    return [&out](std::span<const uint8_t> piece) {
        out.insert(out.end(), piece.begin(), piece.end());
        return true;
    };
}

Lh5Status DecodeBlock(std::span<const uint8_t> block, const ExpandSink& sink)
{
    // Without 4 bytes there is no size to expand to; such a block is
    // damaged, not empty.
    if (block.size() < 4)
        return Lh5Status::ShortBlock;
    Lh5Decoder decoder(block.subspan(4));
    return decoder.Run(StatedSize(block), sink);
}

Lh5Status DecodeBlock(std::span<const uint8_t> block, std::vector<uint8_t>& out)
{
    const size_t before = out.size();
    // The size comes from the block itself, so a damaged one must not make
    // us reserve gigabytes up front.
    if (block.size() >= 4)
        out.reserve(before + std::min<uint32_t>(StatedSize(block), 16u << 20));
    const Lh5Status st = DecodeBlock(block, AppendTo(out));
    if (st != Lh5Status::Ok)
        out.resize(before);
    return st;
}

void ExpandBuiltIn(std::span<const uint8_t> block, const ExpandSink& sink)
{
    const Lh5Status st = DecodeBlock(block, sink);
    if (st != Lh5Status::Ok && st != Lh5Status::SinkStopped) {
        // _Exit: the program's clock thread may be running, and exit()
        // would run static destructors under it.
        std::_Exit(1);
    }
}

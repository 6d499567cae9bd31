#include "tools/lh5/Lh5Encoder.h"
#include "builtin/codec/Lh5Format.h"

#include <algorithm>
#include <array>
#include <queue>
#include <stdexcept>

namespace lh5 {
namespace {

constexpr int kDicSize = 8192;
constexpr int kMaxMatch = 256;
constexpr int kMinMatch = 3;
using namespace lh5format;
// Codes per block: the count field has 16 bits; smaller blocks let the
// code tables follow changes in the data.
constexpr size_t kBlockCodes = 16384;

class BitWriter {
public:
    void Put(int bits, uint32_t value)
    {
        for (int i = bits - 1; i >= 0; --i) {
            m_acc = static_cast<uint8_t>((m_acc << 1) | ((value >> i) & 1u));
            if (++m_fill == 8) {
                m_out.push_back(m_acc);
                m_acc = 0;
                m_fill = 0;
            }
        }
    }
    std::vector<uint8_t> Finish()
    {
        if (m_fill > 0)
            Put(8 - m_fill, 0);
        return std::move(m_out);
    }

private:
    std::vector<uint8_t> m_out;
    uint8_t m_acc = 0;
    int m_fill = 0;
};

struct Token {
    uint16_t code; // literal byte, or 253 + match length
    uint16_t pos;  // distance - 1 (matches only)
};

// Position code of a match: 0 for distance 1, else the bit length of
// (distance - 1), followed by that many bits minus one as the low part.
int PosCode(uint32_t p)
{
    int n = 0;
    while (p) {
        ++n;
        p >>= 1;
    }
    return n;
}

// Huffman code lengths, at most maxLen bits. Frequencies are flattened and
// the tree rebuilt in the rare case that a length goes over the limit.
std::vector<uint8_t> CodeLengths(std::vector<uint32_t> freq, int maxLen)
{
    const size_t n = freq.size();
    std::vector<uint8_t> len(n, 0);
    for (;;) {
        struct Node {
            uint64_t weight;
            int depth;
            int id;
        };
        auto later = [](const Node& a, const Node& b) {
            if (a.weight != b.weight)
                return a.weight > b.weight;
            return a.depth > b.depth;
        };
        std::priority_queue<Node, std::vector<Node>, decltype(later)> heap(later);
        std::vector<int> parent;
        for (size_t i = 0; i < n; ++i)
            if (freq[i])
                heap.push({freq[i], 0, static_cast<int>(i)});
        if (heap.size() < 2)
            return len; // caller sends a single-value tree
        parent.assign(n, -1);
        int next = static_cast<int>(n);
        while (heap.size() > 1) {
            Node a = heap.top();
            heap.pop();
            Node b = heap.top();
            heap.pop();
            parent.push_back(-1);
            parent[a.id] = next;
            parent[b.id] = next;
            heap.push({a.weight + b.weight, std::max(a.depth, b.depth) + 1, next});
            ++next;
        }
        int longest = 0;
        for (size_t i = 0; i < n; ++i) {
            if (!freq[i])
                continue;
            int d = 0;
            for (int x = static_cast<int>(i); parent[x] >= 0; x = parent[x])
                ++d;
            len[i] = static_cast<uint8_t>(d);
            longest = std::max(longest, d);
        }
        if (longest <= maxLen)
            return len;
        for (auto& f : freq)
            if (f)
                f = (f + 1) / 2;
    }
}

// Canonical codes in the order the decoder assigns them: by length, then
// by symbol.
std::vector<uint16_t> CanonicalCodes(const std::vector<uint8_t>& len)
{
    std::array<uint32_t, kMaxCodeLen + 2> count{}, next{};
    for (uint8_t l : len)
        count[l]++;
    count[0] = 0;
    uint32_t code = 0;
    for (int l = 1; l <= kMaxCodeLen; ++l) {
        next[l] = code;
        code = (code + count[l]) << 1;
    }
    std::vector<uint16_t> codes(len.size(), 0);
    for (size_t i = 0; i < len.size(); ++i)
        if (len[i])
            codes[i] = static_cast<uint16_t>(next[len[i]]++);
    return codes;
}

int UsedCount(const std::vector<uint8_t>& len)
{
    int n = static_cast<int>(len.size());
    while (n > 0 && len[n - 1] == 0)
        --n;
    return n;
}

int SingleSymbol(const std::vector<uint32_t>& freq)
{
    int found = -1;
    for (size_t i = 0; i < freq.size(); ++i) {
        if (!freq[i])
            continue;
        if (found >= 0)
            return -2;
        found = static_cast<int>(i);
    }
    return found < 0 ? 0 : found; // no symbol used: any value will do
}

// Lengths of the code-length and position trees: 3 bits up to 6, longer
// ones as a run of ones ended by a zero; after the third entry of the
// code-length tree a 2-bit count of zero entries that follow.
void WritePtLengths(BitWriter& bw, const std::vector<uint8_t>& len, int nbits, int special)
{
    const int n = UsedCount(len);
    bw.Put(nbits, static_cast<uint32_t>(n));
    int i = 0;
    while (i < n) {
        const int k = len[i++];
        if (k <= 6)
            bw.Put(3, static_cast<uint32_t>(k));
        else
            bw.Put(k - 3, (1u << (k - 3)) - 2);
        if (i == special) {
            int z = 0;
            while (z < 3 && i + z < n && len[i + z] == 0)
                ++z;
            bw.Put(2, static_cast<uint32_t>(z));
            i += z;
        }
    }
}

// Walks the literal/length lengths the way they are sent: zero runs as
// code-length symbols 0..2, a length k as symbol k + 2.
template <typename Emit>
void WalkCLengths(const std::vector<uint8_t>& cLen, Emit emit)
{
    const int n = UsedCount(cLen);
    int i = 0;
    while (i < n) {
        const int k = cLen[i++];
        if (k != 0) {
            emit(k + 2, 0, 0);
            continue;
        }
        int run = 1;
        while (i < n && cLen[i] == 0) {
            ++i;
            ++run;
        }
        if (run <= 2) {
            for (int r = 0; r < run; ++r)
                emit(0, 0, 0);
        } else if (run <= 18) {
            emit(1, 4, run - 3);
        } else if (run == 19) {
            emit(0, 0, 0);
            emit(1, 4, 15);
        } else {
            emit(2, kCBits, run - 20);
        }
    }
}

void WriteBlock(BitWriter& bw, const std::vector<Token>& toks)
{
    std::vector<uint32_t> cFreq(kNC, 0), pFreq(kNP, 0);
    for (const Token& t : toks) {
        cFreq[t.code]++;
        if (t.code >= 256)
            pFreq[PosCode(t.pos)]++;
    }
    bw.Put(16, static_cast<uint32_t>(toks.size()));

    std::vector<uint8_t> cLen(kNC, 0);
    std::vector<uint16_t> cCode(kNC, 0);
    const int cSingle = SingleSymbol(cFreq);
    if (cSingle >= 0) {
        bw.Put(kTBits, 0);
        bw.Put(kTBits, 0);
        bw.Put(kCBits, 0);
        bw.Put(kCBits, static_cast<uint32_t>(cSingle));
    } else {
        cLen = CodeLengths(cFreq, kMaxCodeLen);
        cCode = CanonicalCodes(cLen);
        std::vector<uint32_t> tFreq(kNT, 0);
        WalkCLengths(cLen, [&](int sym, int, int) { tFreq[sym]++; });
        std::vector<uint8_t> tLen(kNT, 0);
        std::vector<uint16_t> tCode(kNT, 0);
        const int tSingle = SingleSymbol(tFreq);
        if (tSingle >= 0) {
            bw.Put(kTBits, 0);
            bw.Put(kTBits, static_cast<uint32_t>(tSingle));
        } else {
            tLen = CodeLengths(tFreq, kMaxCodeLen);
            tCode = CanonicalCodes(tLen);
            WritePtLengths(bw, tLen, kTBits, 3);
        }
        bw.Put(kCBits, static_cast<uint32_t>(UsedCount(cLen)));
        WalkCLengths(cLen, [&](int sym, int extraBits, int extra) {
            bw.Put(tLen[sym], tCode[sym]);
            if (extraBits)
                bw.Put(extraBits, static_cast<uint32_t>(extra));
        });
    }

    std::vector<uint8_t> pLen(kNP, 0);
    std::vector<uint16_t> pCode(kNP, 0);
    const int pSingle = SingleSymbol(pFreq);
    if (pSingle >= 0) {
        bw.Put(kPBits, 0);
        bw.Put(kPBits, static_cast<uint32_t>(pSingle));
    } else {
        pLen = CodeLengths(pFreq, kMaxCodeLen);
        pCode = CanonicalCodes(pLen);
        WritePtLengths(bw, pLen, kPBits, -1);
    }

    for (const Token& t : toks) {
        bw.Put(cLen[t.code], cCode[t.code]);
        if (t.code < 256)
            continue;
        const int pc = PosCode(t.pos);
        bw.Put(pLen[pc], pCode[pc]);
        if (pc > 1)
            bw.Put(pc - 1, t.pos - (1u << (pc - 1)));
    }
}

// Greedy LZ77 with one step of lazy evaluation over hash chains of
// 3-byte prefixes.
class MatchFinder {
public:
    explicit MatchFinder(std::span<const uint8_t> d)
        : m_data(d),
          m_head(kHashSize, -1),
          m_prev(kDicSize, -1)
    {}

    void Insert(int64_t i)
    {
        if (i + kMinMatch > static_cast<int64_t>(m_data.size()))
            return;
        const uint32_t h = Hash(i);
        m_prev[i & (kDicSize - 1)] = m_head[h];
        m_head[h] = i;
    }

    // Longest match for position i among earlier positions within the
    // dictionary; returns its length (0 if shorter than kMinMatch).
    int Find(int64_t i, int& dist) const
    {
        const int64_t avail = static_cast<int64_t>(m_data.size()) - i;
        if (avail < kMinMatch)
            return 0;
        const int limit = static_cast<int>(std::min<int64_t>(avail, kMaxMatch));
        int best = kMinMatch - 1;
        int chain = kMaxChain;
        for (int64_t c = m_head[Hash(i)]; c >= 0 && i - c <= kDicSize && chain-- > 0; c = m_prev[c & (kDicSize - 1)]) {
            if (m_data[c + best] != m_data[i + best])
                continue;
            int l = 0;
            while (l < limit && m_data[c + l] == m_data[i + l])
                ++l;
            if (l > best) {
                best = l;
                dist = static_cast<int>(i - c);
                if (l == limit)
                    break;
            }
        }
        if (best < kMinMatch)
            return 0;
        // A 3-byte match far away costs more than three literals.
        if (best == kMinMatch && dist > 4096)
            return 0;
        return best;
    }

private:
    static constexpr uint32_t kHashSize = 1u << 15;
    static constexpr int kMaxChain = 1024;

    uint32_t Hash(int64_t i) const
    {
        const uint32_t v =
            static_cast<uint32_t>(m_data[i]) << 16 | static_cast<uint32_t>(m_data[i + 1]) << 8 | m_data[i + 2];
        return (v * 2654435761u) >> (32 - 15);
    }

    std::span<const uint8_t> m_data;
    std::vector<int64_t> m_head;
    std::vector<int64_t> m_prev;
};

} // namespace

std::vector<uint8_t> Compress(std::span<const uint8_t> data)
{
    BitWriter bw;
    MatchFinder mf(data);
    std::vector<Token> block;
    block.reserve(kBlockCodes);
    auto push = [&](Token t) {
        block.push_back(t);
        if (block.size() == kBlockCodes) {
            WriteBlock(bw, block);
            block.clear();
        }
    };

    const int64_t n = static_cast<int64_t>(data.size());
    int64_t i = 0;
    int dist = 0;
    int len = mf.Find(0, dist);
    while (i < n) {
        if (len == 0) {
            push({data[i], 0});
            mf.Insert(i);
            ++i;
            len = mf.Find(i, dist);
            continue;
        }
        // Lazy step: a longer match one byte later wins over this one.
        mf.Insert(i);
        int dist2 = 0;
        const int len2 = len < 128 ? mf.Find(i + 1, dist2) : 0;
        if (len2 > len) {
            push({data[i], 0});
            ++i;
            len = len2;
            dist = dist2;
            continue;
        }
        push({static_cast<uint16_t>(253 + len), static_cast<uint16_t>(dist - 1)});
        for (int k = 1; k < len; ++k)
            mf.Insert(i + k);
        i += len;
        len = mf.Find(i, dist);
    }
    if (!block.empty())
        WriteBlock(bw, block);
    return bw.Finish();
}

std::vector<uint8_t> PackBlock(std::span<const uint8_t> data)
{
    if (data.size() > 0xFFFFFFFFu)
        throw std::length_error("input too large for a block (4 GiB or more)");
    const uint32_t size = static_cast<uint32_t>(data.size());
    std::vector<uint8_t> out{static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                             static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
    const std::vector<uint8_t> stream = Compress(data);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

} // namespace lh5

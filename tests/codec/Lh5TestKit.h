// Hand-built lh5 streams for the codec tests: a bit writer, tree writers
// that put down exactly the fields the test asks for, and a naive model of
// the expected output.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace kit {

class BitWriter {
public:
    void Put(int bits, uint32_t value)
    {
        for (int i = bits - 1; i >= 0; --i) {
            m_acc = static_cast<uint8_t>(m_acc << 1 | ((value >> i) & 1u));
            if (++m_fill == 8) {
                m_bytes.push_back(m_acc);
                m_acc = 0;
                m_fill = 0;
            }
        }
    }
    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> b = m_bytes;
        if (m_fill)
            b.push_back(static_cast<uint8_t>(m_acc << (8 - m_fill)));
        return b;
    }

private:
    std::vector<uint8_t> m_bytes;
    uint8_t m_acc = 0;
    int m_fill = 0;
};

// Canonical codes: shorter first, equal lengths in symbol order.
inline std::vector<uint32_t> Codes(const std::vector<int>& len)
{
    std::vector<uint32_t> code(len.size(), 0);
    uint32_t next = 0;
    for (int l = 1; l <= 16; ++l) {
        for (size_t s = 0; s < len.size(); ++s)
            if (len[s] == l)
                code[s] = next++;
        next <<= 1;
    }
    return code;
}

inline void PutCode(BitWriter& w, const std::vector<int>& len, int sym) { w.Put(len[sym], Codes(len)[sym]); }

// Count 0 and the one symbol of a single-value tree.
inline void PutSingle(BitWriter& w, int nbit, int value)
{
    w.Put(nbit, 0);
    w.Put(nbit, static_cast<uint32_t>(value));
}

// One length of the code-length or position tree: 3 bits, 7 and up in unary.
inline void PutPtEntry(BitWriter& w, int k)
{
    if (k < 7)
        w.Put(3, static_cast<uint32_t>(k));
    else
        w.Put(k - 3, (1u << (k - 3)) - 2);
}

// Count = lens.size(); with special = 3 the 2-bit count of zero lengths
// after the third entry is written and those entries are left out.
inline void PutPtLens(BitWriter& w, const std::vector<int>& lens, int nbit, int special)
{
    const int n = static_cast<int>(lens.size());
    w.Put(nbit, static_cast<uint32_t>(n));
    int i = 0;
    while (i < n) {
        PutPtEntry(w, lens[i++]);
        if (i == special) {
            int z = 0;
            while (z < 3 && i + z < n && lens[i + z] == 0)
                ++z;
            w.Put(2, static_cast<uint32_t>(z));
            i += z;
        }
    }
}

// Literal/length lengths through the code-length tree tLens; zero runs as
// symbol 2 (20 and more), 1 (3..18) or single zeros.
inline void PutCLens(BitWriter& w, const std::vector<int>& cLens, const std::vector<int>& tLens)
{
    const int n = static_cast<int>(cLens.size());
    w.Put(9, static_cast<uint32_t>(n));
    int i = 0;
    while (i < n) {
        if (cLens[i] != 0) {
            PutCode(w, tLens, cLens[i++] + 2);
            continue;
        }
        int run = 0;
        while (i + run < n && cLens[i + run] == 0)
            ++run;
        i += run;
        while (run > 0) {
            if (run >= 20) {
                const int r = run > 531 ? 531 : run;
                PutCode(w, tLens, 2);
                w.Put(9, static_cast<uint32_t>(r - 20));
                run -= r;
            } else if (run >= 3) {
                const int r = run > 18 ? 18 : run;
                PutCode(w, tLens, 1);
                w.Put(4, static_cast<uint32_t>(r - 3));
                run -= r;
            } else {
                PutCode(w, tLens, 0);
                --run;
            }
        }
    }
}

struct Token {
    int code; // < 256 literal, else match length + 253
    int dist; // 1..8192 for matches
};
inline Token Lit(int b) { return {b, 0}; }
inline Token Match(int len, int dist) { return {len + 253, dist}; }

// Trees in which every symbol has a code, so any token can be written.
inline std::vector<int> FullT()
{
    std::vector<int> t(19, 4);
    for (int s = 13; s < 19; ++s)
        t[s] = 5; // 13/16 + 6/32 = 1
    return t;
}
inline std::vector<int> FullC()
{
    std::vector<int> c(510, 9);
    c[0] = c[1] = 8; // 2/256 + 508/512 = 1
    return c;
}
inline std::vector<int> FullP()
{
    std::vector<int> p(14, 4);
    p[0] = p[1] = 3; // 2/8 + 12/16 = 1
    return p;
}

// Position code j of a distance (with its codes from pLens; none for a
// single-value tree), then j - 1 low bits.
inline int PosCode(int dist)
{
    int j = 0;
    while (((dist - 1) >> j) != 0)
        ++j;
    return j;
}
inline void PutDistance(BitWriter& w, const std::vector<int>& pLens, const std::vector<uint32_t>& pCodes, int dist)
{
    const uint32_t p = static_cast<uint32_t>(dist - 1);
    const int j = PosCode(dist);
    if (!pLens.empty())
        w.Put(pLens[j], pCodes[j]);
    if (j > 1)
        w.Put(j - 1, p - (1u << (j - 1)));
}

// Block count, the three full trees, then the tokens.
inline void PutFullBlock(BitWriter& w, const std::vector<Token>& toks)
{
    const auto t = FullT(), c = FullC(), p = FullP();
    w.Put(16, static_cast<uint32_t>(toks.size()));
    PutPtLens(w, t, 5, 3);
    PutCLens(w, c, t);
    PutPtLens(w, p, 4, -1);
    const auto cc = Codes(c), pc = Codes(p);
    for (const Token& k : toks) {
        w.Put(c[k.code], cc[k.code]);
        if (k.code >= 256)
            PutDistance(w, p, pc, k.dist);
    }
}

inline std::vector<uint8_t> Block(uint32_t size, const std::vector<uint8_t>& stream)
{
    std::vector<uint8_t> b(4 + stream.size());
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<uint8_t>(size >> (8 * i));
    std::copy(stream.begin(), stream.end(), b.begin() + 4);
    return b;
}

// What the tokens mean: bytes before the start of the output read as
// spaces, output stops at size.
inline std::vector<uint8_t> Expected(const std::vector<Token>& toks, size_t size)
{
    std::vector<uint8_t> o;
    for (const Token& k : toks) {
        if (k.code < 256) {
            o.push_back(static_cast<uint8_t>(k.code));
            continue;
        }
        for (int i = 0; i < k.code - 253; ++i) {
            const long src = static_cast<long>(o.size()) - k.dist;
            o.push_back(src < 0 ? uint8_t{' '} : o[static_cast<size_t>(src)]);
        }
    }
    if (o.size() > size)
        o.resize(size);
    return o;
}

// A block of `blocks` × 16 MiB of spaces: each stream block is 65536
// length-256 matches at distance 1 through single-value trees, so the
// stream is a few bytes per 16 MiB and decodes at memcpy speed.
inline std::vector<uint8_t> HugeRunBlock(uint32_t blocks)
{
    BitWriter w;
    for (uint32_t b = 0; b < blocks; ++b) {
        w.Put(16, 0); // 65536 codes
        w.Put(5, 0), w.Put(5, 0);
        w.Put(9, 0), w.Put(9, 509); // length 256
        w.Put(4, 0), w.Put(4, 0);   // distance 1
    }
    return Block(blocks << 24, w.Bytes());
}

// 20,000 bytes stated; a first stream block of 10,000 bytes, then a second
// one whose literal tree is incomplete. The damage shows only after the
// first 8,192-byte piece went out.
inline std::vector<uint8_t> DamagedAfterFirstPieceBlock()
{
    BitWriter w;
    std::vector<Token> toks{Lit('a')};
    for (int i = 0; i < 39; ++i)
        toks.push_back(Match(256, 1));
    toks.push_back(Match(15, 1)); // 1 + 39 * 256 + 15 = 10000
    PutFullBlock(w, toks);
    w.Put(16, 1);
    PutPtLens(w, FullT(), 5, 3);
    PutCLens(w, {0, 0, 1}, FullT());
    return Block(20000, w.Bytes());
}

inline std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Deterministic pseudo-random bytes.
class Rng {
public:
    explicit Rng(uint64_t seed)
        : m_state(seed)
    {}
    uint32_t Next()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(m_state >> 33);
    }

private:
    uint64_t m_state;
};

} // namespace kit

#include "settings/IniText.h"

namespace {

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view KeyPart(std::string_view body) { return body.substr(0, body.find('=')); }
std::string_view ValuePart(std::string_view body) { return body.substr(body.find('=') + 1); }

} // namespace

IniText::IniText(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        Line line;
        if (nl == std::string_view::npos) {
            line.content = std::string(text.substr(pos));
            pos = text.size();
        } else {
            size_t end = nl;
            line.eol = "\n";
            if (end > pos && text[end - 1] == '\r') {
                --end;
                line.eol = "\r\n";
            }
            line.content = std::string(text.substr(pos, end - pos));
            pos = nl + 1;
        }
        m_lines.push_back(std::move(line));
    }
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const
{
    const std::optional<size_t> at = FindKey(section, key);
    if (!at)
        return std::nullopt;
    std::string_view v = Trim(ValuePart(Body(*at)));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::optional<size_t> sec = FindSection(section);
    if (!sec) {
        TerminateLast();
        m_lines.push_back({"[" + std::string(section) + "]", "\r\n"});
        m_lines.push_back({std::string(key) + "=" + std::string(value), "\r\n"});
        return;
    }
    if (const std::optional<size_t> at = FindKey(section, key)) {
        Line& line = m_lines[*at];
        const std::string_view body = Body(*at);
        const size_t bom = line.content.size() - body.size();
        // Keep the key as the user spelt it (and a leading BOM, if any).
        line.content = line.content.substr(0, bom) + std::string(Trim(KeyPart(body))) + "=" + std::string(value);
        return;
    }
    size_t insertAfter = *sec;
    for (size_t i = *sec + 1; i < m_lines.size() && !IsSection(i); ++i)
        if (IsKeyLine(i))
            insertAfter = i;
    if (insertAfter + 1 == m_lines.size())
        TerminateLast();
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1,
                   Line{std::string(key) + "=" + std::string(value), "\r\n"});
}

std::string IniText::Text() const
{
    std::string out;
    for (const Line& line : m_lines)
        out += line.content + line.eol;
    return out;
}

std::string_view IniText::Body(size_t i) const
{
    std::string_view s = m_lines[i].content;
    if (i == 0 && s.substr(0, 3) == "\xEF\xBB\xBF")
        s.remove_prefix(3);
    return s;
}

bool IniText::IsSection(size_t i) const
{
    const std::string_view t = Trim(Body(i));
    return !t.empty() && t.front() == '[' && t.find(']') != std::string_view::npos;
}

std::string_view IniText::SectionName(size_t i) const
{
    const std::string_view t = Trim(Body(i));
    return Trim(t.substr(1, t.find(']') - 1));
}

bool IniText::IsKeyLine(size_t i) const
{
    const std::string_view t = Trim(Body(i));
    return !t.empty() && t.front() != ';' && t.front() != '#' && t.find('=') != std::string_view::npos && !IsSection(i);
}

std::optional<size_t> IniText::FindSection(std::string_view section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (IsSection(i) && SameName(SectionName(i), section))
            return i;
    return std::nullopt;
}

std::optional<size_t> IniText::FindKey(std::string_view section, std::string_view key) const
{
    const std::optional<size_t> sec = FindSection(section);
    if (!sec)
        return std::nullopt;
    for (size_t i = *sec + 1; i < m_lines.size() && !IsSection(i); ++i)
        if (IsKeyLine(i) && SameName(Trim(KeyPart(Trim(Body(i)))), key))
            return i;
    return std::nullopt;
}

void IniText::TerminateLast()
{
    if (!m_lines.empty() && m_lines.back().eol.empty())
        m_lines.back().eol = "\r\n";
}

std::optional<uint32_t> ParseIniInteger(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : s) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = unsigned(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = unsigned(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = unsigned(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (negative) {
        if (value > 0x80000000ull)
            return std::nullopt;
        return static_cast<uint32_t>(0u - static_cast<uint32_t>(value));
    }
    return static_cast<uint32_t>(value);
}

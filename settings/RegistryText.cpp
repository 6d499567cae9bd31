#include "settings/RegistryText.h"

#include "data/Cp1250.h"

#include <QStringDecoder>

namespace {

const QString Header = QStringLiteral("Windows Registry Editor Version 5.00");
// The registry editor's older export, in the system's code page.
const QString AnsiHeader = QStringLiteral("REGEDIT4");
const char Eol[] = "\r\n";

// A name or a string between quotes. Only \\ and \" are the registry
// editor's own; \r and \n are ours, so that a value with a line break
// still takes one line.
QString Quote(const QString& s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += u'"';
    for (QChar c : s) {
        if (c == u'\\' || c == u'"')
            out += u'\\', out += c;
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    out += u'"';
    return out;
}

// Reads a quoted text starting at `pos` (on the opening quote) and leaves
// `pos` after the closing one. Empty when the quote is not closed; an
// unknown escape is kept as it stands and sets `odd`.
std::optional<QString> Unquote(QStringView line, qsizetype& pos, bool& odd)
{
    QString out;
    for (++pos; pos < line.size(); ++pos) {
        QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return out;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++pos == line.size())
            return std::nullopt;
        QChar e = line[pos];
        if (e == u'\\' || e == u'"')
            out += e;
        else if (e == u'r')
            out += u'\r';
        else if (e == u'n')
            out += u'\n';
        else {
            out += u'\\', out += e;
            odd = true;
        }
    }
    return std::nullopt;
}

void SkipBlanks(QStringView line, qsizetype& pos)
{
    while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t'))
        ++pos;
}

// The text of the file: UTF-16LE when it carries that byte-order mark (the
// registry editor's own exports), UTF-8 with or without a mark, and
// otherwise Windows-1250, the code page of an export from a Polish Windows.
// Damaged when none of them fits; then UTF-8 keeps what it can.
QString Decode(const QByteArray& text, bool& damaged)
{
    if (text.startsWith("\xFF\xFE")) {
        qsizetype units = (text.size() - 2) / 2;
        if ((text.size() - 2) % 2)
            damaged = true;
        QString out(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            out[i] = QChar(char16_t(uchar(text[2 + 2 * i]) | uchar(text[3 + 2 * i]) << 8));
        return out;
    }
    QByteArrayView body = text;
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString out = utf8.decode(body);
    if (!utf8.hasError())
        return out;
    if (body.size() == text.size()) {
        // No byte of Windows-1250 decodes to U+FFFD but the five unassigned ones.
        QString ansi = FromCp1250(text);
        if (!ansi.contains(QChar::ReplacementCharacter))
            return ansi;
    }
    damaged = true;
    return out;
}

} // namespace

RegistryText::RegistryText(QString key)
    : m_key(std::move(key))
{}

qsizetype RegistryText::Find(const QString& name) const { return m_index.value(name.toCaseFolded(), -1); }

std::optional<RegistryText::Type> RegistryText::ValueType(const QString& name) const
{
    qsizetype i = Find(name);
    if (i < 0)
        return std::nullopt;
    return m_values[i].type;
}

QStringList RegistryText::ValueNames() const
{
    QStringList names;
    for (const Value& v : m_values)
        names += v.name;
    return names;
}

void RegistryText::Set(const QString& name, Type type, const QString& text, quint32 dword)
{
    qsizetype i = Find(name);
    if (i < 0) {
        m_index.insert(name.toCaseFolded(), m_values.size());
        m_values.append({name, type, text, dword});
    } else
        m_values[i] = {m_values[i].name, type, text, dword};
}

void RegistryText::WriteString(const QString& name, const QString& value) { Set(name, Type::String, value, 0); }

void RegistryText::WriteInteger(const QString& name, quint32 value) { Set(name, Type::Dword, QString(), value); }

bool RegistryText::DeleteValue(const QString& name)
{
    qsizetype i = Find(name);
    if (i < 0)
        return false;
    m_values.removeAt(i);
    m_index.clear();
    for (qsizetype j = 0; j < m_values.size(); ++j)
        m_index.insert(m_values[j].name.toCaseFolded(), j);
    return true;
}

std::optional<QString> RegistryText::ReadString(const QString& name) const
{
    qsizetype i = Find(name);
    if (i < 0 || m_values[i].type != Type::String)
        return std::nullopt;
    return m_values[i].text;
}

std::optional<quint32> RegistryText::ReadInteger(const QString& name) const
{
    qsizetype i = Find(name);
    if (i < 0 || m_values[i].type != Type::Dword)
        return std::nullopt;
    return m_values[i].dword;
}

QByteArray RegistryText::ToText() const
{
    QString out = Header + Eol + Eol + u'[' + m_key + u']' + Eol;
    for (const Value& v : m_values) {
        out += Quote(v.name) + u'=';
        if (v.type == Type::String)
            out += Quote(v.text);
        else
            out += QStringLiteral("dword:%1").arg(v.dword, 8, 16, QLatin1Char('0'));
        out += Eol;
    }
    // The registry editor ends its exports with a blank line.
    out += Eol;
    return out.toUtf8();
}

RegistryText::Parsed RegistryText::Parse(const QByteArray& text, const QString& key)
{
    Parsed result{RegistryText(key), false};
    bool& damaged = result.damaged;
    const QString all = Decode(text, damaged);

    enum class Section { None, Ours, Other } section = Section::None;
    bool first = true;
    for (QStringView raw : QStringView(all).split(u'\n')) {
        QStringView line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (first) {
            first = false;
            if (line == Header || line == AnsiHeader)
                continue;
            damaged = true;
        }
        if (line.startsWith(u'[')) {
            // A key line cut short says nothing of whose the values after
            // it are; they stay with the key before.
            if (!line.endsWith(u']')) {
                damaged = true;
                continue;
            }
            bool ours = line.sliced(1, line.size() - 2).compare(key, Qt::CaseInsensitive) == 0;
            section = ours ? Section::Ours : Section::Other;
            result.keyFound = result.keyFound || ours;
            damaged = damaged || !ours;
            continue;
        }
        if (!line.startsWith(u'"')) {
            damaged = true;
            continue;
        }
        if (section == Section::Other)
            continue;
        if (section == Section::None)
            damaged = true, result.keyFound = true;

        qsizetype pos = 0;
        std::optional<QString> name = Unquote(line, pos, damaged);
        SkipBlanks(line, pos);
        if (!name || pos == line.size() || line[pos] != u'=') {
            damaged = true;
            continue;
        }
        ++pos;
        SkipBlanks(line, pos);
        QStringView rest = line.sliced(pos);
        const bool twice = result.store.ValueExists(*name);
        bool good = false;
        if (rest.startsWith(u'"')) {
            qsizetype end = 0;
            std::optional<QString> value = Unquote(rest, end, damaged);
            if (value && end == rest.size()) {
                result.store.WriteString(*name, *value);
                good = true;
            }
        } else if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            QStringView digits = rest.sliced(6);
            bool ok = digits.size() >= 1 && digits.size() <= 8;
            for (QChar c : digits)
                ok = ok && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'));
            if (ok) {
                result.store.WriteInteger(*name, digits.toUInt(nullptr, 16));
                good = true;
            }
        }
        damaged = damaged || !good || twice;
    }
    return result;
}

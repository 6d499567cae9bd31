// One registry key kept in memory, with the registry's rules, and its text
// in the export format of the Windows registry editor:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Morvane\Zefirak]
//   "Wersja"="2.5.1.FREE"
//   "Układ_Dane_Latin"=dword:00000001
//
// The bracket line holds the key name exactly as the caller gives it, with
// single backslashes, as the registry editor writes it. Values are strings
// or 32-bit DWORDs; names compare without regard to case, as in the
// registry, but keep the spelling they were first set with; the text lists
// the values in the order they were first set.
//
// The text is written in UTF-8 without a byte-order mark, with CR LF line
// ends: that is what the registry editor writes (apart from its UTF-16), so
// the file imports on Windows as it is and Notepad shows it whole; Linux
// editors and tools take CR LF in their stride. Reading takes CR LF or LF,
// a UTF-8 byte-order mark, a UTF-16LE export as the registry editor makes
// it, an older "REGEDIT4" export in Windows-1250, blank lines and ';'
// comments.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class RegistryText {
public:
    enum class Type { String, Dword };

    explicit RegistryText(QString key = QString());

    const QString& Key() const { return m_key; }

    bool ValueExists(const QString& name) const { return Find(name) >= 0; }
    std::optional<Type> ValueType(const QString& name) const;
    // The value names, spelled as first set, in the order they were set.
    QStringList ValueNames() const;

    // Setting an existing value (in any spelling of its name) replaces its
    // type and contents in place.
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, quint32 value);
    // False when there was no such value.
    bool DeleteValue(const QString& name);

    // Empty when the value is missing or of the other type: a number
    // stored as a string is not a number.
    std::optional<QString> ReadString(const QString& name) const;
    std::optional<quint32> ReadInteger(const QString& name) const;

    QByteArray ToText() const;

    struct Parsed;
    // Reads the values of `key` (compared without regard to case) from an
    // export text. A damaged text gives every value that can still be read;
    // `damaged` then tells the caller that writing the store back would lose
    // something of the original. Damage is: no header line, values before
    // any key line (they are taken as the key's), lines of another key
    // (skipped), a line that is not a comment, a key or a value, a value of
    // another type than string or DWORD, a DWORD that is not 1 to 8 hex
    // digits, a string or name that is not closed, an unknown escape, a
    // name given twice (the later value wins, as on import), and bytes that
    // are neither UTF-8 nor Windows-1250.
    static Parsed Parse(const QByteArray& text, const QString& key);

private:
    struct Value {
        QString name;
        Type type;
        QString text;
        quint32 dword;
    };

    qsizetype Find(const QString& name) const;
    void Set(const QString& name, Type type, const QString& text, quint32 dword);

    QString m_key;
    QList<Value> m_values;
    QHash<QString, qsizetype> m_index; // case-folded name -> place in m_values
};

struct RegistryText::Parsed {
    RegistryText store;
    bool damaged = false;
    // The text names the key, or holds values before any key line.
    bool keyFound = false;
};

#include "settings/SettingsStore.h"

#include "data/ProgramInfo.h"
#include "data/SettingsValues.h"
#include "platform/RegularFile.h"
#include "platform/SaveFile.h"
#include "settings/MainWindowLink.h"
#include "settings/Skin.h"
#include "widgets/Look.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString SettingsKeyName = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak");
const QString SettingsVersion = ProgramVersion();

namespace {

const QString FieldCountName = QStringLiteral("Układ_Pole_LinesCount");

QString FieldLineName(int i) { return QStringLiteral("Układ_Pole_Line") + QString::number(i); }

// The chart's sizes in the order they are read and written, with the
// length of their lists; the font names and the bold box go around them.
struct TableSize {
    const char16_t* name;
    int TablePrintSettings::*size;
    int hi;
};
constexpr TableSize TableSizes[] = {
    {u"Układ_Czcionka_Symbol_Rozmiar", &TablePrintSettings::symbolSize, MaxFontSize},
    {u"Układ_Czcionka_Dane_Rozmiar", &TablePrintSettings::dataSize, MaxFontSize},
    {u"Układ_Skala", &TablePrintSettings::scale, MaxScale},
    {u"Układ_Czcionka_Pole_Rozmiar", &TablePrintSettings::fieldSize, MaxFontSize},
};
const QString ReportSizeName = QStringLiteral("Raport_Czcionka_Rozmiar");

QString Name(const char16_t* name) { return QString::fromUtf16(name); }

// The stored sizes are rows of their lists ("25" … "01"): row r of a list
// up to hi is the size hi - r; -1, or a row the list lacks, is none (0).
int SizeOfRow(int row, int hi) { return row >= 0 && row < hi ? hi - row : 0; }

int RowOfSize(int size, int hi) { return size >= 1 && size <= hi ? hi - size : -1; }

} // namespace

int ReadRegInteger(const RegistryText& key, const QString& name)
{
    // A DWORD is stored unsigned; the program's integers are signed, so
    // 0xFFFFFFFF is -1, "no row selected".
    return static_cast<int>(key.ReadInteger(name).value_or(0xFFFFFFFFu));
}

QString ReadRegString(const RegistryText& key, const QString& name) { return key.ReadString(name).value_or(QString()); }

bool ReadRegBool(const RegistryText& key, const QString& name) { return key.ReadInteger(name).value_or(0) != 0; }

bool IsOtherVersion(const RegistryText& key)
{
    const std::optional<QString> version = key.ReadString(QStringLiteral("Wersja"));
    return version && *version != SettingsVersion;
}

QStringList ReadFieldLines(const RegistryText& key)
{
    const int last = ReadRegInteger(key, FieldCountName);
    QStringList lines;
    for (int i = 0; i <= last && i < MaxFieldLines; ++i)
        lines += ReadRegString(key, FieldLineName(i));
    return lines;
}

void WriteFieldLines(RegistryText& key, const QStringList& lines)
{
    const int last = int(lines.size()) - 1;
    key.WriteInteger(FieldCountName, quint32(last));
    for (int i = 0; i <= last; ++i)
        key.WriteString(FieldLineName(i), lines[i]);
    // Only the run of lines right after the new last one goes: a line
    // number behind a gap is not the field's any more.
    for (int j = last + 1; key.DeleteValue(FieldLineName(j)); ++j) {
    }
}

SettingsFile OpenSettingsFile(const QString& path)
{
    SettingsFile file;
    file.path = path;
    RegularFileRead in = ReadRegularFile(path, MaxSettingsFileSize);
    switch (in.status) {
    case RegularFileRead::Status::Missing:
        return file;
    case RegularFileRead::Status::NotRegular:
    case RegularFileRead::Status::TooLarge:
        file.damaged = true;
        return file;
    case RegularFileRead::Status::Unreadable:
        file.unreadable = in.reason;
        return file;
    case RegularFileRead::Status::Read:
        break;
    }
    RegistryText::Parsed parsed = RegistryText::Parse(in.bytes, SettingsKeyName);
    file.key = std::move(parsed.store);
    file.keyExists = parsed.keyFound;
    file.damaged = parsed.damaged;
    return file;
}

QString CommitSettingsFile(const SettingsFile& file)
{
    if (!file.unreadable.isEmpty())
        return QStringLiteral("nie można odczytać istniejącego pliku (%1), więc nie został zastąpiony")
            .arg(file.unreadable);
    const QFileInfo info(file.path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("nie można utworzyć folderu %1").arg(QDir::toNativeSeparators(info.absolutePath()));
    const FileKind kind = KindOfFile(file.path);
    if (file.damaged && kind != FileKind::Missing) {
        // What could not be read stays for a person to look at. A link to a
        // device, a pipe or a folder cannot be copied: it is moved aside
        // whole, and a regular file takes its place.
        const QString bad = file.path + QStringLiteral(".bad");
        QString why;
        if (kind == FileKind::Regular) {
            QFile::remove(bad);
            QFile original(file.path);
            if (!original.copy(bad))
                why = original.errorString();
        } else
            why = SetAside(file.path, bad);
        if (!why.isEmpty())
            return QStringLiteral("nie można zachować uszkodzonego pliku jako %1: %2")
                .arg(QDir::toNativeSeparators(bad), why);
    }
    return SaveWhole(file.path, file.key.ToText());
}

void SetDefaults(PrintSettings& print, MainWindowLink& window)
{
    print = PrintSettings{};
    // Arial by design; its metric twin where the system lacks it, so that
    // the font boxes show a face.
    print.report.fontName = DesignFont();
    print.table.fontName = DesignFont();
    print.table.fieldLines = DefaultInfoLines();
    Warn1 = true;
    Warn2 = true;
    window.loadskin(QStringLiteral("default"), colors::White);
}

namespace {

// Reads the key's values into the controls and values, in their order.
// Over the defaults (a damaged file), a value the file lost keeps its
// default; otherwise it reads as none, empty or false.
void ReadValues(const RegistryText& key, PrintSettings& print, bool overDefaults)
{
    using Type = RegistryText::Type;
    auto held = [&](const QString& name, Type type) { return !overDefaults || key.ValueType(name) == type; };
    auto text = [&](const QString& name, QString& value) {
        if (held(name, Type::String))
            value = ReadRegString(key, name);
    };
    auto flag = [&](const QString& name, bool& value) {
        if (held(name, Type::Dword))
            value = ReadRegBool(key, name);
    };
    auto size = [&](const QString& name, int hi, int& value) {
        if (held(name, Type::Dword))
            value = SizeOfRow(ReadRegInteger(key, name), hi);
    };

    text(QStringLiteral("Raport_Czcionka_Nazwa"), print.report.fontName);
    size(ReportSizeName, MaxFontSize, print.report.size);
    text(QStringLiteral("Układ_Czcionka_Nazwa"), print.table.fontName);
    for (const TableSize& v : TableSizes)
        size(Name(v.name), v.hi, print.table.*v.size);
    flag(QStringLiteral("Układ_Czcionka_Pole_Pogrubiony"), print.table.fieldBold);
    if (held(FieldCountName, Type::Dword))
        print.table.fieldLines = ReadFieldLines(key);
    text(QStringLiteral("Układ_Skóra_Plik"), SkinName);
    text(QStringLiteral("Układ_Skóra_Edytor"), SkinEditor);
    flag(QStringLiteral("Układ_Wydruk_Warn1"), Warn1);
    flag(QStringLiteral("Układ_Wydruk_Warn2"), Warn2);
    flag(QStringLiteral("Układ_Dane_Latin"), LatinNames);
}

} // namespace

void ReadReg(const QString& path, PrintSettings& print, MainWindowLink& window)
{
    const SettingsFile file = OpenSettingsFile(path);
    const RegistryText& key = file.key;
    const bool readable = file.keyExists && !IsOtherVersion(key);
    if (!readable || file.damaged)
        SetDefaults(print, window);
    if (readable) {
        ReadValues(key, print, file.damaged);
        window.loadskin(SkinName, ColorScheme.transparent);
    }
    window.SetLatin(LatinNames);
}

QStringList WriteReg(const QString& path, const PrintSettings& print)
{
    // The key as it stands now, so that values of others stay.
    SettingsFile file = OpenSettingsFile(path);
    RegistryText& key = file.key;
    key.WriteString(QStringLiteral("Raport_Czcionka_Nazwa"), print.report.fontName);
    key.WriteInteger(ReportSizeName, quint32(RowOfSize(print.report.size, MaxFontSize)));
    key.WriteString(QStringLiteral("Układ_Czcionka_Nazwa"), print.table.fontName);
    for (const TableSize& v : TableSizes)
        key.WriteInteger(Name(v.name), quint32(RowOfSize(print.table.*v.size, v.hi)));
    key.WriteInteger(QStringLiteral("Układ_Czcionka_Pole_Pogrubiony"), print.table.fieldBold ? 1 : 0);
    WriteFieldLines(key, print.table.fieldLines);
    key.WriteString(QStringLiteral("Układ_Skóra_Plik"), SkinName);
    key.WriteString(QStringLiteral("Układ_Skóra_Edytor"), SkinEditor);
    key.WriteInteger(QStringLiteral("Układ_Wydruk_Warn1"), Warn1 ? 1 : 0);
    key.WriteInteger(QStringLiteral("Układ_Wydruk_Warn2"), Warn2 ? 1 : 0);
    key.WriteInteger(QStringLiteral("Układ_Dane_Latin"), LatinNames ? 1 : 0);

    QStringList problems;
    if (const QString why = WriteColors(SkinName, ColorScheme.transparent, ColorScheme.app_buttons,
                                        ColorScheme.app_legend, ColorScheme.app_info, ColorScheme.but_transp);
        !why.isEmpty())
        problems += QStringLiteral("Nie można zapisać kolorów skórki w pliku:\r\n")
                    + QDir::toNativeSeparators(SkinFilePath(skinfile::Colors)) + QStringLiteral("\r\n(") + why
                    + QLatin1Char(')');

    key.WriteString(QStringLiteral("Wersja"), SettingsVersion);
    key.WriteString(QStringLiteral("!!!UWAGA!!!"),
                    QStringLiteral("Ręczna modyfikacja wartości kluczy programu, może spowodować jego wadliwe "
                                   "działanie!"));
    const QString why = CommitSettingsFile(file);
    if (!why.isEmpty())
        problems += QStringLiteral("Nie można zapisać ustawień programu w pliku:\r\n") + QDir::toNativeSeparators(path)
                    + QStringLiteral("\r\n(") + why + QLatin1Char(')');
    return problems;
}

#include "settings/SettingsStore.h"

#include "data/MainWindowLink.h"
#include "data/SettingsValues.h"
#include "platform/SaveFile.h"
#include "settings/Skin.h"
#include "widgets/DesignFont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

const QString SettingsKeyName = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak");
const QString SettingsVersion = QStringLiteral("2.5.1.FREE");

namespace {

using List = SettingsHomes::List;

const QString FieldCountName = QStringLiteral("Układ_Pole_LinesCount");

QString FieldLineName(int i) { return QStringLiteral("Układ_Pole_Line") + QString::number(i); }

// The integer values in the order they are read and written, with their
// homes and defaults; the font names and the bold box go around them.
struct ListValue {
    const char16_t* name;
    List list;
    int defaultIndex;
};
constexpr ListValue ReportSize{u"Raport_Czcionka_Rozmiar", List::ReportSize, 13};
constexpr ListValue TableLists[] = {
    {u"Układ_Czcionka_Symbol_Rozmiar", List::SymbolSize, 9},
    {u"Układ_Czcionka_Dane_Rozmiar", List::DataSize, 18},
    {u"Układ_Skala", List::Scale, 10},
    {u"Układ_Czcionka_Pole_Rozmiar", List::FieldSize, 17},
};

QString Name(const char16_t* name) { return QString::fromUtf16(name); }

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
    QFile in(path);
    if (!in.exists())
        return file;
    if (in.size() > MaxSettingsFileSize) {
        file.damaged = true;
        return file;
    }
    if (!in.open(QIODevice::ReadOnly)) {
        file.unreadable = in.errorString();
        return file;
    }
    RegistryText::Parsed parsed = RegistryText::Parse(in.readAll(), SettingsKeyName);
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
    if (file.damaged && QFile::exists(file.path)) {
        // What could not be read stays for a person to look at.
        const QString bad = file.path + QStringLiteral(".bad");
        QFile::remove(bad);
        if (!QFile::copy(file.path, bad))
            return QStringLiteral("nie można zachować uszkodzonego pliku jako %1").arg(QDir::toNativeSeparators(bad));
    }
    return SaveWhole(file.path, file.key.ToText());
}

void SetDefaults(SettingsHomes& homes, MainWindowLink& window)
{
    // Arial by design; its metric twin where the system lacks it, so that
    // the font boxes show a face.
    homes.SelectReportFont(DesignFont());
    homes.SetItemIndex(ReportSize.list, ReportSize.defaultIndex);
    homes.SelectTableFont(DesignFont());
    for (const ListValue& v : TableLists)
        homes.SetItemIndex(v.list, v.defaultIndex);
    homes.SetFieldBold(true);
    Warn1 = true;
    Warn2 = true;
    window.loadskin(QStringLiteral("default"), colors::White);
    homes.SetFieldLines(DefaultInfoLines());
}

namespace {

// Reads the key's values into the controls and values, in their order.
// Over the defaults (a damaged file), a value the file lost keeps its
// default; otherwise it reads as none, empty or false.
void ReadValues(const RegistryText& key, SettingsHomes& homes, bool overDefaults)
{
    using Type = RegistryText::Type;
    auto held = [&](const QString& name, Type type) { return !overDefaults || key.ValueType(name) == type; };
    auto text = [&](const QString& name, const std::function<void(const QString&)>& apply) {
        if (held(name, Type::String))
            apply(ReadRegString(key, name));
    };
    auto flag = [&](const QString& name, bool& value) {
        if (held(name, Type::Dword))
            value = ReadRegBool(key, name);
    };
    auto index = [&](const ListValue& v) {
        if (held(Name(v.name), Type::Dword))
            homes.SetItemIndex(v.list, ReadRegInteger(key, Name(v.name)));
    };

    text(QStringLiteral("Raport_Czcionka_Nazwa"), [&](const QString& name) { homes.SelectReportFont(name); });
    index(ReportSize);
    text(QStringLiteral("Układ_Czcionka_Nazwa"), [&](const QString& name) { homes.SelectTableFont(name); });
    for (const ListValue& v : TableLists)
        index(v);
    bool bold = homes.FieldBold();
    flag(QStringLiteral("Układ_Czcionka_Pole_Pogrubiony"), bold);
    homes.SetFieldBold(bold);
    if (held(FieldCountName, Type::Dword))
        homes.SetFieldLines(ReadFieldLines(key));
    text(QStringLiteral("Układ_Skóra_Plik"), [](const QString& name) { SkinName = name; });
    text(QStringLiteral("Układ_Skóra_Edytor"), [](const QString& name) { SkinEditor = name; });
    flag(QStringLiteral("Układ_Wydruk_Warn1"), Warn1);
    flag(QStringLiteral("Układ_Wydruk_Warn2"), Warn2);
    flag(QStringLiteral("Układ_Dane_Latin"), LatinNames);
}

} // namespace

void ReadReg(const QString& path, SettingsHomes& homes, MainWindowLink& window)
{
    const SettingsFile file = OpenSettingsFile(path);
    const RegistryText& key = file.key;
    const bool readable = file.keyExists && !IsOtherVersion(key);
    if (!readable || file.damaged)
        SetDefaults(homes, window);
    if (readable) {
        ReadValues(key, homes, file.damaged);
        window.loadskin(SkinName, ColorScheme.transparent);
    }
    window.SetLatin(LatinNames);
}

QStringList WriteReg(const QString& path, const SettingsHomes& homes)
{
    // The key as it stands now, so that values of others stay.
    SettingsFile file = OpenSettingsFile(path);
    RegistryText& key = file.key;
    key.WriteString(QStringLiteral("Raport_Czcionka_Nazwa"), homes.ReportFontName());
    key.WriteInteger(Name(ReportSize.name), quint32(homes.ItemIndex(ReportSize.list)));
    key.WriteString(QStringLiteral("Układ_Czcionka_Nazwa"), homes.TableFontName());
    for (const ListValue& v : TableLists)
        key.WriteInteger(Name(v.name), quint32(homes.ItemIndex(v.list)));
    key.WriteInteger(QStringLiteral("Układ_Czcionka_Pole_Pogrubiony"), homes.FieldBold() ? 1 : 0);
    WriteFieldLines(key, homes.FieldLines());
    key.WriteString(QStringLiteral("Układ_Skóra_Plik"), SkinName);
    key.WriteString(QStringLiteral("Układ_Skóra_Edytor"), SkinEditor);
    key.WriteInteger(QStringLiteral("Układ_Wydruk_Warn1"), Warn1 ? 1 : 0);
    key.WriteInteger(QStringLiteral("Układ_Wydruk_Warn2"), Warn2 ? 1 : 0);
    key.WriteInteger(QStringLiteral("Układ_Dane_Latin"), LatinNames ? 1 : 0);

    QStringList problems;
    if (!WriteColors(SkinName, ColorScheme.transparent, ColorScheme.app_buttons, ColorScheme.app_legend,
                     ColorScheme.app_info, ColorScheme.but_transp))
        problems += QStringLiteral("Nie można zapisać kolorów skórki w pliku:\r\n")
                    + QDir::toNativeSeparators(SkinFilePath(skinfile::Colors));

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

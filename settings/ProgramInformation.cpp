#include "settings/ProgramInformation.h"

#include "data/Dane.h"
#include "data/ProgramInfo.h"
#include "data/SettingsValues.h"
#include "platform/Platform.h"
#include "settings/Skin.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// A heading and its lines, one paragraph.
QString Section(const QString& heading, const QStringList& lines)
{
    return QStringLiteral("<p><b>") + Escaped(heading) + QStringLiteral("</b><br>") + lines.join(QStringLiteral("<br>"))
           + QStringLiteral("</p>");
}

QString Row(const QString& name, const QString& value) { return Escaped(name) + QStringLiteral(": ") + Escaped(value); }

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

QStringList LibraryLines()
{
    TDaneVersion v;
    GetVersion(&v);
    QStringList lines{
        Row(QStringLiteral("Wersja"), QString::fromStdString(v.Version)),
        Row(QStringLiteral("Data wydania"), QString::fromStdString(v.ReleaseDate)),
        Row(QStringLiteral("Autorzy"), QString::fromStdString(v.Credits)),
    };
    // The description holds its own line breaks.
    const QStringList description =
        QString::fromStdString(v.Description).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    lines << Row(QStringLiteral("Opis"), description.value(0));
    for (qsizetype i = 1; i < description.size(); ++i)
        lines << Escaped(description[i]);
    return lines;
}

QStringList SourceLines()
{
    QStringList lines;
    for (const QString& line : DefaultInfoLines())
        lines << Escaped(line.trimmed());
    return lines;
}

QStringList FileLines()
{
    return {
        Row(QStringLiteral("Ustawienia"), NativePath(platform::Paths().SettingsFile())),
        Row(QStringLiteral("Tło okna"), NativePath(SkinFilePath(skinfile::Background))),
        Row(QStringLiteral("Kształt okna"), NativePath(SkinFilePath(skinfile::Outline))),
        Row(QStringLiteral("Kolory skórki"), NativePath(SkinFilePath(skinfile::Colors))),
    };
}

// What the windows' key handlers do (the main window, its search box and
// table, the toolbar and dialog buttons, the question boxes).
QStringList KeyLines()
{
    const QStringList keys{
        QStringLiteral("Okno główne:"),
        QStringLiteral("Tab, Shift+Tab – przyciski paska, pole wyszukiwania i układ pierwiastków "
                       "(jeden przystanek), w kolejności czytania"),
        QStringLiteral("strzałki (w układzie i w polu wyszukiwania) – sąsiedni pierwiastek; "
                       "gdy żaden nie jest wybrany, wodór"),
        QStringLiteral("Spacja, Enter – naciska przycisk, na którym jest fokus; w układzie wybiera pierwiastek"),
        QStringLiteral("Enter w polu wyszukiwania – szuka pierwiastka po symbolu, nazwie polskiej lub łacińskiej"),
        QStringLiteral("Esc w polu wyszukiwania – pytanie o zakończenie programu"),
        QStringLiteral("Okna dialogowe:"),
        QStringLiteral("Tab, Shift+Tab – kolejne przyciski i pola"),
        QStringLiteral("Spacja, Enter – naciska przycisk, na którym jest fokus"),
        QStringLiteral("Esc – zamyka okno (w ustawieniach programu: bez zapisania zmian)"),
        QStringLiteral("Pytania:"),
        QStringLiteral("Alt+T – Tak, Alt+N – Nie"),
        QStringLiteral("Enter – wyróżniony przycisk (na początku Tak), Esc – Nie"),
    };
    QStringList lines;
    for (const QString& line : keys)
        lines << Escaped(line);
    return lines;
}

} // namespace

QString ProgramInformationHtml()
{
    return Section(ProgramName() + QLatin1Char(' ') + ProgramVersion(),
                   {Escaped(QStringLiteral("Układ okresowy pierwiastków chemicznych"))})
           + Section(QStringLiteral("Biblioteka danych o pierwiastkach"), LibraryLines())
           + Section(QStringLiteral("Źródło danych"), SourceLines())
           + Section(QStringLiteral("Licencja"), {Escaped(LicenceText()), Escaped(FreewareAppeal())})
           + Section(QStringLiteral("Pliki tego użytkownika"), FileLines())
           + Section(QStringLiteral("Klawiatura"), KeyLines());
}

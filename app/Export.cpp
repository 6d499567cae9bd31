// Taking an element's data out: to the clipboard or a text file.
#include "app/Export.h"

#include "data/Cp1250.h"
#include "data/ElementText.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void CopyElementText(QClipboard& clipboard, const TPierwData& record)
{
    clipboard.setText(BuildElementText(record, TextVariant::Clipboard), QClipboard::Clipboard);
}

void SaveElementText(QWidget* parent, const TPierwData& record)
{
    const QString symbolAndName = Q(record.Symbol) + QStringLiteral(" - ") + Q(record.Name);
    const QString path = platform::FileDialogs().GetSaveFileName(
        parent, QStringLiteral("Wybierz plik w którym zapisać dane pierwiastka: ") + symbolAndName,
        Q(record.Name) + QStringLiteral(".txt"), QStringLiteral("Pliki tekstowe|*.txt"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    const QString cannotCreate = QStringLiteral("Nie można utwożyć pliku o podanej nazwie: ") + path;

    // Only a regular file, or a name not taken yet, is opened at all: opening
    // a named pipe waits for its other end for ever, and a device or a folder
    // cannot hold the text.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        ShowNotice(cannotCreate, nkError);
        return;
    }

    {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly)) {
            existing.close();
            const bool replace = AskYesNo(
                QStringLiteral("Plik o podanej nazwie: ") + path + QStringLiteral(" istnieje!\r\n")
                + QStringLiteral("Czy jestes pewien że chcesz wymazać jego dotychczasową zawartość i zapisać w nim "
                                 "dane pierwiastka ")
                + symbolAndName + QStringLiteral(" ?"));
            if (!replace)
                return;
        }
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ShowNotice(cannotCreate, nkError);
        return;
    }
    const QByteArray bytes = ToCp1250(BuildElementText(record, TextVariant::File) + QStringLiteral("\r\n"));
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        // The file was created but its content did not reach the disk whole.
        ShowNotice(QStringLiteral("Błąd zapisu pliku: ") + path + QStringLiteral("\r\n")
                       + QStringLiteral("Dane pierwiastka nie zostały zapisane w całości."),
                   nkError);
    }
}

#include "print/SizeCheck.h"

#include "platform/Messages.h"
#include "widgets/PrintLists.h"

bool IsDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool CheckSizeCombo(SizeList& list, int lo, int hi)
{
    const QString text = list.currentText();
    if (!IsDigits(text)) {
        ShowNotice(QStringLiteral("Nie wybrano poprawnego rozmiaru czcionki!"), nkError);
        return false;
    }
    bool ok = false;
    const int v = text.toInt(&ok); // too many digits for an int: out of range
    if (!ok || v < lo || v > hi) {
        ShowNotice(QStringLiteral("Podano rozmiar czcionki z poza dopuszczalnego zakresu!"), nkError);
        return false;
    }
    list.SetValue(v);
    return true;
}

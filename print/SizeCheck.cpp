#include "print/SizeCheck.h"

#include "platform/Messages.h"
#include "widgets/PrintLists.h"

#include <charconv>

bool CheckSizeCombo(SizeList& list, int lo, int hi)
{
    // Digits only, so no sign; a number too long for the type is out of range.
    const QByteArray text = list.currentText().toLatin1();
    unsigned v = 0;
    const auto [end, error] = std::from_chars(text.cbegin(), text.cend(), v);
    if (end != text.cend() || error == std::errc::invalid_argument) {
        ShowNotice(QStringLiteral("Nie wybrano poprawnego rozmiaru czcionki!"), nkError);
        return false;
    }
    if (error == std::errc::result_out_of_range || v < unsigned(lo) || v > unsigned(hi)) {
        ShowNotice(QStringLiteral("Podano rozmiar czcionki z poza dopuszczalnego zakresu!"), nkError);
        return false;
    }
    list.SetValue(int(v));
    return true;
}

// libFuzzer harness for the colour-scheme reader and writer. Besides memory
// safety it checks: writing a scheme into any text reads back as that
// scheme, writing it a second time changes nothing, and the writer only ever
// adds the section and the five keys.
#include "settings/ColorSchemeFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TColorScheme s = ColorsFromIni(text);
    // A scheme different from what was read, so that every key is written.
    s.transparent ^= 0x80000001u;
    s.app_buttons += 7;
    s.app_legend = ~s.app_legend;
    s.app_info ^= 0x00FF00FFu;
    s.but_transp = !s.but_transp;
    const std::string written = ColorsIntoIni(text, s);
    if (!(ColorsFromIni(written) == s))
        __builtin_trap();
    if (ColorsIntoIni(written, s) != written)
        __builtin_trap();
    // Header, five keys of at most 31 bytes, their line ends, one added line end.
    if (written.size() > size + 10 + 5 * 33 + 2 + 2)
        __builtin_trap();
    return 0;
}

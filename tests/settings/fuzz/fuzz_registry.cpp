// libFuzzer harness for the settings store's registry text. Besides memory
// safety it checks: whatever is read from any text writes out as a text that
// reads back undamaged with the same names, types and values in the same
// order, and writing that again gives the same bytes.
#include "settings/RegistryText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak");
    const RegistryText first =
        RegistryText::Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), key).store;
    const QByteArray written = first.ToText();
    const RegistryText::Parsed again = RegistryText::Parse(written, key);
    if (again.damaged || again.store.ValueNames() != first.ValueNames())
        __builtin_trap();
    for (const QString& name : first.ValueNames())
        if (again.store.ValueType(name) != first.ValueType(name)
            || again.store.ReadString(name) != first.ReadString(name)
            || again.store.ReadInteger(name) != first.ReadInteger(name))
            __builtin_trap();
    if (again.store.ToText() != written)
        __builtin_trap();
    return 0;
}

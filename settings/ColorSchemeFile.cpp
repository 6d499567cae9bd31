#include "settings/ColorSchemeFile.h"

#include "settings/IniText.h"

#include <optional>

namespace {

uint32_t ColorOr(const IniText& ini, const char* key, uint32_t fallback)
{
    const std::optional<std::string> text = ini.Value("Colors", key);
    const std::optional<uint32_t> value = text ? ParseIniInteger(*text) : std::nullopt;
    return value ? *value : fallback;
}

} // namespace

TColorScheme ColorsFromIni(std::string_view text)
{
    const IniText ini(text);
    const TColorScheme defaults;
    TColorScheme s;
    s.transparent = ColorOr(ini, "transparent", defaults.transparent);
    s.app_buttons = ColorOr(ini, "app_buttons", defaults.app_buttons);
    s.app_legend = ColorOr(ini, "app_legend", defaults.app_legend);
    s.app_info = ColorOr(ini, "app_info", defaults.app_info);
    s.but_transp = ColorOr(ini, "but_transp", defaults.but_transp ? 1 : 0) != 0;
    return s;
}

std::string ColorsIntoIni(std::string_view existing, const TColorScheme& s)
{
    IniText ini(existing);
    auto dec = [](uint32_t v) { return std::to_string(static_cast<int32_t>(v)); };
    ini.SetValue("Colors", "transparent", dec(s.transparent));
    ini.SetValue("Colors", "app_buttons", dec(s.app_buttons));
    ini.SetValue("Colors", "app_legend", dec(s.app_legend));
    ini.SetValue("Colors", "app_info", dec(s.app_info));
    ini.SetValue("Colors", "but_transp", s.but_transp ? "1" : "0");
    return ini.Text();
}

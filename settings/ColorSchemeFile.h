// The colour scheme file "default.col": an INI text with the section
// "Colors". Read from disk, so it must survive any content; plain C++
// without Qt, so the fuzzers can take it as it is.
#pragma once

#include "widgets/Colors.h"

#include <string>
#include <string_view>

// Colours of the window's captions; the flag says whether toolbar buttons
// are drawn transparently. The defaults are the built-in skin's.
struct TColorScheme {
    TColor transparent = 16777215; // $00FFFFFF
    TColor app_buttons = 14539474; // $00DDDAD2
    TColor app_legend = 8421376;   // $00808000
    TColor app_info = 0;
    bool but_transp = true;

    bool operator==(const TColorScheme&) const = default;
};

// The scheme that a "default.col" text gives: every key that is missing or
// not an integer keeps its default; the flag is true for any non-zero value.
TColorScheme ColorsFromIni(std::string_view text);

// The text of "default.col" after writing the scheme into existing: the five
// keys in their fixed order, colours as signed decimal integers (the form
// INI integers are written in), the flag as 1 or 0.
std::string ColorsIntoIni(std::string_view existing, const TColorScheme& s);

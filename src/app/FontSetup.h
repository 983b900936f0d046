#pragma once

// The Windows font names the windows ask for, mapped to the IPA and Liberation fonts the set-up
// installs (fontconfig alone would map them to a fixed-width face).
void registerFontSubstitutions();

// The board is laid out for Times New Roman, Arial and Arial Narrow. Not
// every Windows has Arial Narrow, and Wine has none of them: the program
// folder's Liberation fonts (in "fonts"), made to the same widths, stand in
// for any that is missing, so that captions keep their widths on every
// system. Where fontconfig maps the families (Linux), nothing is needed.
#pragma once

#include <string>

namespace vorpex {

// Registers the fonts in `appDir`'s "fonts" folder with the application
// and names them as the stand-ins for the three families. Needs the
// QGuiApplication; a missing folder registers nothing.
void useShippedFonts(const std::string& appDir);

}  // namespace vorpex

#pragma once

#include <string>
#include <vector>

#include "core/language/language.h"

namespace af::desktop {

// The languages the desktop's environment asks for (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), most preferred first, for the core to choose from.
std::vector<std::string> environment_languages();

// Names, style, font stand-ins and the toolkit's own words in `language`
// (its dialogs' buttons and labels), which the window relies on; call once,
// after the application object exists and before the window is built.
void prepare_application(const Language& language = Language());

}  // namespace af::desktop

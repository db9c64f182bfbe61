#pragma once

#include <optional>
#include <string>

#include "core/language/language.h"

namespace af::desktop {

// The language asked for on the command line (--lang), else the one the
// desktop's environment asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), as
// the core chooses it.
Language chosen_language(const std::optional<std::string>& asked = std::nullopt);

// Names, style and font stand-ins the window relies on; call once, after the
// application object exists and before the window is built.
void prepare_application(const Language& language = Language());

}  // namespace af::desktop

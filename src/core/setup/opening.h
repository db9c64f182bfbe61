#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/language/language.h"
#include "core/setup/setup.h"

namespace af {

// What the program opens with, as both shells take it: the setup a page's
// address or a command line gives, the language (the setup's own lang where
// the program speaks it, else the first preferred one it speaks, else
// English), and what was not taken, said in that language.
struct Opening {
    Setup setup;
    Language language;
    std::vector<SetupRefusal> refused;  // in the order the query gives them
};

// From a query or an address and the preferred language tags, most preferred
// first. `named_by_option`: the fields a command line gave as options, which
// the refusals name by their option ("--r1: ...").
Opening open_setup(std::string_view query_or_address, std::span<const std::string> preferred,
                   std::span<const std::string_view> named_by_option = {});

// The page: its own address and the browser's preferred languages as the
// page gathers them, separated by commas ("de-DE,de,en").
Opening open_page(std::string_view address, std::string_view browser_languages);

}  // namespace af

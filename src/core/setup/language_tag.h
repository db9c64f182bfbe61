#pragma once

#include <string_view>

namespace af {

// Whether the text has the shape of a language tag: a primary subtag of two
// or three letters, then subtags of one to eight letters or digits, joined
// by hyphens ("de", "ja", "pt-BR", "zh-Hant-TW"); 35 characters at most.
// Only the shape: whether the program speaks it is for the language to say.
bool is_language_tag(std::string_view text);

}  // namespace af

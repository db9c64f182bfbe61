#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/language/catalogue.h"

namespace af {

// The language the program shows and speaks: English, the language of the
// sources and the layout, or one of the compiled catalogues. A small value:
// copying it copies a pointer.
class Language {
public:
    Language() = default;  // English
    explicit Language(const CompiledCatalogue* catalogue);

    std::string_view tag() const;  // "en", "de", ...
    // English, in which the layout's captions were laid out.
    bool is_layouts_own() const { return catalogue_ == nullptr; }
    // The decimal separator numbers are written with: "." or ",".
    std::string_view decimal_separator() const { return decimal_separator_; }

    // A message's translation, or the English where the catalogue lacks it.
    std::string_view text(std::string_view context, std::string_view id) const;
    // The form of a message that a count takes, by the catalogue's plural rule.
    std::string_view plural(std::string_view context, std::string_view id, std::string_view id_plural,
                            unsigned long n) const;

    bool operator==(const Language& other) const { return catalogue_ == other.catalogue_; }

private:
    const CompiledMessage* find(std::string_view context, std::string_view id) const;

    const CompiledCatalogue* catalogue_ = nullptr;
    std::string_view decimal_separator_ = ".";
};

// The calls the sources make, which xgettext finds by these names (see the
// build's extraction): a message, with or without a context, and a message
// with a plural whose form follows n.
inline std::string_view translate(const Language& language, std::string_view id) { return language.text({}, id); }
inline std::string_view translate(const Language& language, std::string_view context, std::string_view id) {
    return language.text(context, id);
}
inline std::string_view translate_plural(const Language& language, std::string_view id, std::string_view id_plural,
                                         unsigned long n) {
    return language.plural({}, id, id_plural, n);
}
inline std::string_view translate_plural(const Language& language, std::string_view context, std::string_view id,
                                         std::string_view id_plural, unsigned long n) {
    return language.plural(context, id, id_plural, n);
}

// Marks a message where it stands in a table, for xgettext; the table's
// reader translates it, in that context, when it is shown.
#define NC_(context, text) text
#define N_(text) text

// A message with its placeholders filled: "{name}" becomes the value given
// for name. Translators may move placeholders, never drop them.
std::string fill(std::string_view message,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values);

}  // namespace af

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/language/catalogue.h"

namespace af {

// The language the program shows and speaks: English, the language of the
// sources and the layout, or one of the compiled catalogues (a regional one
// with its language's catalogue behind it). A small value: copying it copies
// a few pointers.
class Language {
public:
    Language() = default;  // English
    // `fallback`: where the messages `catalogue` lacks are looked for before
    // the English; by default the compiled catalogue its fallback tag names.
    explicit Language(const CompiledCatalogue* catalogue);
    Language(const CompiledCatalogue* catalogue, const CompiledCatalogue* fallback);

    std::string_view tag() const;  // "en", "de", "es-MX", ...
    // English, in which the layout's captions were laid out.
    bool is_layouts_own() const { return catalogue_ == nullptr; }
    // The decimal separator numbers are written with: ".", "," or "٫".
    std::string_view decimal_separator() const { return decimal_separator_; }
    // What stands between thousands in a whole number ("2,000", "2 000"); may be empty.
    std::string_view group_separator() const { return group_separator_; }
    // Whether the language's texts read right to left. Its layout, pictures
    // and formulae do not turn round: only the direction of its texts does.
    bool right_to_left() const { return right_to_left_; }
    // A number written with digits 0-9 and a point ("0.005"), in the digits
    // and the decimal separator of the language ("0,005", "٠٫٠٠٥").
    std::string numeral(std::string_view number) const;
    // The same for a screen reader to say, with the separator speech
    // synthesizers read as one (where they read the written one as nothing).
    std::string spoken_numeral(std::string_view number) const;
    std::string_view spoken_decimal_separator() const { return spoken_decimal_separator_; }

    // A message's translation, or the English where the catalogue lacks it.
    std::string_view text(std::string_view context, std::string_view id) const;
    // The form of a message that a count takes, by the catalogue's plural rule.
    std::string_view plural(std::string_view context, std::string_view id, std::string_view id_plural,
                            unsigned long n) const;

    bool operator==(const Language& other) const { return catalogue_ == other.catalogue_; }

private:
    // The message and the catalogue it was found in.
    std::pair<const CompiledCatalogue*, const CompiledMessage*> find(std::string_view context,
                                                                     std::string_view id) const;

    const CompiledCatalogue* catalogue_ = nullptr;
    const CompiledCatalogue* fallback_ = nullptr;
    std::string_view decimal_separator_ = ".";
    std::string_view spoken_decimal_separator_ = ".";
    std::string_view group_separator_ = ",";
    std::string_view digits_ = "0123456789";  // ten characters, 0 to 9
    bool right_to_left_ = false;
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

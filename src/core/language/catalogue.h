#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace af {

// The translators' catalogues as the build compiles them from po/*.po into
// tables (compile_catalogues.py writes their definition), so that no shell
// needs gettext when it runs.

struct CompiledMessage {
    std::string_view context;  // empty where the message has none
    std::string_view id;       // the English text
    std::uint16_t first_form;  // where its translations begin in the catalogue's forms
    std::uint16_t form_count;  // 1, or one per plural form
};

struct CompiledCatalogue {
    std::string_view tag;  // "de", "pt-BR": the file's name
    std::size_t plural_forms;
    // The catalogue's Plural-Forms rule: the form a count takes.
    unsigned long (*plural)(unsigned long n);
    std::span<const CompiledMessage> messages;  // by context, then id, bytewise
    std::span<const std::string_view> forms;
    // A regional catalogue ("es-MX") holds only what differs from its
    // language's ("es"), whose tag this is; empty for a whole catalogue.
    std::string_view fallback = {};
};

// Every compiled catalogue, in the order the build lists the languages.
std::span<const CompiledCatalogue> compiled_catalogues();

}  // namespace af

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace af {

// The query of a page address: what follows the first '?', up to any
// '#fragment'. Text with no '?' is a bare query, unless it starts as an
// address does ("scheme://", "file:" or "/"), which then has no query.
std::string_view query_of(std::string_view query_or_address);

// The text with every %XX (two hex digits) and '+' (a blank) decoded; none
// where a '%' is not followed by two hex digits.
std::optional<std::string> percent_decoded(std::string_view text);

// One name=value piece of a query, decoded; none where its encoding is broken.
struct QueryField {
    std::string_view raw_name;  // as written, for naming a name that does not decode
    std::optional<std::string> name;
    std::optional<std::string> value;  // empty for "name=" and for "name" alone
};

// The pieces between '&'s, split at their first '=' before decoding, so that
// an encoded '&' or '=' stays in its value. Empty pieces ("a=1&&b=2") are no
// fields.
std::vector<QueryField> query_fields(std::string_view query);

}  // namespace af

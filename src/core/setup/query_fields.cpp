#include "core/setup/query_fields.h"

namespace af {

namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "http://", "file:" and the like: a scheme, as an address begins.
bool starts_with_scheme(std::string_view text) {
    if (text.empty() || !is_letter(text.front())) return false;
    std::size_t k = 1;
    while (k < text.size() && (is_letter(text[k]) || (text[k] >= '0' && text[k] <= '9') || text[k] == '+' ||
                               text[k] == '-' || text[k] == '.')) {
        ++k;
    }
    const std::string_view rest = text.substr(k);
    return rest.starts_with("://") || (rest.starts_with(":") && text.substr(0, k) == "file");
}

}  // namespace

std::string_view query_of(std::string_view query_or_address) {
    std::string_view text = query_or_address.substr(0, query_or_address.find('#'));
    const std::size_t mark = text.find('?');
    if (mark != std::string_view::npos) return text.substr(mark + 1);
    if (text.starts_with("/") || starts_with_scheme(text)) return {};
    return text;
}

std::optional<std::string> percent_decoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '+') {
            decoded += ' ';
        } else if (c != '%') {
            decoded += c;
        } else {
            const int high = k + 1 < text.size() ? hex_value(text[k + 1]) : -1;
            const int low = k + 2 < text.size() ? hex_value(text[k + 2]) : -1;
            if (high < 0 || low < 0) return std::nullopt;
            decoded += static_cast<char>(high * 16 + low);
            k += 2;
        }
    }
    return decoded;
}

std::vector<QueryField> query_fields(std::string_view query) {
    std::vector<QueryField> fields;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view piece = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        if (piece.empty()) continue;
        const std::size_t equals = piece.find('=');
        const std::string_view name = piece.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : piece.substr(equals + 1);
        fields.push_back({name, percent_decoded(name), percent_decoded(value)});
    }
    return fields;
}

}  // namespace af

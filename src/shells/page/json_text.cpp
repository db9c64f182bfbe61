#include "shells/page/json_text.h"

#include <cmath>
#include <cstdio>

namespace af::page {

void JsonText::separate() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!has_member_.empty()) {
        if (has_member_.back()) out_ += ',';
        has_member_.back() = true;
    }
}

void JsonText::quoted(std::string_view text) {
    out_ += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out_ += "\\\"";
            break;
        case '\\':
            out_ += "\\\\";
            break;
        case '\n':
            out_ += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
    }
    out_ += '"';
}

JsonText& JsonText::open(char bracket) {
    separate();
    out_ += bracket;
    has_member_.push_back(false);
    return *this;
}

JsonText& JsonText::close(char bracket) {
    out_ += bracket;
    has_member_.pop_back();
    return *this;
}

JsonText& JsonText::key(std::string_view name) {
    separate();
    quoted(name);
    out_ += ':';
    after_key_ = true;
    return *this;
}

JsonText& JsonText::value(std::string_view text) {
    separate();
    quoted(text);
    return *this;
}

JsonText& JsonText::value(double number) {
    if (!std::isfinite(number)) return null();
    separate();
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.15g", number);
    out_ += digits;
    return *this;
}

JsonText& JsonText::value(int number) {
    separate();
    out_ += std::to_string(number);
    return *this;
}

JsonText& JsonText::value(bool truth) {
    separate();
    out_ += truth ? "true" : "false";
    return *this;
}

JsonText& JsonText::null() {
    separate();
    out_ += "null";
    return *this;
}

}  // namespace af::page

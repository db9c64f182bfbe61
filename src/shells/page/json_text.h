#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace af::page {

// Writes JSON text for the page's script, commas and escapes included.
// Keys and string values are UTF-8 and pass through unchanged but for the
// characters JSON requires escaped.
class JsonText {
public:
    JsonText& begin_object() { return open('{'); }
    JsonText& end_object() { return close('}'); }
    JsonText& begin_array() { return open('['); }
    JsonText& end_array() { return close(']'); }
    JsonText& key(std::string_view name);
    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(double number);  // a number that is not finite is written as null
    JsonText& value(int number);
    JsonText& value(bool truth);
    JsonText& null();

    const std::string& text() const { return out_; }

private:
    JsonText& open(char bracket);
    JsonText& close(char bracket);
    void separate();
    void quoted(std::string_view text);

    std::string out_;
    // One entry for each open object or array: whether it has a member yet.
    std::vector<bool> has_member_;
    bool after_key_ = false;
};

}  // namespace af::page

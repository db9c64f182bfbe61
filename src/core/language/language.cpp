#include "core/language/language.h"

#include <algorithm>
#include <vector>

namespace af {

namespace {

const CompiledCatalogue* compiled(std::string_view tag) {
    for (const CompiledCatalogue& c : compiled_catalogues()) {
        if (c.tag == tag) return &c;
    }
    return nullptr;
}

// The bytes of the UTF-8 character that `text` starts with.
std::size_t character_length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, text.size());
}

std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t length = character_length(text);
        out.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace

Language::Language(const CompiledCatalogue* catalogue)
    : Language(catalogue, catalogue && !catalogue->fallback.empty() ? compiled(catalogue->fallback) : nullptr) {}

Language::Language(const CompiledCatalogue* catalogue, const CompiledCatalogue* fallback)
    : catalogue_(catalogue), fallback_(fallback) {
    // TRANSLATORS: the decimal separator your language writes numbers with
    // (0.005 or 0,005), in value labels, options and spoken texts alike.
    decimal_separator_ = translate(*this, "number", ".");
    // TRANSLATORS: the decimal separator in what a screen reader says: the same as the one above,
    // unless the speech synthesizers of your language read that one as nothing (eSpeak NG reads
    // Arabic's "٫" so, and "١٫٥" is heard as fifteen; "١.٥" is heard as one point five).
    spoken_decimal_separator_ = translate(*this, "spoken number", ".");
    // TRANSLATORS: one thousand as your language writes a whole number of four digits: 1,000, 1.000,
    // 1 000 (with a no-break space) or 1000. What stands between the 1 and the 000 is put between
    // the thousands of every whole count the program writes, such as a number of characters.
    const std::vector<std::string_view> thousand = characters(translate(*this, "number", "1,000"));
    group_separator_ = {};
    if (thousand.size() > 4) {
        const char* begin = thousand[1].data();
        group_separator_ = {begin, static_cast<std::size_t>(thousand[thousand.size() - 3].data() - begin)};
    }
    // TRANSLATORS: the digits 0 to 9, in this order, as your language's schools write numbers:
    // 0123456789, or ٠١٢٣٤٥٦٧٨٩. Links and command lines keep 0-9 whatever this says.
    const std::string_view digits = translate(*this, "number", "0123456789");
    if (characters(digits).size() == 10) digits_ = digits;
    // TRANSLATORS: "rtl" if your language is written from right to left, else "ltr". Its texts then
    // read right to left; the window's layout and pictures stay as they are (time runs left to right).
    right_to_left_ = translate(*this, "text direction", "ltr") == "rtl";
}

std::string_view Language::tag() const { return catalogue_ ? catalogue_->tag : "en"; }

namespace {

std::string in_digits(std::string_view number, std::string_view digit_characters, std::string_view separator) {
    const std::vector<std::string_view> digits = characters(digit_characters);
    std::string out;
    out.reserve(number.size() * 2);
    for (const char c : number) {
        if (c >= '0' && c <= '9') {
            out += digits[static_cast<std::size_t>(c - '0')];
        } else if (c == '.') {
            out += separator;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string Language::numeral(std::string_view number) const { return in_digits(number, digits_, decimal_separator_); }

std::string Language::spoken_numeral(std::string_view number) const {
    return in_digits(number, digits_, spoken_decimal_separator_);
}

std::pair<const CompiledCatalogue*, const CompiledMessage*> Language::find(std::string_view context,
                                                                           std::string_view id) const {
    const auto before = [](const CompiledMessage& m, std::pair<std::string_view, std::string_view> key) {
        return m.context != key.first ? m.context < key.first : m.id < key.second;
    };
    for (const CompiledCatalogue* catalogue : {catalogue_, fallback_}) {
        if (!catalogue) continue;
        const auto& messages = catalogue->messages;
        const auto it = std::lower_bound(messages.begin(), messages.end(), std::pair{context, id}, before);
        if (it != messages.end() && it->context == context && it->id == id) return {catalogue, &*it};
    }
    return {nullptr, nullptr};
}

std::string_view Language::text(std::string_view context, std::string_view id) const {
    const auto [catalogue, m] = find(context, id);
    return m ? catalogue->forms[m->first_form] : id;
}

std::string_view Language::plural(std::string_view context, std::string_view id, std::string_view id_plural,
                                  unsigned long n) const {
    const auto [catalogue, m] = find(context, id);
    // English, and a message the catalogues lack: the rule of the sources.
    if (!m) return n == 1 ? id : id_plural;
    const unsigned long form = catalogue->plural(n);
    return catalogue->forms[m->first_form + std::min<unsigned long>(form, m->form_count - 1u)];
}

std::string fill(std::string_view message,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    std::string out;
    out.reserve(message.size() + 16);
    for (std::size_t k = 0; k < message.size();) {
        if (message[k] == '{') {
            const std::size_t end = message.find('}', k);
            if (end != std::string_view::npos) {
                const std::string_view name = message.substr(k + 1, end - k - 1);
                const auto value = std::find_if(values.begin(), values.end(),
                                                [&](const auto& v) { return v.first == name; });
                if (value != values.end()) {
                    out += value->second;
                    k = end + 1;
                    continue;
                }
            }
        }
        out += message[k++];
    }
    return out;
}

}  // namespace af

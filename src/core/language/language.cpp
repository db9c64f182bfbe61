#include "core/language/language.h"

#include <algorithm>

namespace af {

Language::Language(const CompiledCatalogue* catalogue) : catalogue_(catalogue) {
    // TRANSLATORS: the decimal separator your language writes numbers with
    // (0.005 or 0,005), in value labels, options and spoken texts alike.
    decimal_separator_ = translate(*this, "number", ".");
}

std::string_view Language::tag() const { return catalogue_ ? catalogue_->tag : "en"; }

const CompiledMessage* Language::find(std::string_view context, std::string_view id) const {
    if (!catalogue_) return nullptr;
    const auto& messages = catalogue_->messages;
    const auto before = [](const CompiledMessage& m, std::pair<std::string_view, std::string_view> key) {
        return m.context != key.first ? m.context < key.first : m.id < key.second;
    };
    const auto it = std::lower_bound(messages.begin(), messages.end(), std::pair{context, id}, before);
    if (it == messages.end() || it->context != context || it->id != id) return nullptr;
    return &*it;
}

std::string_view Language::text(std::string_view context, std::string_view id) const {
    const CompiledMessage* m = find(context, id);
    return m ? catalogue_->forms[m->first_form] : id;
}

std::string_view Language::plural(std::string_view context, std::string_view id, std::string_view id_plural,
                                  unsigned long n) const {
    const CompiledMessage* m = find(context, id);
    // English, and a message the catalogue lacks: the rule of the sources.
    if (!m) return n == 1 ? id : id_plural;
    const unsigned long form = catalogue_->plural(n);
    return catalogue_->forms[m->first_form + std::min<unsigned long>(form, m->form_count - 1u)];
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

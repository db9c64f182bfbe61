#pragma once

// A translators' catalogue read straight from its PO file, for tests that
// expect what the catalogue says rather than what a test would type: the
// first form of each message by its context and id. Reads what msgmerge
// writes (each string on one line or continued on the next), nothing more.
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace testing_po {

inline std::string unquoted(const std::string& line) {
    const std::size_t open = line.find('"'), close = line.rfind('"');
    std::string out;
    for (std::size_t k = open + 1; k < close; ++k) {
        if (line[k] == '\\' && k + 1 < close) {
            const char c = line[++k];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        } else {
            out += line[k];
        }
    }
    return out;
}

class PoFile {
public:
    explicit PoFile(const std::string& path) {
        std::ifstream in(path);
        std::string line, context, id, field;
        std::string* continued = nullptr;
        std::string first_form;
        const auto end_entry = [&] {
            if (!id.empty() && !first_form.empty() && !fuzzy_) forms_[{context, id}] = first_form;
            context.clear(), id.clear(), first_form.clear(), continued = nullptr, fuzzy_ = false;
        };
        while (std::getline(in, line)) {
            if (line.empty()) {
                end_entry();
            } else if (line.starts_with("#,") && line.find("fuzzy") != std::string::npos) {
                fuzzy_ = true;
            } else if (line.starts_with("#")) {
                continue;
            } else if (line.starts_with("msgctxt ")) {
                context = unquoted(line), continued = &context;
            } else if (line.starts_with("msgid ")) {
                id = unquoted(line), continued = &id;
            } else if (line.starts_with("msgid_plural ")) {
                continued = nullptr;
            } else if (line.starts_with("msgstr ") || line.starts_with("msgstr[0] ")) {
                first_form = unquoted(line), continued = &first_form;
            } else if (line.starts_with("msgstr[")) {
                continued = nullptr;
            } else if (line.starts_with("\"") && continued) {
                *continued += unquoted(line);
            }
        }
        end_entry();
        found_ = !forms_.empty();
    }

    bool found() const { return found_; }
    // The translation, or none where the catalogue lacks the message.
    std::optional<std::string> text(const std::string& context, const std::string& id) const {
        const auto it = forms_.find({context, id});
        if (it == forms_.end()) return std::nullopt;
        return it->second;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> forms_;
    bool found_ = false;
    bool fuzzy_ = false;
};

}  // namespace testing_po

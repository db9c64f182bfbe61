#pragma once

#include <QString>
#include <string_view>

namespace af::desktop {

// The core's UTF-8 texts as the toolkit's strings.
inline QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace af::desktop

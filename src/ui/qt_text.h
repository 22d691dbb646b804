#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quorvex {

// The models keep their texts in UTF-8; the widgets take QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace quorvex

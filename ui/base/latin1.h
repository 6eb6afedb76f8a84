// Texts cross between the core (ISO-8859-1 bytes) and Qt here only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kwarrel::ui {

inline QString fromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toLatin1(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace kwarrel::ui

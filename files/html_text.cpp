#include "files/html_text.h"

#include <cstdarg>
#include <cstdio>

namespace kwarrel {

void appendHtmlEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out += c; break;
    }
  }
}

void appendTurnSquare(std::string& out, const Turn& turn) {
  const char columnLetter = static_cast<char>(turn.column + 64);
  const std::string_view letter(&columnLetter, 1);
  if (turn.horizontal) {
    appendFormat(out, "%d", turn.row);
    appendHtmlEscaped(out, letter);
  } else {
    appendHtmlEscaped(out, letter);
    appendFormat(out, "%d", turn.row);
  }
}

void appendFormat(std::string& out, const char* format, ...) {
  char buffer[256];
  va_list arguments;
  va_start(arguments, format);
  va_list again;
  va_copy(again, arguments);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  if (length < 0) {
    va_end(again);
    return;
  }
  if (static_cast<size_t>(length) < sizeof buffer) {
    out.append(buffer, static_cast<size_t>(length));
  } else {
    // Rare long text (a long name): format straight into the string.
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length) + 1);
    std::vsnprintf(out.data() + start, static_cast<size_t>(length) + 1, format, again);
    out.resize(start + static_cast<size_t>(length));
  }
  va_end(again);
}

void appendLinkTarget(std::string& out, std::string_view name) {
  static constexpr std::string_view kUnsafe = "\"'<>=`#?%&\\";
  if (name.find(':') != std::string_view::npos) out += "./";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte >= 0x7F || kUnsafe.find(c) != std::string_view::npos) {
      appendFormat(out, "%%%02X", byte);
    } else {
      out += c;
    }
  }
}

}  // namespace kwarrel

#include "dict/word_folding.h"

#include <algorithm>
#include <cstdint>

#include "dict/letter_folding_table.h"

namespace kwarrel {
namespace {

constexpr uint32_t kInvalid = 0xFFFFFFFFu;
constexpr size_t kShownLineLength = 40;

// The code point at `pos` and its length in bytes; kInvalid (length 1) for a byte
// that does not start a valid sequence: truncated, overlong, a surrogate or past
// U+10FFFF.
uint32_t decodeUtf8(std::string_view text, size_t pos, size_t& length) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[pos + i]); };
  length = 1;
  const uint8_t lead = byte(0);
  if (lead < 0x80) return lead;
  size_t needed = 0;
  uint32_t point = 0;
  uint32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    needed = 1, point = lead & 0x1Fu, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    needed = 2, point = lead & 0x0Fu, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    needed = 3, point = lead & 0x07u, lowest = 0x10000;
  } else {
    return kInvalid;
  }
  if (text.size() - pos <= needed) return kInvalid;
  for (size_t i = 1; i <= needed; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return kInvalid;
    point = (point << 6) | (byte(i) & 0x3Fu);
  }
  if (point < lowest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    return kInvalid;
  }
  length = needed + 1;
  return point;
}

// The code point at `pos` in either encoding; Latin-1 bytes are their own code points.
uint32_t codePointAt(std::string_view text, size_t pos, TextEncoding encoding, size_t& length) {
  if (encoding == TextEncoding::Latin1) {
    length = 1;
    return static_cast<uint8_t>(text[pos]);
  }
  return decodeUtf8(text, pos, length);
}

bool isCombiningMark(uint32_t point) {
  const auto* end = std::end(folding::kCombiningMarks);
  const auto* found = std::lower_bound(
      std::begin(folding::kCombiningMarks), end, point,
      [](const folding::CodeRange& range, uint32_t value) { return range.last < value; });
  return found != end && found->first <= point;
}

// The bare letter of an accented one; 0 when there is none.
char bareLetter(uint32_t point) {
  const auto* end = std::end(folding::kFoldedLetters);
  const auto* found = std::lower_bound(
      std::begin(folding::kFoldedLetters), end, point,
      [](const folding::FoldedLetter& entry, uint32_t value) { return entry.codePoint < value; });
  return found != end && found->codePoint == point ? found->letter : '\0';
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<uint8_t>(c) < 0x80; });
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view line) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
  return line;
}

// The line as a report shows it: ISO-8859-1, control characters and characters
// beyond Latin-1 as '?', cut after kShownLineLength characters.
std::string shownText(std::string_view line, TextEncoding encoding) {
  std::string shown;
  for (size_t pos = 0; pos < line.size() && shown.size() < kShownLineLength;) {
    size_t length = 1;
    const uint32_t point = codePointAt(line, pos, encoding, length);
    pos += length;
    const bool printable = (point >= 0x20 && point < 0x7F) || (point >= 0xA0 && point <= 0xFF);
    shown += printable ? static_cast<char>(point) : '?';
    if (shown.size() == kShownLineLength && pos < line.size()) shown += "...";
  }
  return shown;
}

const char* faultText(WordFault fault) {
  switch (fault) {
    case WordFault::TooShort: return "te kort";
    case WordFault::TooLong: return "te lang";
    case WordFault::NotLetters: return "teken buiten a-z";
    case WordFault::None: break;
  }
  return "";
}

void lowerInPlace(std::string& word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
}

}  // namespace

TextEncoding detectEncoding(std::string_view bytes) {
  for (size_t pos = 0; pos < bytes.size();) {
    if (static_cast<uint8_t>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    size_t length = 1;
    if (decodeUtf8(bytes, pos, length) == kInvalid) return TextEncoding::Latin1;
    pos += length;
  }
  return TextEncoding::Utf8;
}

std::string foldAccents(std::string_view text, TextEncoding encoding) {
  std::string folded;
  folded.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    size_t length = 1;
    const uint32_t point = codePointAt(text, pos, encoding, length);
    pos += length;
    if (point < 0x80) {
      folded += static_cast<char>(point);
    } else if (const char letter = bareLetter(point); letter != '\0') {
      folded += letter;
    } else if (point == kInvalid || !isCombiningMark(point)) {
      folded += '?';
    }
  }
  return folded;
}

WordFault wordFault(std::string_view word) {
  if (!std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
    return WordFault::NotLetters;
  }
  if (word.size() < kMinWordLetters) return WordFault::TooShort;
  if (word.size() > kMaxWordLetters) return WordFault::TooLong;
  return WordFault::None;
}

WordListReading readWordList(std::string_view bytes) {
  WordListReading reading;
  reading.encoding = detectEncoding(bytes);
  if (reading.encoding == TextEncoding::Utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    bytes.remove_prefix(3);  // byte-order mark
  }
  size_t lineNumber = 0;
  for (size_t pos = 0; pos < bytes.size();) {
    size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    const std::string_view raw = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n' && (pos == end || bytes[end] == '\r')) ++pos;
    ++lineNumber;

    const std::string_view line = trimmed(raw);
    if (line.empty() || line.front() == '#') continue;
    std::string word = isAscii(line) ? std::string(line) : foldAccents(line, reading.encoding);
    lowerInPlace(word);
    const WordFault fault = wordFault(word);
    if (fault == WordFault::None) {
      reading.words.push_back(std::move(word));
      continue;
    }
    if (reading.firstSkipped.size() < kReportedSkippedLines) {
      reading.firstSkipped.push_back({lineNumber, shownText(line, reading.encoding), fault});
    }
    ++reading.skippedCount;
  }
  std::vector<std::string>& words = reading.words;
  if (!std::is_sorted(words.begin(), words.end())) std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return reading;
}

std::string wordListReport(const WordListReading& reading) {
  std::string report = std::to_string(reading.words.size()) + " woorden gelezen, " +
                       std::to_string(reading.skippedCount) + " regels overgeslagen\n";
  for (const SkippedLine& line : reading.firstSkipped) {
    report += "regel " + std::to_string(line.lineNumber) + ": " + line.text + " (" +
              faultText(line.fault) + ")\n";
  }
  if (reading.skippedCount > reading.firstSkipped.size()) {
    report += "en nog " + std::to_string(reading.skippedCount - reading.firstSkipped.size()) +
              " regels\n";
  }
  return report;
}

}  // namespace kwarrel

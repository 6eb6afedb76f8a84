// Word lists as text: folding accents to the bare letter and reading a list into
// the words the program can use. The build-time preparation of the built-in list
// and the loader of a club's own list both go through here, so a line of a list
// means the same word in both.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kwarrel {

// The words the program can use: letters a-z only, 2 to 15 of them.
constexpr size_t kMinWordLetters = 2;
constexpr size_t kMaxWordLetters = 15;

enum class TextEncoding { Utf8, Latin1 };

// UTF-8 when all of `bytes` is valid UTF-8 (plain ASCII included), else Latin-1:
// a Latin-1 accent is almost never followed by what UTF-8 asks of the next bytes.
TextEncoding detectEncoding(std::string_view bytes);

// `text` with every letter that carries accents folded to its bare letter, case
// kept (é, ë -> e; É -> E), combining marks dropped and ASCII kept as it is; any
// other character becomes '?'. "ij" is two letters and stays two; the one-character
// ligature has no bare letter and becomes '?'. Invalid UTF-8 bytes become '?'.
std::string foldAccents(std::string_view text, TextEncoding encoding);

// Why a word cannot be used; None for 2 to 15 letters a-z.
enum class WordFault { None, TooShort, TooLong, NotLetters };
WordFault wordFault(std::string_view word);

// A line of a list that holds no usable word, as the report shows it.
struct SkippedLine {
  size_t lineNumber = 0;  // from 1
  std::string text;       // ISO-8859-1, unprintable characters as '?', shortened
  WordFault fault = WordFault::None;
};

// How many skipped lines a report names; the others are counted.
constexpr size_t kReportedSkippedLines = 10;

struct WordListReading {
  std::vector<std::string> words;  // lower case, sorted, each once
  size_t skippedCount = 0;
  std::vector<SkippedLine> firstSkipped;  // the first kReportedSkippedLines of them
  TextEncoding encoding = TextEncoding::Utf8;
};

// Reads a list of one word a line (lines end in LF, CR LF or CR), UTF-8 or
// Latin-1, upper or lower case. Blank lines and lines starting with '#' are passed
// over; spaces and tabs around a word are ignored. A line that after folding holds
// anything but letters, or fewer than 2 or more than 15 of them, is skipped.
WordListReading readWordList(std::string_view bytes);

// "N woorden gelezen, M regels overgeslagen", then one line for each reported
// skipped line and a count of the rest. ISO-8859-1, lines ended by '\n'.
std::string wordListReport(const WordListReading& reading);

}  // namespace kwarrel

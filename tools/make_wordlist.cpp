// kwarrel-wordlist [SOURCE] [TARGET]: turns Debian's wdutch list (default
// /usr/share/dict/dutch) into resources/woordenlijst.txt.
//
// Keeps lower-case entries only (names and abbreviations in capitals go), folds
// accents to the bare letter as a club's own list is folded, then keeps the words
// of 2 to 15 letters a-z. The output is sorted, unique, one word a line.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dict/word_folding.h"

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string strip(const std::string& line) {
  size_t first = 0;
  size_t last = line.size();
  while (first < last && isSpace(line[first])) ++first;
  while (last > first && isSpace(line[last - 1])) --last;
  return line.substr(first, last - first);
}

}  // namespace

int main(int argc, char** argv) {
  const char* source = argc > 1 ? argv[1] : "/usr/share/dict/dutch";
  const char* target = argc > 2 ? argv[2] : "resources/woordenlijst.txt";
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "kwarrel-wordlist: kan %s niet lezen\n", source);
    return 1;
  }
  std::vector<std::string> words;
  std::string line;
  while (std::getline(in, line)) {
    const std::string entry = strip(line);
    const std::string word = kwarrel::foldAccents(entry, kwarrel::TextEncoding::Utf8);
    // A capital anywhere, accented or not, marks a name or an abbreviation.
    if (kwarrel::wordFault(word) == kwarrel::WordFault::None) words.push_back(word);
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());

  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  for (const std::string& word : words) out << word << '\n';
  out.close();
  if (!out) {
    std::fprintf(stderr, "kwarrel-wordlist: kan %s niet schrijven\n", target);
    return 1;
  }
  std::printf("%zu words written to %s\n", words.size(), target);
  return 0;
}

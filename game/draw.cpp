#include "game/draw.h"

#include <array>
#include <cstdint>

namespace kwarrel {

namespace {

// The random generator yields 0..32767; a longer bag needs a wider number, or the
// tiles beyond that position could never be drawn.
constexpr int64_t kRandomRange = 32768;

constexpr bool isVowelCode(int code) {
  return code == 0 || code == letterCode('A') || code == letterCode('E') ||
         code == letterCode('I') || code == letterCode('O') || code == letterCode('U') ||
         code == letterCode('Y');
}

// Every letter that is not a vowel is a consonant; the blank is both.
constexpr bool isConsonantCode(int code) { return code == 0 || !isVowelCode(code); }

bool hasVowel(const LetterCounts& counts) {
  for (int code = 0; code < kLetterCodes; ++code) {
    if (counts[code] > 0 && isVowelCode(code)) return true;
  }
  return false;
}

bool hasConsonant(const LetterCounts& counts) {
  for (int code = 0; code < kLetterCodes; ++code) {
    if (counts[code] > 0 && isConsonantCode(code)) return true;
  }
  return false;
}

bool hasUOrBlank(const LetterCounts& counts) {
  return counts[0] > 0 || counts[letterCode('U')] > 0;
}

char codeCharacter(const GameState& state, int code) {
  return code == 0 ? state.settings.blankChar : static_cast<char>('A' + code - 1);
}

// The pool as the bag the draw picks from: the written-out pool text, kept as
// counts so that a huge tile set costs no memory. Position x of the text is the
// x-th tile in the order blanks, A..Z.
struct Bag {
  LetterCounts counts{};
  int64_t size = 0;

  explicit Bag(const LetterCounts& pool) {
    for (int code = 0; code < kLetterCodes; ++code) {
      counts[code] = pool[code] > 0 ? pool[code] : 0;
      size += counts[code];
    }
  }

  // Removes the tile at `position` (0 <= position < size) and returns its code.
  int take(int64_t position) {
    for (int code = 0; code < kLetterCodes; ++code) {
      if (position < counts[code]) {
        --counts[code];
        --size;
        return code;
      }
      position -= counts[code];
    }
    return -1;  // not reached: position < size
  }
};

int64_t randomPosition(CRandom& random, int64_t length) {
  if (length <= kRandomRange) return random.next() % length;
  int64_t wide = 0;
  for (int64_t reach = 1; reach < length; reach *= kRandomRange) {
    wide = wide * kRandomRange + random.next();
  }
  return wide % length;
}

bool acceptable(const GameState& state, const LetterCounts& drawn, bool poolHasUOrBlank) {
  if (!hasVowel(drawn) || !hasConsonant(drawn)) return false;
  const bool lonelyQ = drawn[letterCode('Q')] > 0 && !hasUOrBlank(drawn);
  return !(state.settings.qNeedsU && lonelyQ && poolHasUOrBlank);
}

}  // namespace

std::string poolText(const GameState& state) {
  std::string text;
  for (int code = 0; code < kLetterCodes; ++code) {
    if (state.pool[code] > 0) text.append(static_cast<size_t>(state.pool[code]), codeCharacter(state, code));
  }
  return text;
}

std::string remainingLettersLine(const GameState& state) {
  std::string line;
  int64_t total = 0;
  for (int code = 0; code < kLetterCodes; ++code) {
    const int32_t count = state.pool[code];
    if (count <= 0) continue;
    line += codeCharacter(state, code);
    if (count >= 2) line += "(" + std::to_string(count) + ")";
    line += ' ';
    total += count;
  }
  return line + "<" + std::to_string(total) + ">";
}

// Once the opening test passes, an acceptable draw always exists, so the retries
// end: seven tiles holding a vowel and a consonant can be chosen; a forced blank
// satisfies every rule; and where Q needs U or a blank, the pool then holds a U or
// a blank that can be drawn together with the Q.
std::string drawRack(GameState& state) {
  const Bag pool(state.pool);
  if (pool.size < kRackSize || !hasVowel(pool.counts) || !hasConsonant(pool.counts)) return {};
  const bool poolHasUOrBlank = hasUOrBlank(pool.counts);

  std::string draw(kRackSize, ' ');
  for (;;) {
    Bag bag = pool;
    LetterCounts drawn{};
    for (int pick = 0; pick < kRackSize; ++pick) {
      const bool blankFirst = pick == 0 && state.settings.blankEveryDraw && bag.counts[0] > 0;
      const int code = bag.take(blankFirst ? 0 : randomPosition(state.random, bag.size));
      ++drawn[code];
      draw[pick] = codeCharacter(state, code);
    }
    if (acceptable(state, drawn, poolHasUOrBlank)) return draw;
  }
}

std::string displayRack(const GameState& state, std::string_view draw) {
  if (!state.settings.alphabeticalDraw) return std::string(draw);
  std::array<int, 26> letters{};
  std::string others;  // bytes past 'Z' have no letter: kept in drawn order
  int blanks = 0;
  for (const char c : draw) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 'A') {
      ++blanks;
    } else if (byte <= 'Z') {
      ++letters[byte - 'A'];
    } else {
      others += c;
    }
  }
  std::string shown;
  shown.reserve(draw.size());
  for (int i = 0; i < 26; ++i) shown.append(static_cast<size_t>(letters[i]), static_cast<char>('A' + i));
  shown += others;
  shown.append(static_cast<size_t>(blanks), state.settings.blankChar);
  return shown;
}

std::string normaliseDraw(const GameState& state, std::string_view draw) {
  std::string normalised(draw);
  for (char& c : normalised) {
    if (isBlankCharacter(c, state.settings.blankChar)) {
      c = state.settings.blankChar;
    } else {
      c = upperCase(c);
    }
  }
  return normalised;
}

}  // namespace kwarrel

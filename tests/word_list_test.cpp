// A club's own word list: folding and reading its lines, packing it at run time
// as the build packs the built-in list, its cache, and a game played by it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dict/graph_packer.h"
#include "dict/word_folding.h"
#include "files/board_page.h"
#include "files/listing.h"
#include "files/turn_pages.h"
#include "files/word_list_file.h"
#include "game/turn_cycle.h"
#include "game/word_list_switch.h"
#include "report_games.h"

extern "C" const unsigned char kwarrel_word_graph_begin[];
extern "C" const unsigned char kwarrel_word_graph_end[];

namespace kwarrel {
namespace {

using report_games::readFile;
using report_games::ScratchFolder;

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string builtInListBytes() { return readFile(KWARREL_SOURCE_DIR "/resources/woordenlijst.txt"); }

TEST(WordFolding, AccentsFoldToTheBareLetterInEitherEncoding) {
  EXPECT_EQ(foldAccents("\xC0\xC9\xCE\xF5\xFC\xFF\xE7\xF1", TextEncoding::Latin1), "AEIouycn");
  EXPECT_EQ(foldAccents("re\xC3\xAB" "el Z\xC3\x93", TextEncoding::Utf8), "reeel ZO");
  // A combining accent after its letter is dropped; letters without a bare form,
  // the one-character ij and invalid bytes are no letters.
  EXPECT_EQ(foldAccents("e\xCC\x81" "en", TextEncoding::Utf8), "een");
  EXPECT_EQ(foldAccents("\xC3\x86\xC3\xB8", TextEncoding::Utf8), "??");
  EXPECT_EQ(foldAccents("\xC4\xB3s", TextEncoding::Utf8), "?s");
  EXPECT_EQ(foldAccents("a\xC3", TextEncoding::Utf8), "a?");
  EXPECT_EQ(detectEncoding("caf\xC3\xA9"), TextEncoding::Utf8);
  EXPECT_EQ(detectEncoding("caf\xE9"), TextEncoding::Latin1);
  EXPECT_EQ(detectEncoding("\xC0\x80"), TextEncoding::Latin1);  // overlong: not UTF-8
}

TEST(WordFolding, HostileListKeepsTheUsableWordsAndReportsTheRest) {
  const char raw[] =
      "\xEF\xBB\xBF# clublijst\r\n"
      "\r\n"
      "Caf\xC3\xA9\r\n"
      "re\xC3\xAB" "el\r\n"
      "  IJS\t\r\n"
      "na\0ar\r\n"
      "abcdefghijklmnop\r\n"
      "abc1\r\n"
      "\xC4\xB3s\r\n"
      "a\r\n"
      "cafe\r"
      "kat";
  const WordListReading reading = readWordList(std::string(raw, sizeof raw - 1));
  EXPECT_EQ(reading.encoding, TextEncoding::Utf8);
  EXPECT_EQ(reading.words, (std::vector<std::string>{"cafe", "ijs", "kat", "reeel"}));
  EXPECT_EQ(reading.skippedCount, 5u);
  EXPECT_EQ(wordListReport(reading),
            "4 woorden gelezen, 5 regels overgeslagen\n"
            "regel 6: na?ar (teken buiten a-z)\n"
            "regel 7: abcdefghijklmnop (te lang)\n"
            "regel 8: abc1 (teken buiten a-z)\n"
            "regel 9: ?s (teken buiten a-z)\n"
            "regel 10: a (te kort)\n");

  // The same list in Latin-1: one accented byte spoils UTF-8, so all is Latin-1.
  const WordListReading latin = readWordList("Caf\xE9\nRE\xCB" "EL\nZo\xEB\n\xE6t\n");
  EXPECT_EQ(latin.encoding, TextEncoding::Latin1);
  EXPECT_EQ(latin.words, (std::vector<std::string>{"cafe", "reeel", "zoe"}));
  EXPECT_EQ(wordListReport(latin), "3 woorden gelezen, 1 regels overgeslagen\n"
                                   "regel 4: \xE6t (teken buiten a-z)\n");

  // Ten skipped lines are named, the rest counted.
  std::string digits;
  for (int i = 0; i < 13; ++i) digits += std::to_string(i) + "\n";
  const std::string report = wordListReport(readWordList(digits + "huis\n"));
  EXPECT_EQ(report.substr(0, 42), "1 woorden gelezen, 13 regels overgeslagen\n");
  EXPECT_NE(report.find("regel 10: 9 (teken buiten a-z)\nen nog 3 regels\n"), std::string::npos)
      << report;
  EXPECT_EQ(report.find("regel 11"), std::string::npos);
}

TEST(WordFolding, RunTimePackingOfTheBuiltInListGivesTheBuiltInRecords) {
  const WordListReading reading = readWordList(builtInListBytes());
  EXPECT_EQ(reading.skippedCount, 0u);
  const PackedGraph packed = packWordGraph(reading.words);
  ASSERT_EQ(packed.error, "");
  const std::vector<uint8_t> builtIn(kwarrel_word_graph_begin, kwarrel_word_graph_end);
  EXPECT_TRUE(packed.bytes == builtIn) << packed.bytes.size() << " / " << builtIn.size();
}

// Every sixth byte of the records changed: letters, flags and child indices alike.
void damageRecords(const std::string& path) {
  std::string bytes = readFile(path);
  for (size_t i = bytes.size() - 3; i > bytes.size() / 2; i -= 6) bytes[i] ^= 0x01;
  writeFile(path, bytes);
}

TEST(OwnWordListCache, UnchangedListLoadsFromItsCacheAndAnyDamageRebuildsIt) {
  ScratchFolder folder("own-list-cache");
  const std::string list = folder.file("club.txt");
  const std::string cache = folder.file("club.kwg");
  writeFile(list, "huis\nkat\nkatten\nzee\n");

  OwnWordList first = loadOwnWordList(list, cache);
  ASSERT_TRUE(first.graph) << first.error;
  EXPECT_FALSE(first.fromCache);
  EXPECT_EQ(wordListName(*first.graph), "woordenlijst club.txt (4 woorden)");
  const std::string written = readFile(cache);
  ASSERT_FALSE(written.empty());

  OwnWordList second = loadOwnWordList(list, cache);
  ASSERT_TRUE(second.graph);
  EXPECT_TRUE(second.fromCache);
  EXPECT_EQ(second.graph->origin().wordCount, 4u);
  EXPECT_TRUE(isListedWord(*second.graph, "KATTEN"));
  EXPECT_FALSE(isListedWord(*second.graph, "katte"));

  // Damage the loader would expand without complaint, a cache cut short, and
  // one that is no cache at all: each is rebuilt, never used.
  damageRecords(cache);
  OwnWordList damaged = loadOwnWordList(list, cache);
  EXPECT_FALSE(damaged.fromCache);
  EXPECT_EQ(readFile(cache), written);
  writeFile(cache, written.substr(0, written.size() - 2));
  EXPECT_FALSE(loadOwnWordList(list, cache).fromCache);
  writeFile(cache, "KWLC");
  EXPECT_FALSE(loadOwnWordList(list, cache).fromCache);
  EXPECT_EQ(readFile(cache), written);

  // A changed list of the same size and time is told by its checksum.
  const auto time = std::filesystem::last_write_time(list);
  writeFile(list, "huis\nkat\nkatten\nzon\n");
  std::filesystem::last_write_time(list, time);
  OwnWordList edited = loadOwnWordList(list, cache);
  ASSERT_TRUE(edited.graph);
  EXPECT_FALSE(edited.fromCache);
  EXPECT_TRUE(isListedWord(*edited.graph, "zon"));
  EXPECT_FALSE(isListedWord(*edited.graph, "zee"));

  // No usable word, or no file: no graph, and the reason.
  writeFile(list, "# leeg\n1\n");
  EXPECT_EQ(loadOwnWordList(list, cache).error, "de woordenlijst bevat geen bruikbaar woord");
  EXPECT_FALSE(loadOwnWordList(folder.file("geen.txt"), cache).graph);
}

TEST(OwnWordListCache, ProgramFolderListKeepsItsNameAndItsCacheBesideIt) {
  ScratchFolder folder("own-list-folder");
  const char* previous = std::getenv("KWARREL_HOME");
  const std::string saved = previous != nullptr ? previous : "";
  setenv("KWARREL_HOME", folder.path().c_str(), 1);

  EXPECT_EQ(programFolderWordList(), folder.file("woordenlijst.txt"));
  EXPECT_EQ(wordGraphCachePath(programFolderWordList()), folder.file("woordenlijst.kwg"));
  const std::string elsewhere = wordGraphCachePath("/tmp/club.txt");
  EXPECT_EQ(elsewhere.rfind(folder.file("woordenlijsten/"), 0), 0u) << elsewhere;
  EXPECT_NE(elsewhere, wordGraphCachePath("/tmp/ander.txt"));

  writeFile(programFolderWordList(), programFolderCopy("huis\nkat\n", "club 2026.txt"));
  EXPECT_EQ(readFile(programFolderWordList()), "# naam: club 2026.txt\nhuis\nkat\n");
  const OwnWordList loaded =
      loadOwnWordList(programFolderWordList(), wordGraphCachePath(programFolderWordList()));
  ASSERT_TRUE(loaded.graph);
  EXPECT_EQ(wordListName(*loaded.graph), "woordenlijst club 2026.txt (2 woorden)");
  EXPECT_TRUE(std::filesystem::exists(folder.file("woordenlijst.kwg")));
  // Copying a copy again keeps one name line.
  EXPECT_EQ(programFolderCopy(readFile(programFolderWordList()), "woordenlijst.txt"),
            "# naam: club 2026.txt\nhuis\nkat\n");

  if (previous != nullptr) {
    setenv("KWARREL_HOME", saved.c_str(), 1);
  } else {
    unsetenv("KWARREL_HOME");
  }
}

// The built-in list with every two-letter word and `struck` taken out and `added`
// put in, packed as a club's own list.
WordGraph ownListWithout(const std::string& struck, const std::string& added) {
  std::string bytes;
  for (const std::string& word : readWordList(builtInListBytes()).words) {
    if (word.size() > 2 && word != struck) bytes += word + "\n";
  }
  bytes += added + "\n";
  OwnWordList own = packWordList(bytes, "club.txt");
  EXPECT_TRUE(own.graph) << own.error;
  return own.graph ? std::move(*own.graph) : WordGraph();
}

std::string lowerCase(std::string word) {
  for (char& c : word) c = static_cast<char>(c | 0x20);
  return word;
}

bool offers(const GameState& state, const std::string& word) {
  for (const Move& move : state.results) {
    if (lowerCase(move.word) == word) return true;
  }
  return false;
}

TEST(OwnWordListGame, AddedWordMakesTheTopAndStruckWordsAreNoLongerOffered) {
  WordGraph active = builtInWordGraph();
  GameState state(active);
  report_games::playThreeTurns(state);
  searchRack(state, 3, "RSTAEIN");
  ASSERT_FALSE(state.results.empty());
  const std::string top = lowerCase(state.results.front().word);

  replaceWords(state, active, ownListWithout(top, "qaeeiuu"));
  EXPECT_EQ(wordListName(state.words), "woordenlijst club.txt (" +
                                           std::to_string(state.words.origin().wordCount) +
                                           " woorden)");
  EXPECT_FALSE(offers(state, top)) << top;
  // The played words still score: the turn table is not judged against the list.
  EXPECT_EQ(state.turns[0].score, 98);

  // What the switched game offers is what a game begun with the own list offers:
  // no cross-check of the old words survives the switch.
  GameState fresh(active);
  report_games::playThreeTurns(fresh);
  searchRack(fresh, 3, "RSTAEIN");
  ASSERT_EQ(state.results.size(), fresh.results.size());
  for (size_t i = 0; i < fresh.results.size(); ++i) {
    EXPECT_EQ(state.results[i].word, fresh.results[i].word) << i;
    EXPECT_EQ(state.results[i].score, fresh.results[i].score) << i;
  }

  // A rack the built-in list lays only short words with becomes a bonzel.
  searchRack(state, 3, "QAEEIUU");
  ASSERT_FALSE(state.results.empty());
  EXPECT_EQ(state.results.front().word, "QAEEIUU");
  EXPECT_GE(state.results.front().score, 50);
}

TEST(OwnWordListGame, ReportsOfAnOwnListGameSaySoBelowTheirTables) {
  OwnWordList own = packWordList("# naam: club.txt\ntaxiend\nbezwijke\neen\n", "x.txt");
  ASSERT_TRUE(own.graph);
  GameState state(*own.graph);
  report_games::playThreeTurns(state);
  const std::string note = "Gespeeld met woordenlijst club.txt (3 woorden).";

  const std::string listing = gameListingText(state, true);
  EXPECT_EQ(listing.substr(listing.size() - note.size() - 2), "\n" + note + "\n");
  EXPECT_EQ(gameListingText(state, false).find(note), std::string::npos);
  const std::string page = boardPageText(state);
  EXPECT_EQ(page.substr(page.size() - note.size() - 23), "<p>" + note + "</p>\n</BODY></HTML>\n");

  ScratchFolder folder("own-list-pages");
  TurnPagesWriter writer;
  writer.folder = folder.path().string() + "/";
  ASSERT_TRUE(writeTurnPages(state, writer, 0, "spel", folder.file("spel0.htm"), true));
  EXPECT_NE(readFile(folder.file("spel1.htm")).find("<p>" + note + "</p>\n"), std::string::npos);

  // The built-in list adds nothing.
  GameState plain(builtInWordGraph());
  report_games::playThreeTurns(plain);
  EXPECT_EQ(ownWordListNote(plain.words), "");
  EXPECT_EQ(boardPageText(plain).find("Gespeeld met"), std::string::npos);
  EXPECT_EQ(gameListingText(plain, true).find("Gespeeld met"), std::string::npos);
}

}  // namespace
}  // namespace kwarrel

// Players and standings: the judging of answers against the turn's board and top,
// the standings a club publishes, the players file and the season table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/players_file.h"
#include "files/players_save.h"
#include "files/save.h"
#include "files/standings_report.h"
#include "game/draw.h"
#include "game/turn_cycle.h"
#include "players/judging.h"
#include "players/standings.h"
#include "report_games.h"

namespace kwarrel {
namespace {

using report_games::readFile;
using report_games::ScratchFolder;

PlayersRecord playersOf(const std::vector<std::pair<int, std::string>>& players) {
  PlayersRecord record;
  for (const auto& [number, name] : players) EXPECT_EQ(setPlayer(record, number, name), "");
  return record;
}

// H8 and the like, 0-based, for answers written as on a slip.
Answer slip(const char* square, bool horizontal, const char* word) {
  return moveAnswer(std::atoi(square + 1) - 1, square[0] - 'A', horizontal, word);
}

TEST(Judging, TopsAreTheMaximaTheListingShows) {
  auto state = report_games::newGame();
  const auto maxima = report_games::playBestMoves(*state, 6, {2, 4});
  ASSERT_EQ(maxima.size(), 6u);
  const JudgedGame judged = judgeGame(*state, PlayersRecord{});
  ASSERT_EQ(judged.turnsPlayed, 6);
  for (int t = 0; t < 6; ++t) EXPECT_EQ(judged.turns[t].top, maxima[t].maximum) << "beurt " << t + 1;
  // Judging works on a copy: the game is as it was.
  EXPECT_EQ(state->turns[1].score, maxima[1].played);
}

TEST(Judging, AMoveScoresWhatItScoresThereAndARefusedOneScoresNothingWithItsMessage) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  PlayersRecord record = playersOf({{1, "Ans"}, {2, "Bram"}, {3, "Cor"}, {4, "Dirk"}});
  // Ans hands in the move that was played; Bram lays a word that touches nothing;
  // Cor's word does not come from the draw; Dirk answers a turn not yet drawn.
  setAnswer(record, 1, 2, slip("E11", true, "EEN"));
  setAnswer(record, 2, 1, slip("L2", false, "BEEK"));
  setAnswer(record, 3, 2, slip("E11", true, "EEK"));
  setAnswer(record, 4, 3, slip("H8", true, "ROTS"));
  const JudgedGame judged = judgeGame(*state, record);

  EXPECT_FALSE(judged.judgement(1, 2)->refused) << judged.judgement(1, 2)->message;
  EXPECT_EQ(judged.points(1, 2), state->turns[2].score);
  EXPECT_GT(judged.points(1, 2), 0);

  EXPECT_TRUE(judged.judgement(2, 1)->refused);
  EXPECT_EQ(judged.points(2, 1), 0);
  EXPECT_EQ(judged.judgement(2, 1)->message, "Woord is niet verbonden met rest van bord");
  EXPECT_EQ(judged.judgement(3, 2)->message, "Letter 'K' werd niet getrokken");
  EXPECT_EQ(judged.judgement(4, 3)->message, "Beurt 4 heeft geen trekking");

  const Klassement standings = klassement(record, judged);
  EXPECT_EQ(standings.rows.front().number, 1);
  EXPECT_EQ(standings.rows[1].refusals[1], "Woord is niet verbonden met rest van bord");
  const std::string page = standingsHtml(standings, "spel.txt");
  EXPECT_NE(page.find("title=\"Woord is niet verbonden met rest van bord\""), std::string::npos);
}

TEST(Judging, ABareScoreAboveTheTopIsRefused) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  PlayersRecord record = playersOf({{1, "Ans"}, {2, "Bram"}});
  const int32_t top = judgeGame(*state, record).turns[1].top;
  setAnswer(record, 1, 1, scoreAnswer(top));
  setAnswer(record, 2, 1, scoreAnswer(top + 1));
  const JudgedGame judged = judgeGame(*state, record);
  EXPECT_EQ(judged.points(1, 1), top);
  EXPECT_EQ(judged.points(2, 1), 0);
  EXPECT_EQ(judged.judgement(2, 1)->message, "Score hoger dan de top van beurt 2");
  const Klassement standings = klassement(record, judged);
  EXPECT_EQ(standings.rows[0].tops, 1);
  EXPECT_EQ(standings.rows[1].tops, 0);

  // Read from a players file the record stays, counts 0 and is reported.
  ScratchFolder folder("players-above-top");
  ASSERT_TRUE(saveGameWithPlayers(*state, record, folder.file("spel.txt")));
  auto loaded = report_games::newGame();
  PlayersRecord read;
  std::vector<std::string> problems;
  ASSERT_EQ(loadGameWithPlayers(*loaded, read, folder.file("spel.txt"), problems), 0);
  EXPECT_EQ(read.answers, record.answers);
  EXPECT_EQ(problems, std::vector<std::string>{"Speler 2, beurt 2: Score hoger dan de top van beurt 2"});
}

TEST(Judging, ACorrectedEarlierTurnJudgesTheLaterAnswersAgain) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  PlayersRecord record = playersOf({{1, "Ans"}});
  setAnswer(record, 1, 2, slip("E11", true, "EEN"));
  EXPECT_EQ(judgeGame(*state, record).points(1, 2), state->turns[2].score);

  // Turn 2 was BEZWIJK: the E of E11 that EEN started from is EEN's own now, and
  // makes the crossing word.
  state->turns[1].word = "BEZWIJK";
  recomputeAfresh(*state);
  const JudgedGame judged = judgeGame(*state, record);
  EXPECT_TRUE(judged.judgement(1, 2)->refused);
  EXPECT_EQ(judged.judgement(1, 2)->message,
            "Kruisend woord BEZWIJKE werd niet gevonden in de woordenlijst");

  // An inserted turn takes the answers of the later turns along; a deleted one its own.
  insertTurnAnswers(record, 1, state->maxTurns);
  EXPECT_NE(record.answer(1, 3), nullptr);
  deleteTurnAnswers(record, 3);
  EXPECT_TRUE(record.answers.empty());
}

TEST(Standings, EqualTotalsShareAPlaceListedByNumber) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  PlayersRecord record = playersOf({{9, "Ans"}, {5, "Bram"}, {2, "Cor"}, {7, "Dirk"}});
  const JudgedGame tops = judgeGame(*state, record);
  for (int t = 0; t < 3; ++t) ASSERT_GT(tops.turns[t].top, 30);
  setAnswer(record, 9, 0, scoreAnswer(30));
  setAnswer(record, 9, 1, scoreAnswer(20));
  setAnswer(record, 5, 0, scoreAnswer(30));
  setAnswer(record, 2, 1, scoreAnswer(10));
  setAnswer(record, 2, 2, scoreAnswer(20));
  const Klassement standings = klassement(record, judgeGame(*state, record));

  std::vector<int> places;
  std::vector<int> numbers;
  for (const Uitslag& row : standings.rows) {
    places.push_back(row.place);
    numbers.push_back(row.number);
  }
  EXPECT_EQ(places, (std::vector<int>{1, 2, 2, 4}));
  EXPECT_EQ(numbers, (std::vector<int>{9, 2, 5, 7}));
  const int64_t topTotal = standings.topTotal;
  EXPECT_EQ(topTotal, tops.turns[0].top + tops.turns[1].top + tops.turns[2].top);
  EXPECT_EQ(standings.rows[0].total, 50);
  EXPECT_EQ(standings.rows[0].achterstand, 50 - topTotal);
  EXPECT_EQ(standings.rows[3].achterstand, -topTotal);
  EXPECT_EQ(standings.rows[3].percentage, "0,00");

  const std::string csv = standingsCsv(standings);
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "plaats;nummer;naam;totaal;achterstand;percentage;tops;beurt 1;beurt 2;beurt 3");
  EXPECT_NE(csv.find("\n4;7;Dirk;0;-" + std::to_string(topTotal) + ";0,00;0;0;0;0\n"),
            std::string::npos);
}

// While the clock of a turn runs, its top is not laid yet: nobody falls behind on
// it, though a slip handed in early is judged already. Laid, the turn counts.
TEST(Standings, ADrawnTurnCountsOnceItIsLaid) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  state->random.seed(3);
  state->turns[3].rack = drawRack(*state);
  ASSERT_EQ(state->turns[3].rack.size(), 7u);
  report_games::recompute(*state);
  ASSERT_FALSE(state->results.empty());
  const Move top = state->results.front();
  PlayersRecord record = playersOf({{1, "Ans"}});
  setAnswer(record, 1, 3, moveAnswer(top.row - 1, top.column - 'A', top.horizontal != 0, top.word));

  const JudgedGame drawn = judgeGame(*state, record);
  EXPECT_EQ(drawn.turnsPlayed, 4);
  EXPECT_EQ(drawn.turnsCounted, 3);
  EXPECT_EQ(drawn.points(1, 3), top.score);
  const Klassement during = klassement(record, drawn);
  EXPECT_EQ(during.tops.size(), 3u);
  EXPECT_EQ(during.rows[0].total, 0);

  state->turns[3].play(top);
  report_games::recompute(*state);
  const Klassement after = klassement(record, judgeGame(*state, record));
  ASSERT_EQ(after.tops.size(), 4u);
  EXPECT_EQ(after.rows[0].total, top.score);
  EXPECT_EQ(after.rows[0].tops, 1);
}

TEST(Standings, PercentageHasTwoDecimalsRoundedHalfUpWithAComma) {
  EXPECT_EQ(percentageText(790, 800), "98,75");
  EXPECT_EQ(percentageText(800, 800), "100,00");
  EXPECT_EQ(percentageText(2, 3), "66,67");
  EXPECT_EQ(percentageText(1, 3), "33,33");
  EXPECT_EQ(percentageText(1, 32), "3,13");  // 3,125
  EXPECT_EQ(percentageText(1, 1000), "0,10");
  EXPECT_EQ(percentageText(0, 800), "0,00");
  EXPECT_EQ(percentageText(0, 0), "0,00");
}

TEST(PlayersFile, RoundTripAndAGameWithoutPlayersSavesAsBefore) {
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("players-file");

  // Without players every form is written exactly as saveGame writes it, and no
  // players file appears.
  ScratchFolder plain("players-file-plain");
  for (const char* name : {"spel.txt", "spel.max", "spel.html", "spel.htm"}) {
    ASSERT_TRUE(saveGame(*state, plain.file(name)));
    ASSERT_TRUE(saveGameWithPlayers(*state, PlayersRecord{}, folder.file(name)));
    EXPECT_EQ(readFile(folder.file(name)), readFile(plain.file(name))) << name;
  }
  EXPECT_EQ(readFile(folder.file("spel3.htm")), readFile(plain.file("spel3.htm")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("spel.spelers.csv")));

  PlayersRecord record = playersOf({{12, "Jos\xE9 de Vries"}, {3, "Ans"}});
  setAnswer(record, 3, 0, slip("B8", true, "TAXiEND"));
  setAnswer(record, 12, 1, slip("E4", false, "BEZWIJKE"));
  setAnswer(record, 12, 2, scoreAnswer(14));
  ASSERT_TRUE(saveGameWithPlayers(*state, record, folder.file("spel.txt")));
  EXPECT_EQ(readFile(folder.file("spel.txt")), readFile(plain.file("spel.txt")));
  EXPECT_EQ(readFile(folder.file("spel.spelers.csv")),
            "soort;nummer;beurt;vakje;richting;woord\n"
            "speler;3;Ans\n"
            "speler;12;Jos\xE9 de Vries\n"
            "oplossing;3;1;B8;H;TAXiEND\n"
            "oplossing;12;2;E4;V;BEZWIJKE\n"
            "score;12;3;14\n");
  auto loaded = report_games::newGame();
  PlayersRecord read;
  std::vector<std::string> problems;
  ASSERT_EQ(loadGameWithPlayers(*loaded, read, folder.file("spel.txt"), problems), 0);
  EXPECT_TRUE(problems.empty());
  ASSERT_EQ(read.players.size(), 2u);
  EXPECT_EQ(read.players[1].name, "Jos\xE9 de Vries");
  EXPECT_EQ(read.answers, record.answers);

  // The pages of a game with players link to its standings page, written beside them.
  ASSERT_TRUE(saveGameWithPlayers(*state, record, folder.file("ronde.htm")));
  ASSERT_TRUE(saveGameWithPlayers(*state, record, folder.file("ronde.html")));
  const std::string link = "<p><a href=\"ronde.uitslag.html\">Uitslag</a></p>\n</BODY></HTML>\n";
  EXPECT_NE(readFile(folder.file("ronde.html")).find(link), std::string::npos);
  EXPECT_NE(readFile(folder.file("ronde3.htm")).find(link), std::string::npos);
  const std::string standings = readFile(folder.file("ronde.uitslag.html"));
  EXPECT_EQ(standings.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_NE(standings.find("<meta charset=\"iso-8859-1\">"), std::string::npos);
  EXPECT_NE(standings.find("Jos\xE9 de Vries"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(folder.file("ronde.spelers.csv")));
}

TEST(PlayersFile, DamagedLinesAreReportedByNumberAndSkipped) {
  PlayersRecord record;
  std::vector<std::string> problems;
  readPlayersText(
      "soort;nummer;beurt;vakje;richting;woord\r\n"
      "oplossing;1;2;E4;v;BEZWIJKE;;\r\n"  // before its player, spreadsheet padding: kept
      "speler;1;Ans;;;\r\n"
      "speler;abc;Bram\r\n"
      "speler;2;\"Cor \"\"C\"\" Smit\"\r\n"
      ";;;;;\r\n"
      "oplossing;2;1;H8;X;ROTS\r\n"
      "score;7;1;20\r\n"
      "score;2;1;veel\r\n"
      "notitie;2;1\r\n"
      "score;2;3;20\r\n",
      record, problems);
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "Regel 4 overgeslagen: ongeldig spelernummer",
                          "Regel 7 overgeslagen: richting moet H of V zijn",
                          "Regel 8 overgeslagen: Speler 7 bestaat niet",
                          "Regel 9 overgeslagen: ongeldige score",
                          "Regel 10 overgeslagen: onbekende soort",
                      }));
  ASSERT_EQ(record.players.size(), 2u);
  EXPECT_EQ(record.players[1].name, "Cor \"C\" Smit");
  EXPECT_EQ(record.answers.size(), 2u);
  ASSERT_NE(record.answer(1, 1), nullptr);
  EXPECT_EQ(*record.answer(1, 1), slip("E4", false, "BEZWIJKE"));
  EXPECT_EQ(*record.answer(2, 2), scoreAnswer(20));

  // A players file that cannot be read at all is reported; the game still loads.
  auto state = report_games::newGame();
  report_games::playThreeTurns(*state);
  ScratchFolder folder("players-unreadable");
  ASSERT_TRUE(saveGame(*state, folder.file("spel.txt")));
  std::filesystem::create_directory(folder.file("spel.spelers.csv"));
  auto loaded = report_games::newGame();
  problems.clear();
  ASSERT_EQ(loadGameWithPlayers(*loaded, record, folder.file("spel.txt"), problems), 0);
  EXPECT_TRUE(record.empty());
  EXPECT_EQ(loaded->totalScore, state->totalScore);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind("Kan spelersbestand ", 0), 0u);
}

TEST(Season, PlayersOfSeveralGamesAreJoinedByName) {
  const auto game = [](int64_t topTotal, std::vector<std::pair<std::string, int64_t>> results) {
    Klassement standings;
    standings.topTotal = topTotal;
    standings.tops = {static_cast<int32_t>(topTotal)};
    for (auto& [name, total] : results) {
      Uitslag& row = standings.rows.emplace_back();
      row.name = name;
      row.total = total;
    }
    return standings;
  };
  const std::vector<SeasonRow> rows =
      seasonTable({game(800, {{"Jan Smit", 790}, {"Els", 400}}),
                   game(1000, {{"  jan SMIT ", 900}, {"Els", 890}, {"Piet", 1290}})});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "Jan Smit");
  EXPECT_EQ(rows[0].games, 2);
  EXPECT_EQ(rows[0].total, 1690);
  EXPECT_EQ(rows[0].topTotal, 1800);
  EXPECT_EQ(rows[0].percentage, "93,89");
  EXPECT_EQ(rows[0].averagePercentage, "94,38");  // (98,75 + 90,00) / 2
  EXPECT_EQ(rows[0].place, 1);
  // Equal totals share the place, listed by name.
  EXPECT_EQ(rows[1].name, "Els");
  EXPECT_EQ(rows[1].place, 2);
  EXPECT_EQ(rows[2].name, "Piet");
  EXPECT_EQ(rows[2].place, 2);
  EXPECT_EQ(rows[2].games, 1);
  EXPECT_EQ(seasonCsv(rows).substr(0, seasonCsv(rows).find('\n')),
            "plaats;naam;spellen;totaal;top;percentage;gemiddeld percentage");
}

}  // namespace
}  // namespace kwarrel

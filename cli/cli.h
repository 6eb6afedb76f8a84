// kwarrel-cli: the core without a window. Each command lives in its own file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "players/players.h"

namespace kwarrel::cli {

// Exit codes of every command.
constexpr int kExitDone = 0;
constexpr int kExitRejected = 1;  // rejected entry, unreadable input, unwritable output
constexpr int kExitUsage = 2;

// Arguments with options anywhere among them. An option is "--name" or
// "--name VALUE" (when the command declares that it takes a value).
struct Arguments {
  std::vector<std::string> positional;
  // Name without dashes -> every value given, in order ("" for flags).
  std::map<std::string, std::vector<std::string>> options;

  bool has(const std::string& name) const { return options.count(name) != 0; }
  // The last value given: a later option overrides an earlier one.
  std::optional<std::string> value(const std::string& name) const;
  std::vector<std::string> values(const std::string& name) const;
};

// Splits argv[first..] into positional arguments and options. `withValue` lists
// the option names that take a value. Returns nullopt (after printing a Dutch
// message to stderr) for an unknown option or a missing value.
std::optional<Arguments> parseArguments(int argc, char** argv, int first,
                                        const std::vector<std::string>& flags,
                                        const std::vector<std::string>& withValue);

// The Dutch messages, on standard error, for a game file that cannot be read and
// an output that cannot be written.
void reportUnreadable(const std::string& path);
void reportUnwritable(const std::string& path);

// Prepares a game as the program does at start-up: the configuration file of the
// current directory, when it can be read, then every "--maxb N" in order, each
// usable one overriding the ones before it.
void prepareGame(GameState& state, const Arguments& arguments);

// Loads a game file for a command. Prints a Dutch message and returns false when
// the file cannot be read, or when it holds more turns than the game has (its
// later turns would be lost; --maxb gives the game more turns).
bool loadGame(GameState& state, const std::string& path);

// The same, with the players file beside the game read into `record`; what cannot
// be read of it is reported on standard error and skipped.
bool loadGameAndPlayers(GameState& state, PlayersRecord& record, const std::string& path);

// The words a command plays by: the list given with "--woordenlijst FILE", else
// (when `programFolderList`) the program folder's woordenlijst.txt, else the
// built-in list. A list given that cannot be used is nullptr after a Dutch
// message; a program folder's list that cannot be used gives way to the built-in
// one, with a message.
const WordGraph* wordsInUse(const Arguments& arguments, bool programFolderList = true);

int runCheck(int argc, char** argv);
int runMoves(int argc, char** argv);
int runSquare(int argc, char** argv);
int runBench(int argc, char** argv);
int runSave(int argc, char** argv);
int runAuto(int argc, char** argv);
int runEnter(int argc, char** argv);
int runDemo(int argc, char** argv);
int runUitslag(int argc, char** argv);
int runSpeler(int argc, char** argv);
int runOplossing(int argc, char** argv);
int runKlassement(int argc, char** argv);

// Times whole automatic games for `kwarrel-cli bench` (prints its own lines).
void benchAutoGames(const WordGraph& words, bool quick);

// Times 1,000 draw optimisation passes for `kwarrel-cli bench` (prints its own lines).
void benchDrawOptimisation(const WordGraph& words, bool quick);

// Times judging 40 players' answers over a game of 22 turns for `kwarrel-cli bench`
// (prints its own lines).
void benchPlayers(bool quick);

// The seed of the random generator: "--seed N", else the time in seconds; nullopt
// for a seed that is not a number.
std::optional<uint32_t> seedFor(const Arguments& arguments);

// The rules of the "/maxb=" switch: digits only, taken only when 11..50.
std::optional<int> parseMaxTurns(const std::string& digits);

// Decimal digits only (any number of them), at most `limit`.
std::optional<uint32_t> parseUnsigned(const std::string& text, uint32_t limit);

// A square as a column letter and a row number ("H8", "h8"), 0-based. Any letter
// and any row are read; the caller decides what lies on the board.
bool parseSquare(const std::string& text, int& row0, int& column0);

// A direction as "H" (across) or "V" (down), either case.
bool parseDirection(const std::string& text, bool& horizontal);

// Prints `problem` (when given) and the command's usage text on standard error;
// returns the usage exit code.
int usageError(const char* usage, const char* problem = nullptr);

}  // namespace kwarrel::cli

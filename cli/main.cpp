// kwarrel-cli COMMAND ...: dispatch to the commands.
#include <cstdio>
#include <cstring>

#include "cli/cli.h"

namespace {

const char* const kUsage =
    "Gebruik: kwarrel-cli OPDRACHT ...\n"
    "  check WOORD...            woorden opzoeken in de woordenlijst in gebruik\n"
    "  moves SPEL [--rack LETTERS] [--beste]\n"
    "                            zetten van de beurt in uitvoering\n"
    "  square SPEL VAKJE [--rack LETTERS]\n"
    "                            mogelijkheden op een vakje (bv. H8)\n"
    "  save SPEL UIT             spel bewaren (.txt, .max, .html, .htm)\n"
    "  auto UIT [opties]         automatisch spel spelen en bewaren\n"
    "  enter SPEL BEURT TREKKING VAKJE RICHTING WOORD [opties]\n"
    "                            beurt ingeven\n"
    "  speler SPEL NUMMER NAAM   speler toevoegen of hernoemen\n"
    "  oplossing SPEL NUMMER BEURT VAKJE RICHTING WOORD\n"
    "  oplossing SPEL NUMMER BEURT --score PUNTEN\n"
    "                            oplossing van een speler ingeven\n"
    "  uitslag SPEL [UIT]        uitslag van de spelers (.txt, .html, .csv)\n"
    "  klassement UIT SPEL...    klassement over meerdere spellen\n"
    "  bench [--quick]           snelheidsmeting\n"
    "  demo [--seed N]           korte demonstratie\n"
    "Opdrachten met een spel kennen ook --maxb N: het aantal beurten (11..50,\n"
    "standaard 22). Elke opdracht met een spel leest Kwar2002.cfg uit de huidige map.\n"
    "Opdrachten met woorden (alle behalve bench) spelen met woordenlijst.txt uit de\n"
    "programmamap als die er is; --woordenlijst BESTAND kiest een andere lijst.\n";

struct Command {
  const char* name;
  int (*run)(int, char**);
};

const Command kCommands[] = {
    {"check", kwarrel::cli::runCheck}, {"moves", kwarrel::cli::runMoves},
    {"square", kwarrel::cli::runSquare}, {"bench", kwarrel::cli::runBench},
    {"save", kwarrel::cli::runSave},   {"auto", kwarrel::cli::runAuto},
    {"enter", kwarrel::cli::runEnter}, {"demo", kwarrel::cli::runDemo},
    {"uitslag", kwarrel::cli::runUitslag}, {"speler", kwarrel::cli::runSpeler},
    {"oplossing", kwarrel::cli::runOplossing}, {"klassement", kwarrel::cli::runKlassement},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return kwarrel::cli::kExitUsage;
  }
  for (const Command& command : kCommands) {
    if (std::strcmp(argv[1], command.name) == 0) return command.run(argc, argv);
  }
  std::fputs(kUsage, stderr);
  return kwarrel::cli::kExitUsage;
}

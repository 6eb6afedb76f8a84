// The main window's part in changing the word list: the game is played on by the
// new words, its candidates and its picture made again.
#include <utility>

#include "game/word_list_switch.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {

bool MainWindow::replaceWordList(WordGraph words) {
  if (replaceableWords_ == nullptr || &game_.words != replaceableWords_) return false;
  replaceWords(game_, *replaceableWords_, std::move(words));
  fillCandidateList();
  refreshGameView();
  update();  // the version text names the list
  return true;
}

}  // namespace kwarrel::ui

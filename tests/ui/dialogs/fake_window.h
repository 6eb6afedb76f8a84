// Stand-ins for the main window's hooks and for the person answering prompts,
// shared by the dialog tests.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "game/game_state.h"
#include "game/turn_cycle.h"
#include "ui/base/prompts.h"
#include "ui/base/window_hooks.h"

namespace kwarrel::ui::testing {

class FakeHooks : public WindowHooks {
 public:
  void fontChanged(FontRole role) override { changedFonts.push_back(role); }
  void boardLookChanged() override { ++boardLookChanges; }
  void tileSetChanged() override {
    ++tileSetChanges;
    if (game != nullptr) recomputeAfresh(*game);
  }
  ColumnPixelWidths turnListColumnWidths() const override { return {40, 90, 90, 40, 30, 45}; }
  void openHelp(HelpText text) override { openedHelp.push_back(text); }
  QWidget* helpWindow() const override { return help; }
  void printHelp() override { ++helpPrints; }
  void playSignal(bool second) override { playedSignals.push_back(second); }

  GameState* game = nullptr;  // recomputed after a tile set change, as the window does
  QWidget* help = nullptr;
  std::vector<FontRole> changedFonts;
  int boardLookChanges = 0;
  int tileSetChanges = 0;
  std::vector<HelpText> openedHelp;
  int helpPrints = 0;
  std::vector<bool> playedSignals;
};

class FakePrompts : public Prompts {
 public:
  bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
  void showMessage(QWidget*, const QString& caption, const QString& text,
                   QMessageBox::Icon) override {
    messages.push_back(caption + QStringLiteral(": ") + text);
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override {
    offeredFonts.push_back(initial);
    return fontAnswer;
  }
  bool choosePrinter(QWidget*, QPrinter&) override { return false; }

  std::optional<QFont> fontAnswer;  // nothing = the chooser is cancelled
  std::vector<QFont> offeredFonts;
  QStringList messages;
};

// Runs `act` on the next modal dialog once its own loop has started.
inline void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, qApp, [act = std::move(act)] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog != nullptr) act(dialog);
  });
}

}  // namespace kwarrel::ui::testing

// The settings dialog "Instellingen": fonts, text offsets and the value display
// act at once; the options, blank character, thinking time and signal tone are
// read by "BEWAREN", which also writes the configuration file.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "ui/base/prompts.h"
#include "ui/base/ui_fonts.h"
#include "ui/base/window_hooks.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kwarrel::ui {

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(kwarrel::GameState& state, const UiFonts& fonts, WindowHooks& hooks,
                 Prompts& prompts, QWidget* parent);
  ~SettingsDialog() override;

  // "BEWAREN": reads every field, sounds the test signal, saves, closes.
  void accept() override;

 private:
  QPushButton* addButton(int id, const QString& text, const QString& name);
  QCheckBox* addCheckBox(int id, const QString& text, const char* name, bool ticked);
  QLineEdit* addNumberField(int id, int maxDigits, int32_t value, bool showZero, const char* name);
  void addFontButton(int id, const QString& text, const QString& name, FontRole role,
                     QGridLayout* grid, int row);
  void addOffsetButtons(int firstId, kwarrel::Offset& offset, const QString& name,
                        QGridLayout* grid, int row);
  QWidget* buildBoardLook();
  QWidget* buildOptions();
  void chooseFont(FontRole role);
  void editTileSet();
  void readFields();
  void orderTabs();

  kwarrel::GameState& state_;
  const UiFonts& fonts_;
  WindowHooks& hooks_;
  Prompts& prompts_;
  std::vector<std::pair<int, QWidget*>> controls_;  // by control id, for the tab order
  std::unique_ptr<QObject> printKey_;

  QCheckBox* limitBlanks_ = nullptr;
  QCheckBox* alphabeticalDraw_ = nullptr;
  QCheckBox* stopAtFirstBonzel_ = nullptr;
  QCheckBox* blankEveryDraw_ = nullptr;
  QCheckBox* qNeedsU_ = nullptr;
  QCheckBox* replaceFirstBlank_ = nullptr;
  QComboBox* blankChar_ = nullptr;
  QLineEdit* optimisationLoops_ = nullptr;
  QLineEdit* thinkTime_ = nullptr;
  QLineEdit* soundDuration_ = nullptr;
  QLineEdit* soundFrequency_ = nullptr;
};

// Runs the dialog window-modal over `parent`, so that a help window opened from
// it still takes the keyboard and mouse.
void openSettingsDialog(kwarrel::GameState& state, const UiFonts& fonts, WindowHooks& hooks,
                        Prompts& prompts, QWidget* parent);

}  // namespace kwarrel::ui

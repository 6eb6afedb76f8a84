// The tile set dialogs: the list of all letters with their counts and values and
// the presets, and the small dialog for one letter.
#pragma once

#include <QDialog>
#include <cstdint>

#include "game/letters.h"
#include "game/tile_set.h"

class QEvent;
class QLayout;
class QLineEdit;
class QShowEvent;
class QTableWidget;

namespace kwarrel::ui {

// Count and value of one letter. Row 0 is the blank, whose value stays fixed.
class LetterDialog : public QDialog {
  Q_OBJECT

 public:
  LetterDialog(int index, int32_t& count, int32_t& value, QWidget* parent);

  void accept() override;

 private:
  int32_t& count_;
  int32_t& value_;
  QLineEdit* countField_;
  QLineEdit* valueField_;
};

// All 27 letters: the blank (shown as `blankChar`), then A..Z. OK keeps the
// tables as edited; Cancel, Escape and the close box restore them as they were
// when the dialog opened.
class TileSetDialog : public QDialog {
  Q_OBJECT

 public:
  TileSetDialog(kwarrel::LetterCounts& countTable, kwarrel::LetterCounts& valueTable,
                char blankChar, QWidget* parent);

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void addPresetButton(const QString& text, kwarrel::TilePreset preset, QLayout* buttons);
  void applyTilePreset(kwarrel::TilePreset preset);
  void editLetter(int index);
  void showNumbers(int index);

  kwarrel::LetterCounts& countTable_;
  kwarrel::LetterCounts& valueTable_;
  const kwarrel::LetterCounts savedCounts_;
  const kwarrel::LetterCounts savedValues_;
  QTableWidget* list_;
};

// Runs the list dialog modally over `parent`. The caller recomputes the game
// afterwards, whichever way it ended.
void showTileSetDialog(kwarrel::LetterCounts& countTable, kwarrel::LetterCounts& valueTable,
                       char blankChar, QWidget* parent);

}  // namespace kwarrel::ui

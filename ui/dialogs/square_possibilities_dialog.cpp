#include "ui/dialogs/square_possibilities_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "ui/base/latin1.h"
#include "ui/dialogs/dialog_buttons.h"

namespace kwarrel::ui {

namespace {

// The score column starts 60 dialog units in, as the list's tab stop did; a
// dialog unit is a quarter of the average character width.
constexpr int kTabStopUnits = 60;

// One line "word \t score" becomes a row with the word and the score apart.
QTreeWidget* possibilityList(const std::vector<std::string>& lines, const QString& name,
                             QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setColumnCount(2);
  list->setHeaderHidden(true);
  list->setRootIsDecorated(false);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setColumnWidth(0, list->fontMetrics().averageCharWidth() * kTabStopUnits / 4);
  for (const std::string& line : lines) {
    const QStringList parts = fromLatin1(line).split(u'\t');
    auto* item = new QTreeWidgetItem(list);
    item->setText(0, parts.value(0).trimmed());
    item->setText(1, parts.value(1).trimmed());
  }
  return list;
}

}  // namespace

SquarePossibilitiesDialog::SquarePossibilitiesDialog(const SquarePossibilities& possibilities,
                                                     QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(fromLatin1(possibilities.title));
  QDialogButtonBox* buttons = okCancelButtons(this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Horizontaal"), this), 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Vertikaal"), this), 0, 1);
  layout->addWidget(possibilityList(possibilities.horizontal, QStringLiteral("horizontal"), this),
                    1, 0);
  layout->addWidget(possibilityList(possibilities.vertical, QStringLiteral("vertical"), this), 1,
                    1);
  layout->addWidget(buttons, 2, 0, 1, 2);
}

bool openSquarePossibilities(const GameState& state, int row0, int column0, QWidget* parent) {
  const std::optional<SquarePossibilities> possibilities =
      squarePossibilities(state, row0, column0);
  if (!possibilities) return false;
  SquarePossibilitiesDialog dialog(*possibilities, parent);
  dialog.exec();
  return true;
}

}  // namespace kwarrel::ui

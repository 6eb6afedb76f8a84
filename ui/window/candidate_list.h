// The candidate list: a drop-down list whose choice lays a move on the board, so
// it changes only by a deliberate choice, and whose open list has the layout's
// height.
#pragma once

#include <QComboBox>

namespace kwarrel::ui {

class CandidateList : public QComboBox {
  Q_OBJECT

 public:
  explicit CandidateList(QWidget* parent = nullptr);

  // The open list's height in pixels (10 rows of the board).
  void setPopupHeight(int height) { popupHeight_ = height; }
  int popupHeight() const { return popupHeight_; }

  void showPopup() override;

 protected:
  // A wheel turned over the closed list would lay one candidate after another.
  void wheelEvent(QWheelEvent* event) override;

 private:
  int popupHeight_ = 0;
};

}  // namespace kwarrel::ui

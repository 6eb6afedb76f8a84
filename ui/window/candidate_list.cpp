#include "ui/window/candidate_list.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>

namespace kwarrel::ui {

CandidateList::CandidateList(QWidget* parent) : QComboBox(parent) { setMaxVisibleItems(10); }

void CandidateList::showPopup() {
  QComboBox::showPopup();
  QWidget* popup = view()->window();
  if (popupHeight_ <= 0 || popup == window() || !popup->isVisible()) return;
  // Styles that open the list as a menu make it as tall as the screen; it gets
  // its own height, under the closed list where that fits, else above it.
  const QRect screenArea = screen()->availableGeometry();
  const int height = std::min(popupHeight_, screenArea.height());
  const QRect field(mapToGlobal(QPoint(0, 0)), size());
  int top = field.bottom() + 1;
  if (top + height > screenArea.bottom() + 1) top = std::max(screenArea.top(), field.top() - height);
  popup->setGeometry(popup->x(), top, popup->width(), height);
}

void CandidateList::wheelEvent(QWheelEvent* event) { event->accept(); }

}  // namespace kwarrel::ui

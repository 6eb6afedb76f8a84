// The help window: one of the two manuals, word-wrapped and scrolled by lines,
// printed with F9; and the one place that opens it.
#pragma once

#include <QAbstractScrollArea>
#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

#include "ui/base/window_hooks.h"
#include "ui/dialogs/help_layout.h"

class QKeyEvent;
class QPaintEvent;
class QResizeEvent;

namespace kwarrel::ui {

class Prompts;

// The manual's text as built into the program, CRs removed.
std::string helpTextFor(HelpText text);

// A top-level window "Kwarrel Help" with a vertical scroll bar. The scroll
// position counts lines; the arrow and page keys act like the scroll bar.
class HelpWindow : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit HelpWindow(HelpText text);

  HelpText text() const { return text_; }
  const std::string& buffer() const { return buffer_; }
  int scrollPosition() const;
  // The last position: the one that shows the last line at the bottom.
  int scrollMaximum() const;
  const std::vector<HelpLine>& lines() const { return lines_; }
  int lineHeight() const { return lineHeight_; }

  QSize sizeHint() const override;

 signals:
  // F9 in this window.
  void printRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void layOut();

  HelpText text_;
  std::string buffer_;
  std::vector<HelpLine> lines_;
  int lineHeight_ = 1;
};

// Keeps at most one help window. Closing the window destroys it.
class HelpWindows : public QObject {
  Q_OBJECT

 public:
  explicit HelpWindows(Prompts& prompts, QObject* parent = nullptr);
  ~HelpWindows() override;
  HelpWindows(const HelpWindows&) = delete;
  HelpWindows& operator=(const HelpWindows&) = delete;

  // Opens the window with `text`; an open window is only brought to the front,
  // activated and focused, whatever text it shows.
  void open(HelpText text);
  // The open window, or nullptr.
  HelpWindow* window() const { return window_.data(); }
  // Asks for a printer and prints the open window's text; nothing without a window.
  void print();

 private:
  Prompts& prompts_;
  QPointer<HelpWindow> window_;
};

}  // namespace kwarrel::ui

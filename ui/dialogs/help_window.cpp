#include "ui/dialogs/help_window.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QPrinter>
#include <QRect>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "ui/base/latin1.h"
#include "ui/base/prompts.h"
#include "ui/dialogs/help_print.h"

// The library is static: registering its resources by hand keeps the linker
// from dropping them. At global scope, where the generated function lives.
static void registerDialogResources() { Q_INIT_RESOURCE(dialogs); }

namespace kwarrel::ui {

namespace {

// Until the first layout the window scrolls over a hundred lines.
constexpr int kInitialScrollMaximum = 100;

const QString kProblemCaption = QStringLiteral("Kwarrel probleem");

QString resourcePath(HelpText text) {
  return text == HelpText::Settings ? QStringLiteral(":/help/instellingen.txt")
                                    : QStringLiteral(":/help/hoofdhandleiding.txt");
}

// Shows the wait cursor while it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

std::string helpTextFor(HelpText text) {
  static const bool registered = [] {
    registerDialogResources();
    return true;
  }();
  (void)registered;
  QFile file(resourcePath(text));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return helpTextBuffer(
      std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

HelpWindow::HelpWindow(HelpText text) : text_(text), buffer_(helpTextFor(text)) {
  setWindowTitle(QStringLiteral("Kwarrel Help"));
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setFont(helpFont(logicalDpiY()));
  verticalScrollBar()->setRange(0, kInitialScrollMaximum);
  verticalScrollBar()->setSingleStep(1);

  auto* print = new QShortcut(QKeySequence(Qt::Key_F9), this);
  print->setContext(Qt::WindowShortcut);
  connect(print, &QShortcut::activated, this, &HelpWindow::printRequested);
}

int HelpWindow::scrollPosition() const { return verticalScrollBar()->value(); }

int HelpWindow::scrollMaximum() const { return verticalScrollBar()->maximum(); }

QSize HelpWindow::sizeHint() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize available = screen != nullptr ? screen->availableSize() : QSize(1024, 768);
  return {available.width() * 3 / 5, available.height() * 3 / 4};
}

void HelpWindow::layOut() {
  const QFontMetrics metrics(viewport()->font(), viewport());
  lineHeight_ = std::max(1, metrics.height());
  lines_ = layoutHelpLines(buffer_, viewport()->width(),
                           characterWidthsOf(QFontMetricsF(viewport()->font(), viewport())));
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, helpScrollMaximum(static_cast<int>(lines_.size()), lineHeight_,
                                     viewport()->height()));
  bar->setPageStep(std::max(1, viewport()->height() / lineHeight_));
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  layOut();
}

void HelpWindow::scrollContentsBy(int, int) { viewport()->update(); }

void HelpWindow::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect area = viewport()->rect();
  painter.fillRect(area, Qt::white);
  painter.setPen(Qt::black);
  // The line at the scroll position is drawn one line below the top.
  const int offset = (scrollPosition() - 1) * lineHeight_;
  const HelpPage placed =
      placeHelpLines(static_cast<int>(lines_.size()), lineHeight_, area.height(), offset);
  const std::string_view text(buffer_);
  for (int i = 0; i < placed.drawnLines; ++i) {
    const HelpLine& line = lines_[static_cast<size_t>(placed.firstLine + i)];
    painter.drawText(QRect(0, placed.top + i * lineHeight_, area.width(), lineHeight_),
                     Qt::AlignLeft | Qt::AlignTop,
                     fromLatin1(text.substr(static_cast<size_t>(line.start),
                                            static_cast<size_t>(line.length))));
  }
}

HelpWindows::HelpWindows(Prompts& prompts, QObject* parent) : QObject(parent), prompts_(prompts) {}

HelpWindows::~HelpWindows() { delete window_.data(); }

void HelpWindows::open(HelpText text) {
  if (window_ != nullptr) {
    window_->raise();
    window_->activateWindow();
    window_->setFocus();
    return;
  }
  window_ = new HelpWindow(text);
  window_->setAttribute(Qt::WA_DeleteOnClose);
  connect(window_, &HelpWindow::printRequested, this, &HelpWindows::print);
  window_->show();
}

void HelpWindows::print() {
  HelpWindow* help = window_.data();
  if (help == nullptr) return;
  QPrinter printer(QPrinter::HighResolution);
  if (!prompts_.choosePrinter(help, printer)) return;

  HelpPrint report;
  {
    const WaitCursor wait;
    report = printHelpText(help->buffer(), printer);
  }
  if (window_ == nullptr) return;
  if (report.outcome == PrintOutcome::NoDevice) {
    prompts_.showMessage(help, kProblemCaption, QStringLiteral("Cannot obtain Printer DC"),
                         QMessageBox::Warning);
  } else if (report.outcome == PrintOutcome::Failed) {
    prompts_.showMessage(help, kProblemCaption, QStringLiteral("Could not print text"),
                         QMessageBox::Warning);
  }
  if (window_ == nullptr) return;
  window_->activateWindow();
  window_->setFocus();
}

}  // namespace kwarrel::ui

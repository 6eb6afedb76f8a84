// Everything the window asks a person: questions, messages, file names, a font
// and a printer. Tests answer through their own implementation.
#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace kwarrel::ui {

class Prompts {
 public:
  virtual ~Prompts() = default;
  // Questions and messages show their text as plain text: it may quote a file
  // name, which is never read as markup.
  // A Yes/No question with the question icon; true only for Yes.
  virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& question) = 0;
  virtual void showMessage(QWidget* parent, const QString& caption, const QString& text,
                           QMessageBox::Icon icon) = 0;
  // Empty when cancelled.
  virtual QString openFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& folder, const QString& filter,
                               const QString& defaultSuffix) = 0;
  // Nothing when cancelled.
  virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
  // Sets up `printer` for printing; false when cancelled.
  virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The real dialogs: message boxes, file dialogs, the font chooser, the print dialog.
class DialogPrompts : public Prompts {
 public:
  bool askYesNo(QWidget* parent, const QString& caption, const QString& question) override;
  void showMessage(QWidget* parent, const QString& caption, const QString& text,
                   QMessageBox::Icon icon) override;
  QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& folder, const QString& filter,
                       const QString& defaultSuffix) override;
  std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
  bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace kwarrel::ui

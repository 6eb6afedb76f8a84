#include "ui/base/prompts.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kwarrel::ui {

bool DialogPrompts::askYesNo(QWidget* parent, const QString& caption, const QString& question) {
  QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void DialogPrompts::showMessage(QWidget* parent, const QString& caption, const QString& text,
                                QMessageBox::Icon icon) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

QString DialogPrompts::openFileName(QWidget* parent, const QString& folder, const QString& filter) {
  QFileDialog dialog(parent, QString(), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& folder, const QString& filter,
                                    const QString& defaultSuffix) {
  QFileDialog dialog(parent, QString(), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

std::optional<QFont> DialogPrompts::chooseFont(QWidget* parent, const QFont& initial) {
  bool accepted = false;
  const QFont font = QFontDialog::getFont(&accepted, initial, parent, QString(),
                                          QFontDialog::ScalableFonts | QFontDialog::NonScalableFonts);
  if (!accepted) return std::nullopt;
  return font;
}

bool DialogPrompts::choosePrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kwarrel::ui

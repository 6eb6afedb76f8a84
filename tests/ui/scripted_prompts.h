// The window's questions and file choices answered by a test: questions from a
// queue (then `yes`), every file choice with `fileName`, printing to `pdfPath`;
// what was asked and said is recorded.
#pragma once

#include <QFont>
#include <QMessageBox>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "ui/base/prompts.h"

namespace kwarrel::ui {

class ScriptedPrompts : public Prompts {
 public:
  bool askYesNo(QWidget*, const QString& caption, const QString& question) override {
    questions << caption + QLatin1Char('|') + question;
    if (answers.empty()) return yes;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void showMessage(QWidget*, const QString& caption, const QString& text,
                   QMessageBox::Icon) override {
    messages << caption + QLatin1Char('|') + text;
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return fileName; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return fileName;
  }
  std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool choosePrinter(QWidget*, QPrinter& printer) override {
    if (pdfPath.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return true;
  }

  std::deque<bool> answers;
  bool yes = false;  // the answer once `answers` is used up
  QString pdfPath;
  QStringList questions;
  QStringList messages;
  QString fileName;
};

}  // namespace kwarrel::ui

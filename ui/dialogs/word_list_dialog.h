// The word list buttons of the settings dialog. "Woordenlijst..." chooses a club's
// own list, shows what was read and, once confirmed, copies it into the program
// folder and plays by it at once; "Standaardlijst" goes back to the built-in list.
// Reading and packing run on a worker thread behind a progress dialog, so the
// window keeps answering however large the list is.
#pragma once

#include <QString>
#include <functional>

#include "dict/graph_packer.h"
#include "ui/base/prompts.h"
#include "ui/base/window_hooks.h"

class QWidget;

namespace kwarrel::ui {

// "Woordenlijst...": true when the chosen list is now played by.
bool chooseWordList(WindowHooks& hooks, Prompts& prompts, QWidget* parent);

// "Standaardlijst": the program folder's list and its cache go; true when the
// built-in list is now played by.
bool useBuiltInWordList(WindowHooks& hooks, Prompts& prompts, QWidget* parent);

// Runs `work` on a worker thread while a progress dialog titled `label` over
// `parent` follows the progress it reports, the window's events being handled
// all the while; returns when the work is done.
void runWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(const kwarrel::PackProgress&)>& work);

}  // namespace kwarrel::ui

#include "ui/dialogs/word_list_dialog.h"

#include <QEventLoop>
#include <QFile>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "dict/word_folding.h"
#include "files/atomic_file.h"
#include "files/paths.h"
#include "files/program_folder.h"
#include "files/word_list_file.h"
#include "ui/base/file_names.h"
#include "ui/base/latin1.h"

namespace kwarrel::ui {
namespace {

const QString kCaption = QStringLiteral("Kwarrel");

// How often the progress dialog looks at the worker: well inside the tenth of a
// second the window may be kept waiting.
constexpr int kPollMilliseconds = 40;

void warn(Prompts& prompts, QWidget* parent, const QString& text) {
  prompts.showMessage(parent, kCaption, text, QMessageBox::Warning);
}

}  // namespace

void runWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(const PackProgress&)>& work) {
  QProgressDialog progress(label, QString(), 0, 1000, parent);
  progress.setWindowTitle(kCaption);
  progress.setWindowModality(Qt::WindowModal);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setMinimumDuration(0);
  progress.setValue(0);

  std::atomic<int> permille{0};
  std::atomic<bool> finished{false};
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(kPollMilliseconds);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    progress.setValue(permille.load());
    if (finished.load()) loop.quit();
  });
  std::thread worker([&] {
    work([&permille](size_t done, size_t total) {
      if (total != 0) permille.store(static_cast<int>(done * 1000 / total));
    });
    finished.store(true);
  });
  poll.start();
  loop.exec();
  worker.join();
  progress.setValue(1000);
}

bool chooseWordList(WindowHooks& hooks, Prompts& prompts, QWidget* parent) {
  const QString chosen = prompts.openFileName(
      parent, QString(), QStringLiteral("Woordenlijsten (*.txt);;Alle bestanden (*)"));
  if (chosen.isEmpty()) return false;
  const std::optional<std::string> bytes = readWordListFile(toFileSystemPath(chosen));
  if (!bytes) {
    warn(prompts, parent, QStringLiteral("Kan bestand %1 niet lezen").arg(chosen));
    return false;
  }

  WordListReading reading;
  runWithProgress(parent, QStringLiteral("Woordenlijst lezen..."),
                  [&](const PackProgress&) { reading = readWordList(*bytes); });
  const QString report = fromLatin1(wordListReport(reading));
  if (reading.words.empty()) {
    warn(prompts, parent, report + QStringLiteral("\nDeze lijst bevat geen bruikbaar woord."));
    return false;
  }
  if (!prompts.askYesNo(parent, kCaption, report + QStringLiteral("\nDeze woordenlijst gebruiken?"))) {
    return false;
  }

  const std::string listPath = programFolderWordList();
  std::error_code ignored;
  std::filesystem::create_directories(programFolder(), ignored);
  if (!writeFileAtomically(listPath, programFolderCopy(*bytes, bareName(toFileSystemPath(chosen))))) {
    warn(prompts, parent,
         QStringLiteral("Kan de woordenlijst niet bewaren als %1").arg(fromFileSystemPath(listPath)));
    return false;
  }
  OwnWordList loaded;
  runWithProgress(parent, QStringLiteral("Woordgraaf opbouwen..."), [&](const PackProgress& progress) {
    loaded = loadOwnWordList(listPath, wordGraphCachePath(listPath), progress);
  });
  if (!loaded.graph) {
    warn(prompts, parent, QStringLiteral("Woordenlijst: %1").arg(fromLatin1(loaded.error)));
    return false;
  }
  return hooks.replaceWordList(std::move(*loaded.graph));
}

bool useBuiltInWordList(WindowHooks& hooks, Prompts& prompts, QWidget* parent) {
  const std::string listPath = programFolderWordList();
  std::error_code error;
  std::filesystem::remove(listPath, error);
  if (error) {
    warn(prompts, parent,
         QStringLiteral("Kan %1 niet verwijderen").arg(fromFileSystemPath(listPath)));
    return false;
  }
  std::filesystem::remove(wordGraphCachePath(listPath), error);
  return hooks.replaceWordList(builtInWordGraph());
}

}  // namespace kwarrel::ui

#include "ui/window/startup.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <filesystem>
#include <memory>
#include <system_error>

#include "dict/word_graph.h"
#include "files/colour_file.h"
#include "files/config_file.h"
#include "files/program_folder.h"
#include "files/word_list_file.h"
#include "game/game_state.h"
#include "ui/base/file_names.h"
#include "ui/base/font_record.h"
#include "ui/base/latin1.h"
#include "ui/window/main_window.h"

namespace kwarrel::ui {

namespace {

const QString kMaxTurnsSwitch = QStringLiteral("/maxb=");
const QString kLoadSwitch = QStringLiteral("/laad=");

// Qt's own Dutch texts for the standard buttons and the file dialogs.
void installDutchTranslations(QApplication& app) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* name : {"qtbase_nl", "qtmultimedia_nl"}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QString::fromLatin1(name), folder)) {
      QApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
}

// The fonts made from the screen's work area, as when no configuration is read.
FontSet screenDefaultFonts() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  FontSet fonts = defaultFonts(area.width(), area.height());
  fonts.turnListFont = systemFontDescription(area.height() / 70);
  fonts.bagFont = fonts.turnListFont;
  return fonts;
}

// The program folder's woordenlijst.txt when there is one and it can be used
// (its cached graph, normally), else the built-in list; `problem` says why a
// list that is there is not used.
WordGraph wordsAtStart(QString& problem) {
  const std::string path = programFolderWordList();
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return builtInWordGraph();
  OwnWordList own = loadOwnWordList(path, wordGraphCachePath(path));
  if (own.graph) return std::move(*own.graph);
  problem = QStringLiteral("Woordenlijst %1: %2; de ingebouwde woordenlijst wordt gebruikt.")
                .arg(fromFileSystemPath(path), fromLatin1(own.error));
  return builtInWordGraph();
}

}  // namespace

StartupOptions parseSwitches(const QStringList& arguments) {
  StartupOptions options;
  for (const QString& argument : arguments) {
    if (argument.startsWith(kMaxTurnsSwitch) && argument.size() > kMaxTurnsSwitch.size()) {
      const QString digits = argument.mid(kMaxTurnsSwitch.size());
      const bool allDigits = std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
      });
      bool ok = false;
      const int n = digits.toInt(&ok);
      if (allDigits && ok && n >= 11 && n <= 50) options.maxTurns = n;
    }
    if (argument.startsWith(kLoadSwitch)) options.gamesToLoad << argument.mid(kLoadSwitch.size());
  }
  options.bestOnly = arguments.join(QLatin1Char(' ')).contains(QStringLiteral("/beste"));
  return options;
}

void ignoreBrokenPipes() { std::signal(SIGPIPE, SIG_IGN); }

int runKwarrel(int& argc, char** argv) {
  ignoreBrokenPipes();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kwarrel"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kwarrel"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/kwarrel.svg")));
  installDutchTranslations(app);
  installFontSubstitutes();

  const StartupOptions options = parseSwitches(QApplication::arguments().mid(1));
  // The words the game refers to; the settings dialog may replace them.
  QString wordListProblem;
  WordGraph words = wordsAtStart(wordListProblem);
  auto game = std::make_unique<GameState>(words);
  game->maxTurns = options.maxTurns;
  game->bestOnly = options.bestOnly;
  loadColourFile(game->settings);
  if (!loadSettings(*game)) game->settings.fonts = screenDefaultFonts();

  DialogPrompts prompts;
  MainWindow window(*game, prompts, fromFileSystemPath(programFolder()));
  window.setReplaceableWords(words);
  // Placed over the whole work area first: without a window manager nothing
  // else would make the window large.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.setGeometry(screen->availableGeometry());
  }
  window.showMaximized();
  window.layoutControls();
  if (!wordListProblem.isEmpty()) {
    prompts.showMessage(&window, QStringLiteral("Kwarrel"), wordListProblem, QMessageBox::Warning);
  }
  for (const QString& path : options.gamesToLoad) window.loadGame(path);
  return QApplication::exec();
}

}  // namespace kwarrel::ui

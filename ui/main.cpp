#include <QtGlobal>

#include "ui/window/startup.h"

int main(int argc, char** argv) {
  // The icon and the help texts live in the libraries' resources.
  Q_INIT_RESOURCE(window);
  Q_INIT_RESOURCE(dialogs);
  return kwarrel::ui::runKwarrel(argc, argv);
}

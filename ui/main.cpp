#include <QtGlobal>

#include "ui/window/startup.h"

int main(int argc, char** argv) {
  // The icon lives in the window library's resources.
  Q_INIT_RESOURCE(window);
  return kwarrel::ui::runKwarrel(argc, argv);
}

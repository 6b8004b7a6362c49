// Starts the program: the Chinese Qt texts, then the window, then the event loop.
#include <QApplication>

#include "app/window/main_window.h"
#include "app/window/qt_translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("superelevation");
  QApplication::setDesktopFileName("superelevation");
  InstallQtTranslation(app);

  MainWindow window;
  window.show();
  return QApplication::exec();
}

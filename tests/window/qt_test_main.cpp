// Runs the window tests on Qt's offscreen platform, with the program's Chinese Qt texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/window/qt_translation.h"

int main(int argc, char* argv[]) {
  // Before QApplication: test discovery runs this binary too, with no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // Save dialogs open in the documents folder: a fresh one of the tests' own, so that no file
  // dialog lists (and reads) whatever the machine's home folder holds.
  static QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  QDir(home.path()).mkpath("Documents");
  qputenv("XDG_DOCUMENTS_DIR", QDir(home.path()).filePath("Documents").toUtf8());
  // No test reaches the machine's own printers: without the tests' print service, the print
  // service is one that nothing answers, so no printer is installed.
  if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
    qputenv("CUPS_SERVER", "127.0.0.1:1");
  QApplication app(argc, argv);
  InstallQtTranslation(app);
  // The tests close windows on their own; only the program's own handlers may end a loop.
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

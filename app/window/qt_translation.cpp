// Qt's own dialog texts (OK, Cancel, Yes, No) in Simplified Chinese.
#include "app/window/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtTranslation(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  // The program speaks Chinese whatever the user's locale, so the language is named, not looked up.
  if (!translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

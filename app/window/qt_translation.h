// Qt's own dialog texts (OK, Cancel, Yes, No) in Simplified Chinese.
#pragma once

class QCoreApplication;

// Installs Qt's zh_CN translation into the application; false when it is not installed.
bool InstallQtTranslation(QCoreApplication& app);

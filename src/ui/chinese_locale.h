#pragma once

class QCoreApplication;

namespace tarvola {

// The program speaks Simplified Chinese whatever the system's language:
// Qt's own texts are loaded in Chinese and the locale is zh_CN.
void useChineseLocale(QCoreApplication& app);

}  // namespace tarvola

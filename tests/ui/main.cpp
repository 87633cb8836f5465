#include <gtest/gtest.h>

#include <QApplication>

#include "ui/chinese_locale.h"

// GUI tests run without a display unless one is asked for; listing the tests
// at build time has none either.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tarvola::useChineseLocale(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

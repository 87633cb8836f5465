#include <QApplication>
#include <QDir>

#include "host/qt/running_copy.h"
#include "ui/artwork.h"
#include "ui/chinese_locale.h"
#include "ui/main/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The data files live beside the executable, wherever it was copied to.
  const QDir dataDir(QCoreApplication::applicationDirPath());
  tarvola::RunningCopy copy(dataDir.filesystemAbsolutePath());
  if (copy.anotherCopyRuns()) {
    copy.bringOtherForward();
    return 0;
  }
  tarvola::useChineseLocale(app);
  app.setWindowIcon(tarvola::programIcon());
  tarvola::Form1 form(dataDir.filesystemAbsolutePath());
  form.show();
  copy.serve(&form);
  return app.exec();
}

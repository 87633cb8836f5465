#include <QApplication>
#include <QDir>

#include "host/qt/running_copy.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "ui/artwork.h"
#include "ui/chinese_locale.h"
#include "ui/main/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The data files live beside the executable, wherever it was copied to.
  tarvola::DataFolder folder(QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath(),
                             tarvola::nativeFileSystem());
  tarvola::RunningCopy copy(folder);
  if (copy.anotherCopyRuns()) {
    copy.bringOtherForward();
    return 0;
  }
  tarvola::useChineseLocale(app);
  app.setWindowIcon(tarvola::programIcon());
  tarvola::Form1 form(folder);
  form.show();
  copy.serve(&form);
  return app.exec();
}

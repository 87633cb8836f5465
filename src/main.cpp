#include <QApplication>
#include <QDir>

#include "ui/artwork.h"
#include "ui/chinese_locale.h"
#include "ui/main/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tarvola::useChineseLocale(app);
  app.setWindowIcon(tarvola::programIcon());
  // The data files live beside the executable, wherever it was copied to.
  tarvola::Form1 form(QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath());
  form.show();
  return app.exec();
}

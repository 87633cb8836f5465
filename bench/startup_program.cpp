// The program's own start-up, as src/main.cpp does it, on the data directory
// given as the argument; it ends right after the first frame.
#include <QApplication>

#include "bench/first_frame.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "ui/artwork.h"
#include "ui/chinese_locale.h"
#include "ui/main/form1.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  QApplication app(argc, argv);
  tarvola::useChineseLocale(app);
  app.setWindowIcon(tarvola::programIcon());
  tarvola::DataFolder folder(tarvola::pathFromUtf8(argv[1]), tarvola::nativeFileSystem());
  tarvola::Form1 form(folder);
  tarvola::bench::exitAfterFirstFrame(form);
  form.show();
  return app.exec();
}

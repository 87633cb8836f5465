#include "bookmarks/window/run_window.h"

#include <QApplication>

#include "bookmarks/window/bookmarks_window.h"
#include "store/data_files.h"
#include "ui/artwork.h"
#include "ui/chinese_locale.h"

namespace tarvola {

int runBookmarksWindow(int& argc, char* argv[], const std::filesystem::path& dataDir, FileSystem& fs) {
  QApplication app(argc, argv);
  useChineseLocale(app);
  app.setWindowIcon(programIcon());
  const WindowDialogs dialogs = desktopDialogs();
  DataFolder folder(dataDir, fs);
  if (!folder.exists()) {
    dialogs.tell(nullptr, QStringLiteral("数据目录“%1”不存在或不是目录。").arg(QString::fromStdString(utf8Of(dataDir))),
                 true);
    return 1;
  }
  BookmarksWindow window(folder, dialogs);
  window.show();
  return app.exec();
}

}  // namespace tarvola

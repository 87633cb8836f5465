// The floor of start-up: the least program that shows what the program's first
// window shows — the background picture, the icon, Qt's texts in Chinese, a
// window of the main window's size with its two lists, the left one showing
// the category file's records through the least model over its bytes. It
// reads the file once, has no menus and no handlers, and ends right after the
// first frame.
#include <QApplication>
#include <QListView>
#include <QPixmap>
#include <QWidget>

#include "bench/first_frame.h"
#include "bench/floor_files.h"
#include "bench/floor_list_model.h"
#include "store/data_files.h"
#include "store/records.h"
#include "ui/artwork.h"
#include "ui/chinese_locale.h"

namespace {

class PictureWindow final : public QWidget {
 public:
  explicit PictureWindow(tarvola::Picture picture) : picture_(std::move(picture)) {}

 protected:
  void paintEvent(QPaintEvent* /*event*/) override { tarvola::paintPicture(this, picture_); }

 private:
  tarvola::Picture picture_;
};

}  // namespace

int main(int argc, char* argv[]) {
  using namespace tarvola;
  if (argc != 2) return 2;
  QApplication app(argc, argv);
  useChineseLocale(app);
  app.setWindowIcon(programIcon());

  PictureWindow window(backgroundPicture());
  window.setFixedSize(389, 255);
  QListView* lists[] = {new QListView(&window), new QListView(&window)};
  lists[0]->setGeometry(20, 40, 121, 199);
  lists[1]->setGeometry(150, 40, 221, 199);
  auto* categories = new bench::FloorListModel(CategoryRecord::kLength, CategoryRecord::kLength, lists[0]);
  categories->setBytes(bench::readWhole(categoryFile(pathFromUtf8(argv[1]))));
  lists[0]->setModel(categories);
  lists[1]->setModel(new bench::FloorListModel(SiteRecord::kLength, SiteRecord::kNameWidth, lists[1]));
  for (QListView* list : lists) list->setUniformItemSizes(true);
  bench::exitAfterFirstFrame(window);
  window.show();
  return app.exec();
}

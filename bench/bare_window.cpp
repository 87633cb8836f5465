// The floor of start-up: a bare Qt program that shows a window of the main
// window's size with its two lists, the left one holding the same strings as
// the program's category list, made in memory. The cheapest list Qt has is a
// QListView over a QStringListModel with uniform row sizes: no item objects,
// no file, no conversion from the code page. It ends right after the first frame.
#include <QApplication>
#include <QListView>
#include <QStringListModel>
#include <QWidget>

#include "bench/first_frame.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  QApplication app(argc, argv);
  const int count = QString::fromLocal8Bit(argv[1]).toInt();
  QStringList names;
  names.reserve(count);
  const QString prefix = QStringLiteral("网站类别 ");
  for (int i = 0; i < count; ++i) names.append(prefix + QString::number(i).rightJustified(5, QLatin1Char('0')));

  QWidget window;
  window.setFixedSize(389, 255);
  QListView* lists[] = {new QListView(&window), new QListView(&window)};
  lists[0]->setGeometry(20, 40, 121, 199);
  lists[1]->setGeometry(150, 40, 221, 199);
  for (QListView* list : lists) {
    list->setUniformItemSizes(true);
    list->setModel(new QStringListModel(list));
  }
  static_cast<QStringListModel*>(lists[0]->model())->setStringList(names);
  tarvola::bench::exitAfterFirstFrame(window);
  window.show();
  return app.exec();
}

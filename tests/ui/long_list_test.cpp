#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QListView>

#include "host/list_entries.h"
#include "support/temp_dir.h"
#include "ui/gui_test_support.h"

namespace tarvola {
namespace {

class CountingEntries final : public ListEntries {
 public:
  explicit CountingEntries(std::size_t size) : size_(size) {}
  std::size_t size() const override { return size_; }
  std::string at(std::size_t index) const override {
    ++asked_;
    return "entry " + std::to_string(index);
  }
  int asked() const { return asked_; }

 private:
  std::size_t size_;
  mutable int asked_ = 0;
};

// A list of any length is filled at once: the window asks only for the
// entries it lays out and draws, not for every entry it holds.
TEST(LongListTest, AHundredThousandEntriesAreShownByAskingOnlyForTheVisibleOnes) {
  test::TempDir dir;
  test::Window window(dir);
  auto entries = std::make_shared<CountingEntries>(100000);
  window.form().host().setItems(ListBox::List1, entries);
  QListView* list = window.list("List1");
  list->doItemsLayout();
  list->viewport()->repaint();
  list->scrollToBottom();
  list->viewport()->repaint();

  EXPECT_EQ(list->model()->rowCount(), 100000);
  // Scrolled a whole row at a time, the last entry is shown whole and ends
  // less than a row above the bottom: how far depends on the font's height.
  const QRect last = list->visualRect(list->model()->index(99999, 0));
  const int below = list->viewport()->height() - (last.bottom() + 1);
  EXPECT_GE(last.top(), 0);
  EXPECT_GE(below, 0);
  EXPECT_LT(below, last.height());
  EXPECT_EQ(list->indexAt(last.center()).data().toString(), "entry 99999");
  EXPECT_EQ(window.form().host().itemText(ListBox::List1, 99999), "entry 99999");
  EXPECT_LT(entries->asked(), 1000);
}

}  // namespace
}  // namespace tarvola

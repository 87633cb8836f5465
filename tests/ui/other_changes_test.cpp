#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QTest>

#include "store/data_files.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/gui_test_support.h"

namespace tarvola {
namespace {

constexpr int kAboutASecond = 1000;

QString qtPath(const std::filesystem::path& path) { return QFileInfo(std::filesystem::absolute(path)).filePath(); }

// tarvola-bookmarks, as another process, imports a bookmark file of one folder.
void importFolder(const test::TempDir& dir, const std::string& category) {
  const test::TempDir elsewhere;
  const std::filesystem::path file = elsewhere / "b.html";
  test::writeBytes(file, R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8"><DL><p><DT><H3>)" +
                             category + R"(</H3><DL><p><DT><A HREF="http://e.cn/">e</A></DL></DL>)");
  QProcess program;
  program.start(qtPath(pathFromUtf8(TARVOLA_BOOKMARKS)), {"--data-dir", qtPath(dir.path()), "import", qtPath(file)});
  ASSERT_TRUE(program.waitForFinished(60000));
  ASSERT_EQ(program.exitCode(), 0);
}

TEST(OtherChangesTest, ListsShowWhatAnotherProgramChangedWithinASecondButNeverUnderAnOpenMenu) {
  const test::TempDir dir;
  test::writeBytes(dir / "wwww.dat", test::categoryFileOf({"A"}));
  test::writeBytes(dir / "0.dat", test::siteFileOf({"a1"}));
  test::Window window(dir);
  window.click("List1", 0);
  const auto shows = [&](const char* list, const QStringList& entries) {
    return QTest::qWaitFor([&] { return window.entries(list) == entries; }, kAboutASecond);
  };

  // Appended in place by a writer that keeps the file open; the category stays selected.
  std::ofstream writer(dir / "0.dat", std::ios::binary | std::ios::app);
  writer << test::siteRecord("a2", "http://a2.cn") << std::flush;
  EXPECT_TRUE(shows("List2", {"a1", "a2"}));
  EXPECT_EQ(window.selectedRow("List1"), 0);
  writer.close();

  importFolder(dir, "新闻");
  EXPECT_TRUE(shows("List1", {"A", "新闻"}));

  auto* pop1 = window.form().findChild<QMenu*>(QStringLiteral("pop1"));
  pop1->popup(window.form().mapToGlobal(QPoint(40, 60)));
  importFolder(dir, "体育");
  QTest::qWait(kAboutASecond);
  ASSERT_TRUE(pop1->isVisible());
  EXPECT_EQ(window.entries("List1"), QStringList({"A", "新闻"}));
  pop1->close();
  EXPECT_TRUE(shows("List1", {"A", "新闻", "体育"}));
}

}  // namespace
}  // namespace tarvola

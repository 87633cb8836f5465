#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmarks_command.h"
#include "bookmarks/import_plan.h"
#include "bookmarks/web_address.h"
#include "store/bookmark_file.h"
#include "store/data_files.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

TEST(WebAddressTest, OnlyWebAddressesWithAHostPass) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"http://example.org/", true},        {"HTTPS://example.org/a?b=c#d", true}, {"ftp://ftp.example.org/", true},
      {"https://例子.example/路径", true},  {"javascript:alert(1)", false},        {"place:sort=8", false},
      {"file:///C:/Windows/calc.exe", false}, {"data:text/html,x", false},         {"/a/path", false},
      {"C:\\Windows\\calc.exe", false},     {"http:no-host", false},               {"", false},
      {"http://exa mple.org/", false},      {"http://example.org/\n", false},      {"mailto:a@example.org", false},
  };
  for (const auto& [address, web] : cases) EXPECT_EQ(isWebAddress(address), web) << address;
}

TEST(CollapseWhiteSpaceTest, RunsBecomeOneBlankAndTheEndsGo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"  a \t\n b  ", "a b"}, {"", ""}, {" \r\n ", ""}, {"中\n\n文", "中 文"}, {"a", "a"}};
  for (const auto& [text, collapsed] : cases) EXPECT_EQ(collapseWhiteSpace(text), collapsed) << text;
}

TEST(BookmarkFileTest, DeepNestingAndHugeInputNeverCrash) {
  std::string deep = "<!DOCTYPE NETSCAPE-Bookmark-file-1>";
  for (int i = 0; i < 20000; ++i) deep += "<DL><p><DT><H3>x</H3>";
  deep += "<DT><A HREF=\"http://example.org/\">a</A>";
  const auto parsed = parseBookmarkFile(deep);
  ASSERT_TRUE(std::holds_alternative<BookmarkTree>(parsed));
  EXPECT_FALSE(std::get<BookmarkTree>(parsed).folders.empty());
  for (const std::string& bytes : {std::string(), std::string(3, '\0'), std::string("\x89PNG\r\n\x1a\n\0\0", 10)})
    EXPECT_TRUE(std::holds_alternative<UnreadableFile>(parseBookmarkFile(bytes)));
}

TEST(BookmarkExportTest, TextIsEscapedAndEveryItemHasALineOfItsOwn) {
  const std::string text = bookmarkFileText({{"<分类> & \"x\"", {{"a<b>", "https://e.org/?a=1&b=\"2\""}}}, {"空", {}}});
  EXPECT_NE(text.find("CONTENT=\"text/html; charset=UTF-8\""), std::string::npos);
  EXPECT_NE(text.find("\n    <DT><H3>&lt;分类&gt; &amp; &quot;x&quot;</H3>\n    <DL><p>\n"), std::string::npos);
  EXPECT_NE(text.find("\n        <DT><A HREF=\"https://e.org/?a=1&amp;b=&quot;2&quot;\">a&lt;b&gt;</A>\n"),
            std::string::npos);
  EXPECT_NE(text.find("<DT><H3>空</H3>\n    <DL><p>\n    </DL><p>\n</DL><p>\n"), std::string::npos);
}

std::string utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

std::string manyLinks(int count) {
  std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p>";
  for (int i = 0; i < count; ++i)
    file += "<DT><A HREF=\"http://e.org/" + std::to_string(i) + "\">" + std::to_string(i) + "</A>\n";
  return file;
}

class RecordedOutput final : public CommandOutput {
 public:
  void report(const std::string& text, bool failed) override { reports += (failed ? "!" : "") + text; }
  void progress(const std::string& text) override {
    if (runsOutOfMemory) throw std::bad_alloc();
    progressLines += text;
  }
  std::string reports;
  std::string progressLines;
  bool runsOutOfMemory = false;
};

TEST(BookmarksCommandTest, CommandLinesGiveTheirExitStatusAndAChineseAnswer) {
  test::TempDir dir;
  const std::string data = utf8(dir.path());
  const std::string missing = utf8(dir / "无.html");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string answerStart;
  };
  const std::vector<Case> cases = {
      {{"--help"}, 0, "用法"},
      {{}, 2, "!命令行有误"},
      {{"convert", "a", "b"}, 2, "!命令行有误"},
      {{"-x", "a"}, 2, "!命令行有误"},
      {{"-d"}, 2, "!命令行有误"},
      {{"-d", missing, "import", "a.html"}, 1, "!数据目录"},
      {{"--data-dir", data, "import", missing}, 1, "!无法读取文件"},
      {{"--data-dir=" + data, missing}, 1, "!无法读取文件"},
      {{"-d", data, "export", utf8(dir / "出.html")}, 0, "已把 0 个分类、0 个网站导出到"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? "" : c.arguments[0]);
    RecordedOutput output;
    EXPECT_EQ(runBookmarksCommand(c.arguments, dir.path(), nativeFileSystem(), output), c.status);
    EXPECT_TRUE(output.reports.starts_with(c.answerStart)) << output.reports;
  }
}

// A bookmark file is only read; what an import can't take is refused with a
// Chinese answer and status 1, changing nothing.
TEST(BookmarksCommandTest, AnImportItCantMakeChangesNothing) {
  struct Case {
    const char* what;
    std::function<void(test::FaultyFileSystem&, const std::filesystem::path& file)> arrange;
    int status;
    std::string answerStart;
    int reads = 1;  // of the bookmark file
  };
  std::unique_ptr<Lock> held;
  const std::vector<Case> cases = {
      {"a file that can't be written",
       [](test::FaultyFileSystem& fs, const std::filesystem::path&) {
         fs.failWhen([](const std::string& step) { return step.starts_with("open ") && step.ends_with(".html"); });
       },
       0, "已从"},
      {"a file over the limit",
       [](test::FaultyFileSystem&, const std::filesystem::path& file) {
         test::writeSparse(file, "<!DOCTYPE NETSCAPE-Bookmark-file-1>", kLargestBookmarkFile + 1);
       },
       1, "!书签文件", 0},
      {"a folder another change holds",
       [&held](test::FaultyFileSystem& fs, const std::filesystem::path& file) {
         FsStatus status = FsStatus::failed;
         held = nativeFileSystem().lock(changeLockFile(file.parent_path()), {}, status);
         fs.limitLockPatience({});
       },
       1, "!另一个程序"},
      {"memory running out", [](test::FaultyFileSystem&, const std::filesystem::path&) {}, 1, "!内存不足，无法完成，未做任何更改"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::filesystem::path file = dir / "marks.html";
    test::writeBytes(file, manyLinks(2500));
    test::FaultyFileSystem fs;
    c.arrange(fs, file);
    RecordedOutput output;
    output.runsOutOfMemory = c.answerStart.starts_with("!内存");
    EXPECT_EQ(runBookmarksCommand({"import", utf8(file)}, dir.path(), fs, output), c.status);
    EXPECT_TRUE(output.reports.starts_with(c.answerStart)) << output.reports;
    EXPECT_EQ(std::ranges::count(fs.log(), std::string("read marks.html")), c.reads);
    EXPECT_EQ(std::filesystem::exists(categoryFile(dir.path())), c.status == 0);
    held.reset();
  }
}

TEST(BookmarksCommandTest, ALargeFileShowsItsProgress) {
  test::TempDir dir;
  test::writeBytes(dir / "big.html", manyLinks(2500));
  RecordedOutput output;
  EXPECT_EQ(runBookmarksCommand({"-d", utf8(dir.path()), "import", utf8(dir / "big.html")}, dir.path(),
                                nativeFileSystem(), output),
            0);
  EXPECT_NE(output.progressLines.find("正在导入：1000 / 2500"), std::string::npos) << output.progressLines;
  EXPECT_NE(output.reports.find("新增网站 2500 个"), std::string::npos) << output.reports;
}

}  // namespace
}  // namespace tarvola

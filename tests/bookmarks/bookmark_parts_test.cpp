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
#include "store/deleted_entries.h"
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

// A line an item: the folder it is in, "name/" or "title address", the attributes asked for.
std::string outlineOf(const BookmarkTree& tree) {
  std::string outline;
  const auto line = [&outline](int folder, const std::string& text, const BookmarkAttributes& attributes) {
    outline += std::to_string(folder) + " " + text;
    for (const auto& [name, value] : attributes) outline.append(" ").append(name).append("=").append(value);
    outline += "\n";
  };
  for (const BookmarkTree::Folder& folder : tree.folders) line(folder.parent, folder.name + "/", folder.attributes);
  for (const Bookmark& link : tree.links) line(link.folder, link.title + " " + link.address, link.attributes);
  return outline;
}

TEST(BookmarkFileTest, AFileIsReadWholeOrRefused) {
  const std::string head = "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p>";
  const std::string lost = "<DT><A HREF=\"http://b.example/\">b</A></DL>";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {head + "<DT><A HREF=\"http://a.example/\">" + std::string("a\0" "1</A>", 6) + std::string(60, '\0') + lost,
       "-1 a1 http://a.example/\n-1 b http://b.example/\n"},
      {head + "<DT><H3>\xD6\xD0\xCE\xC4</H3><DL><p><DT><A HREF=\"http://a.example/\">\xD0\xC2\xC0\xCB</A></DL>",
       "-1 中文/\n0 新浪 http://a.example/\n"},
      {head + "<DT><H3 add_date=\"1\" LAST_MODIFIED=\"2\">f</H3><DL><p><DT><A HREF=\"http://a.example/\" "
              "Tarvola_Record=\"AB\">a</A></DL>",
       "-1 f/ ADD_DATE=1\n0 a http://a.example/ TARVOLA_RECORD=AB\n"},
      {head + "<DT><A HREF=\"http://a.example/\">" + std::string(11 << 20, 'a') + "</A>" + lost, "refused"},
      {"", "refused"},
      {std::string(3, '\0'), "refused"},
      {std::string("\x89PNG\r\n\x1a\n\0\0", 10), "refused"},
  };
  constexpr std::string_view kAsked[] = {"ADD_DATE", "TARVOLA_RECORD"};
  for (const auto& [bytes, outline] : cases) {
    const auto parsed = parseBookmarkFile(bytes, kAsked);
    const auto* tree = std::get_if<BookmarkTree>(&parsed);
    EXPECT_EQ(tree ? outlineOf(*tree) : "refused", outline) << bytes.substr(0, 200);
  }
}

// Each level deeper in the parser's tree, each path longer: read in time and
// memory that the file's size bounds, the category named as by its whole path.
TEST(BookmarkFileTest, DeepNestingIsReadWhole) {
  constexpr int kDepth = 100000;
  std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p>";
  std::string path;
  for (int i = 0; i < kDepth; ++i) {
    file += "<DT><H3> 深\t" + std::to_string(i % 10) + " </H3>\n<DL><p>\n";
    path += (i == 0 ? " 深\t" : "/ 深\t") + std::to_string(i % 10) + " ";
  }
  file += "<DT><A HREF=\"http://e.org/\">a</A>";
  const auto parsed = parseBookmarkFile(file);
  ASSERT_EQ(std::get<BookmarkTree>(parsed).folders.size(), std::size_t{kDepth});
  const ImportPlan plan = planImport({}, std::get<BookmarkTree>(parsed));
  ASSERT_EQ(plan.appendedSites.size(), 1u);
  const auto position = static_cast<std::size_t>(plan.appendedSites.begin()->first);
  EXPECT_EQ(plan.newCategories.at(position).shownName(),
            CategoryRecord::withName(collapseWhiteSpace(path)).shownName());
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
      {{"-d", "", "deleted"}, 2, "!命令行有误"},
      {{""}, 2, "!命令行有误"},
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
  // Only the folder, or nothing at all, opens the window; a file alone is still imported.
  using Window = std::optional<std::filesystem::path>;
  const std::vector<std::pair<std::vector<std::string>, Window>> windows = {
      {{}, dir.path()},       {{"-d", data}, dir.path()}, {{"--data-dir=" + data}, dir.path()},
      {{missing}, {}},        {{"--help"}, {}},           {{"-d"}, {}},
      {{"-d", data, "deleted"}, {}}};
  for (const auto& [arguments, folder] : windows)
    EXPECT_EQ(windowFolder(arguments, dir.path()), folder) << (arguments.empty() ? "" : arguments.back());
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

// Every deletion listed whole, by the names it took, whatever bytes they hold.
TEST(BookmarksCommandTest, DeletedListsEachDeletionByItsNames) {
  test::TempDir dir;
  const std::vector<Deletion> deletions = {
      {Deletion::Kind::category, 1, std::string(40, '\0'), test::siteRecord(std::string(50, '\0'), "http://n/")},
      {Deletion::Kind::website, 0, test::categoryRecord("\xD0\xC2\xCE\xC5"), test::siteRecord("", "http://s/")}};
  test::writeBytes(dir / pathFromUtf8(kDeletedEntriesFileName), deletedEntriesText(deletions));
  RecordedOutput output;
  EXPECT_EQ(runBookmarksCommand({"-d", utf8(dir.path()), "deleted"}, dir.path(), nativeFileSystem(), output), 0);
  for (const std::string part : {"分类“”，1 个网站\n", "分类“新闻”里的网站“http://s/”\n", "restore\n"})
    EXPECT_NE(output.reports.find(part), std::string::npos) << part;
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

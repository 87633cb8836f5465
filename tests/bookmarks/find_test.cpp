// Finding websites as the user types: the matcher over a small collection,
// and `tarvola-bookmarks find` over a data folder.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bookmarks/bookmarks_command.h"
#include "bookmarks/find/collection_search.h"
#include "bookmarks/find/pinyin_readings.h"
#include "bookmarks/find/website_index.h"
#include "store/data_files.h"
#include "store/file_system.h"
#include "store/text_codec.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

// The generated table holds every reading, not only the most common one.
TEST(PinyinTableTest, HoldsEveryReadingOfACharacter) {
  std::vector<std::string> readings;
  for (const Syllable syllable : pinyinReadings(U'行')) readings.emplace_back(syllableText(syllable));
  EXPECT_NE(std::find(readings.begin(), readings.end(), "hang"), readings.end());
  EXPECT_NE(std::find(readings.begin(), readings.end(), "xing"), readings.end());
  EXPECT_TRUE(pinyinReadings(U'a').empty());
}

TEST(WebsiteIndexTest, FindsByTextAndPinyinBestFirst) {
  const std::vector<BookmarkFolder> collection = {
      {"新闻", {{"新浪", "http://www.sina.com.cn/"}, {"Bank 银行", "http://www.icbc.com.cn/"},
                {"快乐音乐", "http://music.163.com/"}}},
      {"长城", {{"重庆 ABC12", "http://cq.gov.cn/"}, {"音乐厅", "http://hall.net/"}}},
      {"Tools", {{"ＧｉｔＨｕｂ 代码", "https://gh.io/"}}},
  };
  struct Case {
    const char* query;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"XinLang", {"新浪"}},
      {"xl", {"新浪"}},
      {"xinl", {"新浪"}},
      {"xlang", {"新浪"}},
      {"SINA", {"新浪"}},
      {"hang", {"Bank 银行"}},
      {"xing", {"Bank 银行"}},
      {"行", {"Bank 银行"}},
      {"chang", {"重庆 ABC12", "音乐厅"}},
      {"zhang", {"重庆 ABC12", "音乐厅"}},
      {"cq", {"重庆 ABC12"}},
      {"chongq", {"重庆 ABC12"}},
      {"kuaile", {"快乐音乐"}},
      {"kuaiyue", {"快乐音乐"}},
      {"yue", {"快乐音乐", "音乐厅"}},
      {"ａｂｃ１２", {"重庆 ABC12"}},
      {"github", {"ＧｉｔＨｕｂ 代码"}},
      {"dai", {"ＧｉｔＨｕｂ 代码"}},
      {"xw 163", {"快乐音乐"}},
      {"cq gov", {"重庆 ABC12"}},
      {"yy", {"音乐厅", "快乐音乐"}},
      {"ank", {"Bank 银行"}},
      {"xlx", {}},
      {"xinlang gov", {}},
  };
  const WebsiteIndex index(collection);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    std::vector<std::string> names;
    for (const std::size_t position : index.find(c.query)) names.push_back(index.websites()[position].name);
    EXPECT_EQ(names, c.names);
    // The command searches each category as it is read, without the index: the same websites, in the same order.
    CollectionSearch search(c.query);
    for (BookmarkFolder category : collection) search.take(std::move(category));
    std::vector<std::string> searched;
    for (const FoundWebsite& found : std::move(search).found()) searched.push_back(found.name);
    EXPECT_EQ(searched, c.names);
  }
}

TEST(FindCommandTest, PrintsTheFoundWebsitesOrSaysThereAreNone) {
  test::TempDir dir;
  test::writeBytes(dir / "wwww.dat", test::categoryRecord(encodeAnsi("新闻")));
  test::writeBytes(dir / "0.dat", test::siteRecord(encodeAnsi("新浪"), "http://www.sina.com.cn/") +
                                      test::siteRecord("Bank", "http://bank.net/"));
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string answer;
  };
  const std::vector<Case> cases = {
      {{"find", "XL"}, 0, "新闻\t新浪\thttp://www.sina.com.cn/\n"},
      {{"find", "xw", "bank"}, 0, "新闻\tBank\thttp://bank.net/\n"},
      {{"find", "yahoo"}, 1, "!没有找到含有“yahoo”的网站。\n"},
  };
  for (const Case& c : cases) {
    std::string reports;
    struct : CommandOutput {
      std::string* reports;
      void report(const std::string& text, bool failed) override { *reports += (failed ? "!" : "") + text; }
      void progress(const std::string&) override {}
    } output;
    output.reports = &reports;
    EXPECT_EQ(runBookmarksCommand(c.arguments, dir.path(), nativeFileSystem(), output), c.status);
    EXPECT_EQ(reports, c.answer);
  }
}

}  // namespace
}  // namespace tarvola

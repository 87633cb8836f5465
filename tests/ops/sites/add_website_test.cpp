#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ops/browse/form_load.h"
#include "ops/sites/add_website.h"
#include "ops/sites/website_fixture.h"
#include "support/file_bytes.h"

namespace tarvola {
namespace {

using test::FaultyFileSystem;
using test::Names;
using test::siteFileOf;
using test::siteRecord;
using test::writeBytes;

class AddWebsiteTest : public test::WebsiteFixture {
 protected:
  void add(const std::string& name, const std::string& url) {
    host.answerInput(name);
    host.answerInput(url);
    tjwz_Click(host, folder);
  }
};

TEST_F(AddWebsiteTest, TheFirstWebsiteCreatesASiteFileOfOneRecord) {
  host.select(ListBox::List1, 2);
  ASSERT_FALSE(std::filesystem::exists(dir / "2.dat"));
  add("  新浪 ", "http://www.sina.com.cn");
  ASSERT_EQ(host.prompts().size(), 2u);
  EXPECT_EQ(host.prompts()[0].prompt, "请输入网站名称");
  EXPECT_EQ(host.prompts()[0].title, "输入");
  EXPECT_EQ(host.prompts()[0].defaultText, "");
  EXPECT_EQ(host.prompts()[1].prompt, "请输入  新浪 的网址");
  EXPECT_EQ(host.prompts()[1].title, "输入");
  EXPECT_EQ(host.prompts()[1].defaultText, "http://");
  EXPECT_EQ(siteFileBytes(2), siteRecord("  \xD0\xC2\xC0\xCB", "http://www.sina.com.cn"));
  EXPECT_EQ(host.items(ListBox::List2), Names{"  新浪"});
  EXPECT_EQ(host.selectedIndex(ListBox::List1), 2);
}

TEST_F(AddWebsiteTest, AFourthWebsiteGoesAfterTheThreeAndTheListShowsAllWithNoneSelected) {
  const std::string three = siteFileOf({"a", "b", "c"});
  writeBytes(dir / "1.dat", three);
  selectCategory(1);
  selectWebsite(1);
  add("d", "http://d.cn");
  EXPECT_EQ(siteFileBytes(1), three + siteRecord("d", "http://d.cn"));
  EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "b", "c", "d"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List2), -1);
  EXPECT_EQ(host.selectedIndex(ListBox::List1), 1);
  // Caption and tool tip still show the website clicked before.
  EXPECT_EQ(host.caption(), "http://b.example/");
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://b.example/");
}

TEST_F(AddWebsiteTest, CancelAtEitherBoxChangesNoByteAndKeepsTheList) {
  const std::string two = siteFileOf({"a", "b"});
  for (int answered = 0; answered < 2; ++answered) {
    SCOPED_TRACE(answered);
    writeBytes(dir / "0.dat", two);
    selectCategory(0);
    selectWebsite(1);
    const int rebuilds = host.rebuilds(ListBox::List2);
    if (answered == 1) host.answerInput("c");
    host.answerInput("");
    tjwz_Click(host, folder);
    EXPECT_EQ(siteFileBytes(0), two);
    EXPECT_EQ(host.rebuilds(ListBox::List2), rebuilds);
    EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "b"}));
    EXPECT_EQ(host.selectedIndex(ListBox::List2), 1);
  }
  // No address is asked for a cancelled name.
  EXPECT_EQ(host.prompts().size(), 3u);
}

TEST_F(AddWebsiteTest, DoesNothingWithoutASelectedCategory) {
  add("x", "http://x.cn");
  EXPECT_TRUE(host.prompts().empty());
  EXPECT_EQ(host.rebuilds(ListBox::List2), 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "-1.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "0.dat"));
}

TEST_F(AddWebsiteTest, StoresTheAnswersAsTypedCutToTheirFieldWidths) {
  selectCategory(0);
  const std::string name60(60, 'n');
  const std::string url230 = "http://" + std::string(223, 'u');
  add(name60, url230);
  EXPECT_EQ(host.prompts()[1].prompt, "请输入" + name60 + "的网址");
  add("   ", " ");
  add(" lead", "http://");
  // 26 Chinese characters: 25 fill the 50 bytes of the name field.
  std::string name26;
  for (int i = 0; i < 26; ++i) name26 += "新";
  add(name26, "http://x.cn");
  std::string stored25;
  for (int i = 0; i < 25; ++i) stored25 += "\xD0\xC2";
  EXPECT_EQ(siteFileBytes(0), siteRecord(name60.substr(0, 50), url230.substr(0, 200)) + siteRecord("", "") +
                                  siteRecord(" lead", "http://") + siteRecord(stored25, "http://x.cn"));
  EXPECT_EQ(host.items(ListBox::List2), (Names{name60.substr(0, 50), "", " lead", name26.substr(0, 75)}));
}

TEST_F(AddWebsiteTest, ADamagedFileGetsTheNewRecordRightAfterItsLastWholeRecord) {
  // 2.4 and 2.8 records: rounding the count would overwrite record 2 or leave a gap.
  for (std::size_t tail : {100u, 200u}) {
    SCOPED_TRACE(tail);
    const std::string two = siteFileOf({"a", "b"});
    writeBytes(dir / "0.dat", two + std::string(tail, 'x'));
    selectCategory(0);
    add("c", "http://c.cn");
    EXPECT_EQ(siteFileBytes(0), two + siteRecord("c", "http://c.cn"));
    EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "b", "c"}));
  }
}

TEST_F(AddWebsiteTest, AFailureOrACrashAtAnyStepLeavesTheOldRecordsWhole) {
  const std::string two = siteFileOf({"a", "b"});
  const std::string added = siteRecord("c", "http://c.cn");
  const auto scenario = [&](FileSystem& fs) {
    writeBytes(dir / "0.dat", two);
    test::FakeHost fresh;
    DataFolder through(dir.path(), fs);
    Form_Load(fresh, folder);
    fresh.select(ListBox::List1, 0);
    fresh.answerInput("c");
    fresh.answerInput("http://c.cn");
    tjwz_Click(fresh, through);
  };
  const auto check = [&] {
    const std::string after = siteFileBytes(0);
    EXPECT_TRUE(after == two || after == two + added) << after.size();
  };
  test::atEveryStep(FaultyFileSystem::Fault::fail, scenario, check);
  test::atEveryStep(FaultyFileSystem::Fault::crash, scenario, check);
}

}  // namespace
}  // namespace tarvola

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ops/browse/form_load.h"
#include "ops/sites/modify_website.h"
#include "ops/sites/website_fixture.h"
#include "support/file_bytes.h"

namespace tarvola {
namespace {

using test::FaultyFileSystem;
using test::Names;
using test::siteFileOf;
using test::siteRecord;
using test::writeBytes;

class ModifyWebsiteTest : public test::WebsiteFixture {
 protected:
  void SetUp() override {
    WebsiteFixture::SetUp();
    writeBytes(dir / "0.dat", others);
    writeBytes(dir / "1.dat", five);
    writeBytes(dir / "2.dat", others);
    selectCategory(1);
    selectWebsite(2);
  }
  void modify(const std::string& name, const std::string& url) {
    host.answerInput(name);
    host.answerInput(url);
    xgwz_Click(host, folder);
  }

  const std::string five = siteFileOf({"a", "b", "c", "d", "e"});
  const std::string others = siteFileOf({"x", "y"});
};

TEST_F(ModifyWebsiteTest, RewritesOnlyTheBytesOfTheSelectedRecordAndRebuildsTheList) {
  modify("新浪", "http://sina.cn");
  const std::string after = siteFileBytes(1);
  ASSERT_EQ(after.size(), 1250u);
  EXPECT_EQ(after.substr(0, 500), five.substr(0, 500));
  EXPECT_EQ(after.substr(500, 250), siteRecord("\xD0\xC2\xC0\xCB", "http://sina.cn"));
  EXPECT_EQ(after.substr(750), five.substr(750));
  EXPECT_EQ(siteFileBytes(0), others);
  EXPECT_EQ(siteFileBytes(2), others);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "b", "新浪", "d", "e"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List2), -1);
  EXPECT_EQ(host.selectedIndex(ListBox::List1), 1);
  // Caption and tool tip keep the old address until the next click.
  EXPECT_EQ(host.caption(), "http://c.example/");
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://c.example/");
}

TEST_F(ModifyWebsiteTest, ProposesTheCurrentNameAndAddressAndNamesTheNewNameInTheSecondPrompt) {
  // An entry may keep the blanks of its field; the proposal never does.
  host.items(ListBox::List2)[2] = "c   ";
  modify(" new ", "http://n.cn");
  ASSERT_EQ(host.prompts().size(), 2u);
  EXPECT_EQ(host.prompts()[0].prompt, "请输入新的网站名称");
  EXPECT_EQ(host.prompts()[0].title, "输入");
  EXPECT_EQ(host.prompts()[0].defaultText, "c");
  EXPECT_EQ(host.prompts()[1].prompt, "请输入 new 的网址");
  EXPECT_EQ(host.prompts()[1].title, "输入");
  EXPECT_EQ(host.prompts()[1].defaultText, "http://c.example/");
}

TEST_F(ModifyWebsiteTest, CancelAtEitherBoxChangesNoByteAndKeepsTheList) {
  for (int answered = 0; answered < 2; ++answered) {
    SCOPED_TRACE(answered);
    const int rebuilds = host.rebuilds(ListBox::List2);
    if (answered == 1) host.answerInput("new");
    host.answerInput("");
    xgwz_Click(host, folder);
    EXPECT_EQ(siteFileBytes(1), five);
    EXPECT_EQ(host.rebuilds(ListBox::List2), rebuilds);
    EXPECT_EQ(host.selectedIndex(ListBox::List2), 2);
  }
  EXPECT_EQ(host.prompts().size(), 3u);
}

TEST_F(ModifyWebsiteTest, StoresTheAnswersAsTypedCutToTheirFieldWidths) {
  const std::string name60 = " " + std::string(59, 'n');
  const std::string url230(230, 'u');
  modify(name60, url230);
  EXPECT_EQ(host.prompts()[1].prompt, "请输入" + name60 + "的网址");
  EXPECT_EQ(siteFileBytes(1).substr(500, 250), siteRecord(name60.substr(0, 50), url230.substr(0, 200)));
  selectWebsite(0);
  modify("  ", "c");
  EXPECT_EQ(siteFileBytes(1).substr(0, 250), siteRecord("", "c"));
  EXPECT_EQ(host.items(ListBox::List2), (Names{"", "b", name60.substr(0, 50), "d", "e"}));
}

TEST_F(ModifyWebsiteTest, DoesNothingWithoutASelectedCategoryOrWebsite) {
  const int rebuilds = host.rebuilds(ListBox::List2);
  host.select(ListBox::List1, -1);
  modify("new", "http://new.cn");
  selectCategory(1);
  modify("new", "http://new.cn");
  EXPECT_TRUE(host.prompts().empty());
  EXPECT_EQ(host.rebuilds(ListBox::List2), rebuilds + 1);
  EXPECT_EQ(siteFileBytes(1), five);
  EXPECT_FALSE(std::filesystem::exists(dir / "-1.dat"));
}

TEST_F(ModifyWebsiteTest, NeverWritesARecordThatIsNoLongerInTheFile) {
  writeBytes(dir / "1.dat", five.substr(0, 500) + std::string(100, 'x'));
  modify("new", "http://new.cn");
  EXPECT_EQ(siteFileBytes(1), five.substr(0, 500) + std::string(100, 'x'));
  EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "b"}));
  std::filesystem::remove(dir / "1.dat");
  host.select(ListBox::List2, 0);
  modify("new", "http://new.cn");
  EXPECT_EQ(siteFileBytes(1), "");
}

TEST_F(ModifyWebsiteTest, AFailureOrACrashAtAnyStepLeavesTheOldOrTheNewRecordWhole) {
  const std::string changed = five.substr(0, 500) + siteRecord("new", "http://new.cn") + five.substr(750);
  const auto scenario = [&](FileSystem& fs) {
    writeBytes(dir / "1.dat", five);
    test::FakeHost fresh;
    DataFolder through(dir.path(), fs);
    Form_Load(fresh, folder);
    test::selectCategory(fresh, folder, 1);
    test::selectWebsite(fresh, folder, 2);
    fresh.answerInput("new");
    fresh.answerInput("http://new.cn");
    xgwz_Click(fresh, through);
  };
  const auto check = [&] {
    const std::string after = siteFileBytes(1);
    EXPECT_TRUE(after == five || after == changed);
  };
  test::atEveryStep(FaultyFileSystem::Fault::fail, scenario, check);
  test::atEveryStep(FaultyFileSystem::Fault::crash, scenario, check);
}

}  // namespace
}  // namespace tarvola

#include "ops/categories/category_fixture.h"

#include "ops/browse/form_load.h"
#include "ops/categories/add_category.h"
#include "ops/categories/delete_category.h"
#include "ops/categories/rename_category.h"

namespace tarvola::test {

void CategoryFixture::start(const Files& files) {
  writeFiles(dir.path(), files);
  Form_Load(host, folder);
}

void CategoryFixture::add(const std::string& answer) {
  host.answerInput(answer);
  wzlb_Click(host, folder);
}

void CategoryFixture::rename(int position, const std::string& answer) {
  host.select(ListBox::List1, position);
  host.answerInput(answer);
  xgwzlb_Click(host, folder);
}

void CategoryFixture::deleteAt(int position, bool ok) {
  host.select(ListBox::List1, position);
  host.answerConfirm(ok);
  scwzlb_Click(host, folder);
}

void CategoryFixture::expectNamePrompt(const std::string& defaultText) const {
  ASSERT_EQ(host.prompts().size(), 1u);
  EXPECT_EQ(host.prompts()[0].prompt, "请输入网站类别名称");
  EXPECT_EQ(host.prompts()[0].title, "输入");
  EXPECT_EQ(host.prompts()[0].defaultText, defaultText);
}

void CategoryFixture::expectDeleteConfirmation() const {
  ASSERT_EQ(host.confirmations().size(), 1u);
  EXPECT_EQ(host.confirmations()[0].text, "您是否真的删除所选网站类别及其所属网站？");
  EXPECT_EQ(host.confirmations()[0].title, "提示");
}

}  // namespace tarvola::test

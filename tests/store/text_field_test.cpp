#include <gtest/gtest.h>

#include <string>

#include "store/records.h"
#include "store/text_codec.h"
#include "store/text_field.h"
#include "support/code_page.h"
#include "support/file_bytes.h"

namespace tarvola {
namespace {

using test::field;

std::string repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

TEST(CategoryRecord, StoresAsciiAndChineseNamesAsBlankFilledAnsiBytes) {
  EXPECT_EQ(CategoryRecord::withName("News").bytes(), "News" + std::string(36, ' '));
  EXPECT_EQ(CategoryRecord::withName("新闻").bytes(), "\xD0\xC2\xCE\xC5" + std::string(36, ' '));
}

TEST(CategoryRecord, CutsNamesAtTheFieldWidth) {
  const std::string ascii45 = repeat("abcde", 9);
  EXPECT_EQ(CategoryRecord::withName(ascii45).bytes(), ascii45.substr(0, 40));
  // 25 Chinese characters: 20 fit in 40 bytes, all 25 in a website's 50-byte name.
  const std::string chinese25 = repeat("网", 25);
  EXPECT_EQ(CategoryRecord::withName(chinese25).shownName(), repeat("网", 20));
  EXPECT_EQ(SiteRecord::with(chinese25, "").shownName(), chinese25);
}

TEST(CategoryRecord, NeverSplitsADoubleByteCharacterAtTheLimit) {
  // 39 ASCII bytes leave one byte: the Chinese character doesn't fit and a blank takes its place.
  const std::string name = std::string(39, 'a') + "新";
  const CategoryRecord record = CategoryRecord::withName(name);
  EXPECT_EQ(record.bytes(), std::string(39, 'a') + " ");
  EXPECT_EQ(record.shownName(), std::string(39, 'a'));
}

TEST(CategoryRecord, KeepsLeadingBlanksAndDropsTrailingOnes) {
  EXPECT_EQ(CategoryRecord::withName("  体育  ").shownName(), "  体育");
  EXPECT_EQ(CategoryRecord::withName("   ").bytes(), std::string(40, ' '));
  EXPECT_EQ(CategoryRecord::withName("   ").shownName(), "");
}

TEST(CategoryRecord, StoresCharactersOutsideGbkInTheirFourByteForm) {
  if (!test::systemHasGb18030()) GTEST_SKIP() << test::kWithoutGb18030;
  const CategoryRecord record = CategoryRecord::withName("⭐收藏");
  EXPECT_EQ(record.bytes().substr(0, 4), encodeAnsi("⭐"));
  EXPECT_EQ(encodeAnsi("⭐").size(), 4u);
  EXPECT_EQ(record.shownName(), "⭐收藏");
}

TEST(SiteRecord, KeepsNameAndAddressInTheirOwnFields) {
  const SiteRecord record = SiteRecord::with("百度", "http://www.baidu.com");
  EXPECT_EQ(record.bytes(), field("\xB0\xD9\xB6\xC8", 50) + field("http://www.baidu.com", 200));
  EXPECT_EQ(record.shownName(), "百度");
  EXPECT_EQ(record.shownUrl(), "http://www.baidu.com");
}

TEST(SiteRecord, KeepsAUrlOfTwoHundredCharactersWholeAndLosesTheNext) {
  const std::string url200 = "http://" + std::string(193, 'x');
  EXPECT_EQ(SiteRecord::with("a", url200).shownUrl(), url200);
  EXPECT_EQ(SiteRecord::with("a", url200 + "y").shownUrl(), url200);
  EXPECT_EQ(SiteRecord::with(repeat("n", 60), "").shownName(), repeat("n", 50));
}

TEST(FieldText, ReadsDamagedBytesWithoutLosingTheRest) {
  // A lone lead byte at the end of a field, and bytes no code page defines.
  EXPECT_EQ(shownText(std::string("ab\x81")), "ab\xEF\xBF\xBD");
  EXPECT_EQ(shownText(std::string("\xFF\xFFok  ")), "\xEF\xBF\xBD\xEF\xBF\xBDok");
  EXPECT_EQ(fieldText(std::string("x  ")), "x  ");
}

TEST(FieldText, ReadsEveryPossibleByteWithoutCrashing) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  for (std::size_t start = 0; start + 40 <= all.size(); start += 7) {
    const std::string text = shownText(std::string_view(all).substr(start, 40));
    EXPECT_FALSE(text.empty());
  }
}

TEST(TrimTrailingBlanks, RemovesBlanksOnTheRightOnly) {
  EXPECT_EQ(trimTrailingBlanks("  a b  "), "  a b");
  EXPECT_EQ(trimTrailingBlanks("a\t "), "a\t");
  EXPECT_EQ(trimTrailingBlanks("   "), "");
}

}  // namespace
}  // namespace tarvola

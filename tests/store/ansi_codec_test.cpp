#include <gtest/gtest.h>

#include <string>

#include "store/text_codec.h"
#include "support/code_page.h"

namespace tarvola {
namespace {

TEST(AnsiCodec, GivesGbkTextItsGbkBytesAndReadsThemBack) {
  EXPECT_EQ(encodeAnsi("新闻"), "\xD0\xC2\xCE\xC5");
  EXPECT_EQ(decodeAnsi("\xD0\xC2\xCE\xC5"), "新闻");
  EXPECT_EQ(decodeAnsi("News \xCA\xD5\xB2\xD8"), "News 收藏");
}

TEST(AnsiCodec, ALoneLeadByteBeforeAsciiTakesNoAsciiWithIt) {
  EXPECT_EQ(decodeAnsi("\x81"
                       "0ok"),
            "\xEF\xBF\xBD"
            "0ok");
  EXPECT_EQ(decodeAnsi("\xD0\xC2\x81 \xCE\xC5"), "新\xEF\xBF\xBD 闻");
}

TEST(AnsiCodec, KeepsCharactersOutsideGbkInTheirGb18030Bytes) {
  if (!test::systemHasGb18030()) GTEST_SKIP() << test::kWithoutGb18030;
  EXPECT_EQ(encodeAnsi("⭐"), "\x81\x38\xAC\x32");
  EXPECT_EQ(decodeAnsi("\x81\x38\xAC\x32"), "⭐");
  // Beyond the 16-bit range: a surrogate pair on Windows.
  EXPECT_EQ(encodeAnsi("😀新"), "\x94\x39\xFC\x36\xD0\xC2");
  EXPECT_EQ(decodeAnsi("\x94\x39\xFC\x36\xD0\xC2"), "😀新");
}

TEST(AnsiCodec, ReadsAFourByteCharacterAmidDamage) {
  if (!test::systemHasGb18030()) GTEST_SKIP() << test::kWithoutGb18030;
  EXPECT_EQ(decodeAnsi("\xFF\x81\x38\xAC\x32"), "\xEF\xBF\xBD⭐");
}

}  // namespace
}  // namespace tarvola

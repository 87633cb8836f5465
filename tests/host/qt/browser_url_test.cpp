#include <gtest/gtest.h>

#include <QString>

#include "host/qt/browser_url.h"

namespace tarvola {
namespace {

// What the opener gets for a stored address: the address itself, "http://" in
// front only without a scheme, and nothing made up for text no URL can hold.
TEST(BrowserUrlTest, KeepsTheAddressAndAddsOnlyAMissingScheme) {
  struct Case {
    const char* stored;
    const char* handedOver;  // fully encoded; nullptr: no URL can hold it
  };
  const Case cases[] = {
      {"http://b1.cn", "http://b1.cn"},
      {"www.b2.cn", "http://www.b2.cn"},
      {"www.b2.cn:8080/a", "http://www.b2.cn:8080/a"},
      {"https://www.example.com/新闻?q=1", "https://www.example.com/%E6%96%B0%E9%97%BB?q=1"},
      {"ftp://a.cn/x y", "ftp://a.cn/x%20y"},
      {"mailto:a@b.cn", "mailto:a@b.cn"},
      {"http://a b c/", nullptr},
      {"set\nx", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const QUrl url = browserUrl(QString::fromUtf8(c.stored));
    if (c.handedOver) {
      EXPECT_EQ(url.toEncoded().toStdString(), c.handedOver);
    } else {
      EXPECT_FALSE(url.isValid()) << url.toEncoded().toStdString();
    }
  }
}

}  // namespace
}  // namespace tarvola

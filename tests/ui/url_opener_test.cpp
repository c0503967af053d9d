// The URL opener: which URL an address stands for, and the replaceable opener.
#include "ui/url_opener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

// A folder with a Shift-JIS name and a blank, holding manual.html, as the current directory.
class UrlOfAddressTest : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string folder = dir / "マニュアル a";
  const bool made = (WriteFile(folder + "/manual.html", "<html></html>"), true);
  // The folder's bytes as they stand in a URL.
  const std::string folder_url = "file://" + dir.path() + "/%83%7D%83j%83%85%83A%83%8B%20a";
  testsupport::ScopedCurrentDir cd{folder};
};

TEST_F(UrlOfAddressTest, AnExistingPathIsAFileUrlOfItsBytes) {
  struct Case {
    std::string address;
    std::string url;
  };
  for (const Case& c : std::vector<Case>{
           {folder + "/manual.html", folder_url + "/manual.html"},
           {"manual.html", folder_url + "/manual.html"},  // from the current directory
           {folder, folder_url},                          // a folder opens too
           {"file://" + dir.path() + "/", "file://" + dir.path() + "/"},
       }) {
    EXPECT_EQ(ui::UrlOfAddress(c.address), c.url) << c.address;
  }
}

TEST_F(UrlOfAddressTest, AMissingFileOrAnEmptyTextIsNothingToOpen) {
  for (const std::string& address : {folder + "/missing.html", std::string("/no/such/folder"),
                                     "file://" + dir.path() + "/missing.html", std::string()}) {
    EXPECT_EQ(ui::UrlOfAddress(address), "") << address;
    EXPECT_FALSE(ui::OpenUrl(address)) << address;  // the desktop is not asked
  }
}

TEST(UrlOfAddress, AnyOtherTextIsAWebAddress) {
  EXPECT_EQ(ui::UrlOfAddress("www.example.com"), "http://www.example.com");
  EXPECT_EQ(ui::UrlOfAddress("https://example.com/a b?q=1"), "https://example.com/a%20b?q=1");
  EXPECT_EQ(ui::UrlOfAddress("https://例え.jp/"), "https://xn--r8jz45g.jp/");
}

TEST(ScopedUrlOpener, TakesEveryAddressAsGivenAndAnswersInsteadOfTheDesktop) {
  std::vector<std::string> outer_seen, inner_seen;
  ui::ScopedUrlOpener outer([&](const std::string& a) {
    outer_seen.push_back(a);
    return true;
  });
  EXPECT_TRUE(ui::OpenUrl("/no/such/file"));  // the opener decides, not the file system
  {
    ui::ScopedUrlOpener inner([&](const std::string& a) {
      inner_seen.push_back(a);
      return false;
    });
    EXPECT_FALSE(ui::OpenUrl(" 取扱説明 "));
  }
  EXPECT_TRUE(ui::OpenUrl("www.example.com"));
  EXPECT_EQ(outer_seen, (std::vector<std::string>{"/no/such/file", "www.example.com"}));
  EXPECT_EQ(inner_seen, (std::vector<std::string>{" 取扱説明 "}));
}

}  // namespace

// The URL opener: which URL an address stands for, the desktop's opener run as a process
// whose end tells whether the address was opened, and the replaceable opener.
#include "ui/url_opener.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/desktop_opener.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "ui/application.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

using testsupport::Utf8;

// What OpenUrl answered, once the message loop has run; nullopt while it has not.
class Answer {
 public:
  explicit Answer(const std::string& address) {
    ui::OpenUrl(address, [this](bool opened) { answers_.push_back(opened); });
    called_back_inside_ = !answers_.empty();
  }
  std::optional<bool> Wait() {
    testsupport::RunMessagesUntil([this] { return !answers_.empty(); });
    ui::ProcessMessages();  // a second answer would come now
    EXPECT_FALSE(called_back_inside_) << "answered inside the call";
    EXPECT_LE(answers_.size(), 1u);
    return answers_.empty() ? std::nullopt : std::optional<bool>(answers_[0]);
  }
  bool Answered() const { return !answers_.empty(); }

 private:
  std::vector<bool> answers_;
  bool called_back_inside_ = false;
};

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
  testsupport::FakeOpener opener("exit 0");
  for (const std::string& address : {folder + "/missing.html", std::string("/no/such/folder"),
                                     "file://" + dir.path() + "/missing.html", std::string()}) {
    EXPECT_EQ(ui::UrlOfAddress(address), "") << address;
    EXPECT_EQ(Answer(address).Wait(), false) << address;
  }
  EXPECT_EQ(opener.Calls(), "");  // the desktop is not asked
}

TEST(UrlOfAddress, AnyOtherTextIsAWebAddressInTheFileSystemsEncoding) {
  EXPECT_EQ(ui::UrlOfAddress("www.example.com"), "http://www.example.com");
  EXPECT_EQ(ui::UrlOfAddress("https://example.com/a b?q=1"), "https://example.com/a%20b?q=1");
  EXPECT_EQ(ui::UrlOfAddress(Utf8(u8"https://例え.jp/")), "https://xn--r8jz45g.jp/");
}

// The opener is a process: OpenUrl returns while it runs, and its end is the answer.
TEST(OpenUrl, TheOpenersExitStatusIsTheAnswer) {
  TempDir dir;
  const std::string document = dir / Utf8(u8"フォルダ") + "/README.md";
  WriteFile(document, "# Vantrel\n");
  struct Case {
    std::string opener;  // the stand-in's body
    bool opened;
  };
  for (const Case& c : std::vector<Case>{
           {"exit 0", true},
           {"echo 'xdg-open: no method available' >&2; exit 3", false},
           {"exit 4", false},
           {"kill -9 $$", false},  // ended by a signal
       }) {
    SCOPED_TRACE(c.opener);
    testsupport::FakeOpener opener(c.opener);
    EXPECT_EQ(Answer(document).Wait(), c.opened);
    // Given the file URL of the path's bytes.
    EXPECT_EQ(opener.Calls(), ui::UrlOfAddress(document) + "\n");
    EXPECT_NE(opener.Calls().find("/%E3%83%95%E3%82%A9%E3%83%AB%E3%83%80/README.md"),
              std::string::npos);
  }
}

TEST(OpenUrl, AnOpenerThatCannotBeStartedAnswersNotOpened) {
  TempDir empty;
  testsupport::ScopedEnv path({{"PATH", empty.path()}});
  EXPECT_EQ(Answer("www.example.com").Wait(), false);
}

TEST(OpenUrl, TheWindowGoesOnWhileTheOpenerRuns) {
  testsupport::FakeOpener opener(
      "while [ ! -e \"$(dirname \"$0\")/go\" ]; do sleep 0.01; done; exit 3");
  Answer answer("www.example.com");
  // The loop runs and the opener is still waiting: no answer yet.
  EXPECT_TRUE(testsupport::RunMessagesUntil([&] { return !opener.Calls().empty(); }));
  ui::ProcessMessages();
  EXPECT_FALSE(answer.Answered());
  WriteFile(opener.Folder() + "/go", "");
  EXPECT_EQ(answer.Wait(), false);
}

TEST(ScopedUrlOpener, TakesEveryAddressAsGivenAndAnswersInsteadOfTheDesktop) {
  testsupport::FakeOpener desktop("exit 0");
  std::vector<std::string> outer_seen, inner_seen;
  ui::ScopedUrlOpener outer([&](const std::string& a) {
    outer_seen.push_back(a);
    return true;
  });
  EXPECT_EQ(Answer("/no/such/file").Wait(), true);  // the opener decides, not the file system
  {
    ui::ScopedUrlOpener inner([&](const std::string& a) {
      inner_seen.push_back(a);
      return false;
    });
    EXPECT_EQ(Answer(" 取扱説明 ").Wait(), false);
  }
  EXPECT_EQ(Answer("www.example.com").Wait(), true);
  EXPECT_EQ(outer_seen, (std::vector<std::string>{"/no/such/file", "www.example.com"}));
  EXPECT_EQ(inner_seen, (std::vector<std::string>{" 取扱説明 "}));
  EXPECT_EQ(desktop.Calls(), "");
}

}  // namespace

// The settings and help window in-process: the version, the list of odds-timing files,
// the choice of one by typing or picking (used from the next race choice on, stored in the
// settings file at the end), the links and the main window's "設定・ヘルプ" button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <filesystem>

#include "tests/support/accessible.h"
#include "tests/support/desktop_opener.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/race_day.h"
#include "ui/application.h"
#include "ui/url_opener.h"
#include "viewer/logic/SettingChoices.h"

namespace {

using testsupport::WriteFile;
using viewer::State;
using viewertest::Lines;

using testsupport::Utf8;

class SettingFormTest : public viewertest::RaceDayTest {
 protected:
  // What a change of the combo left at the moment its message was shown.
  struct Seen {
    std::string message, timing_file_name, stored_name;
    friend bool operator==(const Seen&, const Seen&) = default;
  };
  void WatchMessages() {
    messages.on_message = [this](const ui::Message& m) {
      seen.push_back({m.text, State.TimingFileName, State.Settings.TimingFile});
    };
  }
  // The program ends (the settings are written back) and starts again.
  void Restart() {
    form5.reset();
    form.reset();
    Start();
  }
  std::vector<Seen> seen;
};

TEST_F(SettingFormTest, ShowsTheVersionTheTimingFilesOfGtDataAndTheShippedDocuments) {
  for (const char* name : {"b.CSV", "a.csv", ".hidden.csv", "notes.txt", "csv", "x.csvx"}) {
    WriteFile(run + "/gt_data/" + name, "0,15:40,10:00,11:00,12:00,13:00,14:00,15:00\r\n");
  }
  base::MakeDirs(run + "/gt_data/old.csv");
  base::MakeDirs(run + "/gt_data/folder");
  Start();

  EXPECT_EQ(form5->ComboBox1.Items(),
            (std::vector<std::string>{"a.csv", "b.CSV", "old.csv", "time_100a.csv"}));
  EXPECT_EQ(form5->ComboBox1.Text(), "time_100a.csv");
  EXPECT_EQ(form5->Edit1.Text(), "Vantrel 1.01a");
  EXPECT_EQ(form->Caption(), "Vantrel 1.01a");
  EXPECT_EQ(form5->Edit9.Text(), prog + "/README.md");
  EXPECT_EQ(form5->Edit10.Text(), prog + "/manual.html");
  EXPECT_EQ(viewer::Form5, form5.get());
  EXPECT_FALSE(form5->Visible());  // made hidden
  EXPECT_TRUE(Texts().empty());
}

TEST_F(SettingFormTest, AMissingOrEmptyGtDataGivesAnEmptyListAndTheStoredName) {
  WriteFile(SettingsFile(), std::string("\x0c") + "time_200.csv" + std::string(20, '\0'));
  for (const char* state : {"missing", "empty", "no match"}) {
    SCOPED_TRACE(state);
    std::filesystem::remove_all(run + "/gt_data");
    if (std::string(state) != "missing") base::MakeDirs(run + "/gt_data");
    if (std::string(state) == "no match") WriteFile(run + "/gt_data/time_200.txt", "");
    Restart();
    EXPECT_EQ(form5->ComboBox1.ItemCount(), 0);
    EXPECT_EQ(form5->ComboBox1.Text(), "time_200.csv");
    EXPECT_TRUE(Texts().empty());
  }
}

TEST_F(SettingFormTest, TypingChangesTheTimingFileAtEveryKeystrokeAndTheFileAtTheEnd) {
  Start();
  const std::string stored = base::ReadFileBytes(SettingsFile());
  WatchMessages();
  form5->ComboBox1.Type("\b\b\btxt");
  const std::string msg = viewer::kTimingFileChangedMessage;
  EXPECT_EQ(seen, (std::vector<Seen>{{msg, "time_100a.cs", "time_100a.cs"},
                                     {msg, "time_100a.c", "time_100a.c"},
                                     {msg, "time_100a.", "time_100a."},
                                     {msg, "time_100a.t", "time_100a.t"},
                                     {msg, "time_100a.tx", "time_100a.tx"},
                                     {msg, "time_100a.txt", "time_100a.txt"}}));
  EXPECT_SJIS_EQ("オッズ取得時間設定ファイルを変更しました。", msg);
  for (const ui::Message& m : messages.messages()) EXPECT_EQ(m.kind, ui::MessageKind::kInformation);
  EXPECT_EQ(base::ReadFileBytes(SettingsFile()), stored);  // not before the end

  Restart();
  EXPECT_EQ(State.TimingFileName, "time_100a.txt");
  EXPECT_EQ(form5->ComboBox1.Text(), "time_100a.txt");
}

TEST_F(SettingFormTest, APickFromTheListTakesThatEntrysName) {
  WriteFile(run + "/gt_data/a.csv", "");
  Start();
  WatchMessages();
  form5->ComboBox1.Pick(0);
  EXPECT_EQ(seen, (std::vector<Seen>{{viewer::kTimingFileChangedMessage, "a.csv", "a.csv"}}));
  EXPECT_EQ(form5->ComboBox1.Text(), "a.csv");
}

TEST_F(SettingFormTest, ANameOfFortyBytesIsKeptWholeWhileRunningAndCutTo32InTheFile) {
  const std::string name = "abcdefghijklmnopqrstuvwxyz0123456789.csv";
  ASSERT_EQ(name.size(), 40u);
  Start();
  form5->ComboBox1.SetText("");  // by code: no change
  EXPECT_TRUE(Texts().empty());
  form5->ComboBox1.Type(name);
  EXPECT_EQ(Texts().size(), 40u);
  EXPECT_EQ(State.TimingFileName, name);
  EXPECT_EQ(State.Settings.TimingFile, name.substr(0, 32));
  // The race choice reads the whole name while the program runs.
  WriteFile(run + "/gt_data/" + name, Lines({"0,15:40,12:00,13:00,14:00,15:00,15:10,15:20"}));
  form->Track1.Click();
  form->Race11.Click();
  EXPECT_EQ(State.TimingFilePath, run + "/gt_data/" + name);
  EXPECT_EQ(State.ChosenTime2Button, 3);

  Restart();
  const std::string bytes = base::ReadFileBytes(SettingsFile());
  EXPECT_EQ(bytes, std::string("\x20") + name.substr(0, 32));
  EXPECT_EQ(State.TimingFileName, name.substr(0, 32));
  EXPECT_EQ(form5->ComboBox1.Text(), name.substr(0, 32));
}

TEST_F(SettingFormTest, TheNextRaceChoiceUsesTheNewTimingFile) {
  WriteFile(run + "/gt_data/time_late.csv", Lines({"0,15:40,12:00,13:00,14:00,15:00,15:10,15:20"}));
  Start();
  form5->ComboBox1.Pick(1);
  ASSERT_EQ(form5->ComboBox1.Text(), "time_late.csv");
  EXPECT_EQ(State.TimingFilePath, "");  // built only at a race choice
  form->Track1.Click();
  form->Race11.Click();
  EXPECT_EQ(State.TimingFilePath, run + "/gt_data/time_late.csv");
  // The announcements at 12:01, 13:01 and 14:01 follow the first three slot times.
  EXPECT_EQ(TimeCaptions(1),
            (std::vector<std::string>{"  12:01", "  13:01", "  14:01", " ", " ", " "}));
  EXPECT_EQ(State.ChosenTime2Button, 3);
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kTimingFileChangedMessage});
}

TEST_F(SettingFormTest, AChosenNameThatIsNoFileStopsTheRaceChoiceAndKeepsTheRecord) {
  base::MakeDirs(run + "/gt_data/old.csv");
  ChooseTokyo11();
  const std::string record = base::ReadFileBytes(RecordFile("05020411"));
  for (const std::string name : {"nosuch.csv", "old.csv"}) {
    SCOPED_TRACE(name);
    form5->ComboBox1.SetText("");
    form5->ComboBox1.Type(name);
    messages.Clear();
    form->Race11.SetChecked(false);
    form->Race11.Click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kError);
    const std::string text = messages.messages()[0].text;
    EXPECT_NE(text.find("odds-timing file \"" + run + "/gt_data/" + name + "\""), std::string::npos)
        << text;
    EXPECT_NE(text.find("設定・ヘルプ"), std::string::npos);
    EXPECT_EQ(base::ReadFileBytes(RecordFile("05020411")), record);
    EXPECT_EQ(State.ChosenRaceIndex, 11);
  }
}

TEST_F(SettingFormTest, ALinkOpensTheFieldsTextAndAFailureShowsTheErrorBox) {
  Start();
  struct Case {
    ui::Edit* field;
    bool opens;
  };
  for (const Case& c : {Case{&form5->Edit9, true}, Case{&form5->Edit10, false},
                        Case{&form5->Edit9, false}, Case{&form5->Edit10, true}}) {
    std::vector<std::string> opened;
    ui::ScopedUrlOpener opener([&](const std::string& address) {
      opened.push_back(address);
      return c.opens;
    });
    messages.Clear();
    c.field->Click();
    EXPECT_EQ(opened, std::vector<std::string>{c.field->Text()});
    EXPECT_TRUE(Texts().empty());  // the answer comes from the message loop
    ui::ProcessMessages();
    if (c.opens) {
      EXPECT_TRUE(Texts().empty());
    } else {
      EXPECT_EQ(
          messages.messages(),
          (std::vector<ui::Message>{{ui::MessageKind::kError, "起動に失敗しました", "エラー"}}));
    }
  }
  // The field holds whatever the user typed into it.
  std::vector<std::string> opened;
  ui::ScopedUrlOpener opener([&](const std::string& address) {
    opened.push_back(address);
    return true;
  });
  form5->Edit9.SetText("www.example.");
  form5->Edit9.Type("jp");
  form5->Edit9.Click();
  EXPECT_EQ(opened, std::vector<std::string>{"www.example.jp"});
}

// A screen-reader user presses the links through the accessibility interface: the press
// returns at once, and the link opens from the message loop right after it, once. The
// window's other fields have no click and offer no press.
TEST_F(SettingFormTest, ALinkPressedThroughTheAccessibleInterfaceOpensItsAddressOnce) {
  Start();
  const QString press = QAccessibleActionInterface::pressAction();
  for (ui::Edit* field : {&form5->Edit9, &form5->Edit10}) {
    SCOPED_TRACE(field->Text());
    std::vector<std::string> opened;
    ui::ScopedUrlOpener opener([&](const std::string& address) {
      opened.push_back(address);
      return true;
    });
    QAccessibleInterface* link = testsupport::AccessibleOf(*field);
    ASSERT_TRUE(link->actionInterface()->actionNames().contains(press));
    link->actionInterface()->doAction(press);
    EXPECT_TRUE(opened.empty());  // the call returned first
    ui::ProcessMessages();
    EXPECT_EQ(opened, std::vector<std::string>{field->Text()});
    ui::ProcessMessages();
    EXPECT_EQ(opened.size(), 1u);
  }
  EXPECT_EQ(form5->Edit9.Text(), prog + "/README.md");
  EXPECT_EQ(form5->Edit10.Text(), prog + "/manual.html");
  EXPECT_TRUE(Texts().empty());
  for (QAccessibleInterface* other :
       {testsupport::AccessibleOf(form5->Edit1), testsupport::ComboField(form5->ComboBox1)}) {
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->actionInterface()->actionNames().contains(press));
  }
}

TEST_F(SettingFormTest, TheDesktopOpenerFailsOnADocumentThatIsNotInstalled) {
  Start();
  ASSERT_FALSE(base::PathExists(form5->Edit10.Text()));
  form5->Edit10.Click();
  ui::ProcessMessages();
  EXPECT_EQ(messages.messages(),
            (std::vector<ui::Message>{{ui::MessageKind::kError, viewer::kOpenFailedMessage,
                                       viewer::kOpenFailedCaption}}));
}

// The desktop's opener runs as a process; how it ends decides.
TEST_F(SettingFormTest, ALinkWhoseOpenerEndsWithAFailureShowsTheErrorBox) {
  WriteFile(prog + "/README.md", "# Vantrel\n");
  Start();
  for (const auto& [opener, fails] : std::vector<std::pair<std::string, bool>>{
           {"exit 0", false}, {"exit 3", true}, {"exit 1", true}}) {
    SCOPED_TRACE(opener);
    testsupport::FakeOpener desktop(opener);
    messages.Clear();
    form5->Edit9.Click();
    ASSERT_TRUE(testsupport::RunMessagesUntil([&] { return !desktop.Calls().empty(); }));
    testsupport::RunMessagesUntil([&] { return !Texts().empty(); }, fails ? 30 : 1);
    EXPECT_EQ(Texts(), fails ? std::vector<std::string>{viewer::kOpenFailedMessage}
                             : std::vector<std::string>{});
    EXPECT_EQ(desktop.Calls(), "file://" + prog + "/README.md\n");
  }
}

TEST_F(SettingFormTest, TheRealOpenerWithoutAProgramForTheDocumentShowsTheErrorBox) {
  const std::string why = testsupport::NoDesktopEnv::WhyNotUsable();
  if (!why.empty()) GTEST_SKIP() << "the desktop's own opener cannot be tried here: " << why;
  testsupport::NoDesktopEnv no_desktop;
  WriteFile(prog + "/README.md", "# Vantrel\n");
  Start();
  form5->Edit9.Click();
  EXPECT_TRUE(testsupport::RunMessagesUntil([&] { return !Texts().empty(); }));
  EXPECT_EQ(messages.messages(),
            (std::vector<ui::Message>{{ui::MessageKind::kError, viewer::kOpenFailedMessage,
                                       viewer::kOpenFailedCaption}}));
}

// Names of files and folders are the file system's bytes (UTF-8 here), shown readable,
// opened and used as they are.
TEST_F(SettingFormTest, UTF8NamesOfTheProgramFolderAndOfGtDataAreShownOpenedAndUsed) {
  const std::string folder = dir / Utf8(u8"フォルダ");
  viewer::SetViewerProgramPath(folder + "/vantrel");
  WriteFile(folder + "/README.md", "# Vantrel\n");
  const std::string chosen = Utf8(u8"時間①.csv");
  WriteFile(run + "/gt_data/" + chosen, Lines({"0,15:40,12:00,13:00,14:00,15:00,15:10,15:20"}));
  WriteFile(run + "/gt_data/" + Utf8(u8"予備.csv"), "");
  const std::string stored = Utf8(u8"予備.csv");
  WriteFile(folder + "/vantrel.cfg", std::string(1, static_cast<char>(stored.size())) + stored +
                                         std::string(32 - stored.size(), '\0'));
  Start();

  const auto* link = static_cast<QLineEdit*>(form5->Edit9.widget());
  EXPECT_EQ(link->text(), QString::fromUtf8(folder + "/README.md"));
  EXPECT_EQ(form5->Edit9.Text(), folder + "/README.md");
  EXPECT_EQ(form5->Edit10.Text(), folder + "/manual.html");
  const auto* combo = static_cast<QComboBox*>(form5->ComboBox1.widget());
  EXPECT_EQ(combo->currentText(), QStringLiteral(u"予備.csv"));  // the stored name
  ASSERT_EQ(form5->ComboBox1.Items(), (std::vector<std::string>{"time_100a.csv", stored, chosen}));
  EXPECT_EQ(combo->itemText(2), QStringLiteral(u"時間①.csv"));

  std::vector<std::string> opened;
  ui::ScopedUrlOpener opener([&](const std::string& address) {
    opened.push_back(address);
    return true;
  });
  form5->Edit9.Click();
  ui::ProcessMessages();
  ASSERT_EQ(opened, std::vector<std::string>{folder + "/README.md"});
  EXPECT_NE(ui::UrlOfAddress(opened[0]).find("%E3%83%95%E3%82%A9%E3%83%AB%E3%83%80/README.md"),
            std::string::npos);

  form5->ComboBox1.Pick(2);
  EXPECT_EQ(State.TimingFileName, chosen);
  EXPECT_EQ(State.Settings.TimingFile, chosen);
  form->Track1.Click();
  form->Race11.Click();
  EXPECT_EQ(State.TimingFilePath, run + "/gt_data/" + chosen);
  EXPECT_EQ(State.ChosenTime2Button, 3);  // the chosen file's slot times
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kTimingFileChangedMessage});
}

// The stored field keeps whole characters: a cut inside one would leave a name that is no
// name of the file system's.
TEST_F(SettingFormTest, AUTF8NameLongerThanTheFieldIsStoredCutOnACharacterBoundary) {
  Start();
  const std::string name = Utf8(u8"オッズ取得時間の設定ファイル.csv");  // 14 characters of 3 bytes
  form5->ComboBox1.SetText("");
  form5->ComboBox1.Type(name);
  EXPECT_EQ(State.TimingFileName, name);
  EXPECT_EQ(State.Settings.TimingFile, name.substr(0, 30));
  Restart();
  EXPECT_EQ(State.TimingFileName, name.substr(0, 30));
  EXPECT_EQ(static_cast<QComboBox*>(form5->ComboBox1.widget())->currentText(),
            QStringLiteral(u"オッズ取得時間の設定"));
}

TEST_F(SettingFormTest, TheSettingsButtonShowsTheOneWindowAndBringsItToTheFront) {
  WriteFile(run + "/gt_data/a.csv", "");
  Start();
  form->Show();
  viewer::TForm5* const made = viewer::Form5;
  form->Button8.Click();
  ui::ProcessMessages();
  EXPECT_TRUE(form5->Visible());
  EXPECT_EQ(QApplication::activeWindow(), form5->widget());

  // Another file meanwhile: the list stays the one found at start.
  WriteFile(run + "/gt_data/b.csv", "");
  form->Activate();
  ui::ProcessMessages();
  ASSERT_EQ(QApplication::activeWindow(), form->widget());
  form->Button8.Click();
  ui::ProcessMessages();
  EXPECT_TRUE(form5->Visible());
  EXPECT_EQ(QApplication::activeWindow(), form5->widget());
  EXPECT_EQ(viewer::Form5, made);
  EXPECT_EQ(form5->ComboBox1.Items(), (std::vector<std::string>{"a.csv", "time_100a.csv"}));

  // "画面を閉じる" hides it, the close box too; the button shows the same window again.
  for (const char* how : {"button", "close box"}) {
    SCOPED_TRACE(how);
    if (std::string(how) == "button") {
      form5->Button2.Click();
    } else {
      form5->widget()->close();
    }
    EXPECT_FALSE(form5->Visible());
    EXPECT_EQ(viewer::Form5, made);
    form->Button8.Click();
    EXPECT_TRUE(form5->Visible());
  }
  EXPECT_TRUE(Texts().empty());
}

}  // namespace

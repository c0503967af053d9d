// What every program gets from the application object: Qt's own texts in Japanese, a
// quiet start without a runtime folder in the environment, and no word from a platform
// that cannot raise windows.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>
#include <cstdlib>
#include <string>

#include "base/files.h"
#include "tests/support/temp_dir.h"

namespace {

// The text of a standard button as the user reads it, without its keyboard mnemonic.
QString ShownText(QMessageBox& box, QMessageBox::StandardButton which) {
  QAbstractButton* button = box.button(which);
  if (!button) return QStringLiteral("(no button)");
  QString text = button->text();
  text.remove(QStringLiteral("&"));
  if (int open = text.indexOf(u'('); open > 0 && text.endsWith(u')')) text.truncate(open);
  return text.trimmed();
}

TEST(ApplicationTest, StandardButtonsOfMessageBoxesAreJapanese) {
  // The buttons of the viewer's confirmation and of its information and error boxes.
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel | QMessageBox::Ok);
  EXPECT_EQ(ShownText(box, QMessageBox::Yes), QStringLiteral("はい"));
  EXPECT_EQ(ShownText(box, QMessageBox::Cancel), QStringLiteral("キャンセル"));
  EXPECT_EQ(ShownText(box, QMessageBox::Ok), QStringLiteral("OK"));
}

// Runs the probe program in `mode` under the shell commands `environment` ($1 is the
// folder), its output and error output written to the folder's "out" and "err".
int RunProbe(const testsupport::TempDir& dir, const std::string& environment,
             const std::string& mode) {
  const std::string script = environment + "; \"$2\" " + mode + " >\"$1/out\" 2>\"$1/err\"";
  const std::string command =
      "/bin/sh -c '" + script + "' sh '" + dir.path() + "' '" UI_LOCK_PROBE "'";
  return std::system(command.c_str());
}

TEST(ApplicationTest, AProgramStartedWithoutARuntimeFolderMakesAPrivateOneQuietly) {
  testsupport::TempDir dir;
  ASSERT_EQ(
      RunProbe(dir, "unset XDG_RUNTIME_DIR; export TMPDIR=\"$1\" QT_QPA_PLATFORM=offscreen", "app"),
      0);
  const std::string folder = dir / "runtime-" + std::string(getpwuid(getuid())->pw_name);
  EXPECT_EQ(base::ReadFileBytes(dir / "out"), folder + "\n");
  EXPECT_EQ(base::ReadFileBytes(dir / "err"), "");
  struct stat st {};
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

// Under the offscreen platform, as the tests and benchmarks run every program: raising a
// window says nothing, any other warning still reaches the program's error output.
TEST(ApplicationTest, APlatformThatCannotRaiseWindowsSaysNothingAboutIt) {
  testsupport::TempDir dir;
  ASSERT_EQ(RunProbe(dir, "export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=\"$1\"", "raise"), 0);
  EXPECT_EQ(base::ReadFileBytes(dir / "err"), "lock_probe: a warning of its own\n");
  EXPECT_EQ(base::ReadFileBytes(dir / "out"), "");
}

}  // namespace

// What every program gets from the application object: Qt's own texts in Japanese and a
// quiet start without a runtime folder in the environment.
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

TEST(ApplicationTest, AProgramStartedWithoutARuntimeFolderMakesAPrivateOneQuietly) {
  testsupport::TempDir dir;
  const std::string script =
      "unset XDG_RUNTIME_DIR; export TMPDIR=\"$1\" QT_QPA_PLATFORM=offscreen; "
      "\"$2\" app >\"$1/out\" 2>\"$1/err\"";
  const std::string command =
      "/bin/sh -c '" + script + "' sh '" + dir.path() + "' '" UI_LOCK_PROBE "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string folder = dir / "runtime-" + std::string(getpwuid(getuid())->pw_name);
  EXPECT_EQ(base::ReadFileBytes(dir / "out"), folder + "\n");
  EXPECT_EQ(base::ReadFileBytes(dir / "err"), "");
  struct stat st {};
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

}  // namespace

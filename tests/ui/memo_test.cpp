#include "ui/memo.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"
#include "tests/ui/pixels.h"
#include "ui/form.h"

namespace {

using Lines = std::vector<std::string>;

class MemoTest : public ::testing::Test {
 protected:
  MemoTest() { memo.SetBounds(0, 0, 240, 160); }
  QPlainTextEdit* edit() const { return static_cast<QPlainTextEdit*>(memo.widget()); }
  ui::Form form;
  ui::Memo memo{form};
};

TEST_F(MemoTest, LinesAreReplacedAddedAndClearedByteForByte) {
  memo.SetLines({"　", "【この欄の表示内容】", "", "[複]  5:\\230  "});
  memo.AddLine("を表示します");
  EXPECT_FIELDS_EQ((Lines{"　", "【この欄の表示内容】", "", "[複]  5:\\230  ", "を表示します"}),
                   memo.Lines());
  EXPECT_EQ(edit()->blockCount(), 5);
  EXPECT_EQ(edit()->document()->findBlockByNumber(1).text(),
            QStringLiteral("【この欄の表示内容】"));
  memo.SetLines({"発走時間が過ぎました。"});
  EXPECT_FIELDS_EQ(Lines{"発走時間が過ぎました。"}, memo.Lines());
  memo.Clear();
  EXPECT_TRUE(memo.Lines().empty());
  EXPECT_TRUE(edit()->toPlainText().isEmpty());
  memo.AddLine("");
  memo.AddLine("x");
  EXPECT_EQ(edit()->toPlainText(), QStringLiteral("\nx"));
}

TEST_F(MemoTest, ReadOnlyWithoutWrapWithAHorizontalScrollBar) {
  EXPECT_TRUE(edit()->isReadOnly());
  EXPECT_EQ(edit()->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(edit()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  memo.SetLines({std::string(300, 'x')});
  EXPECT_EQ(memo.Lines()[0].size(), 300u);
  EXPECT_EQ(edit()->document()->blockCount(), 1);  // one line, not wrapped
}

TEST_F(MemoTest, FontSizeInPointsAndTheTextsColour) {
  memo.SetFontSize(15);
  EXPECT_EQ(memo.FontSize(), 15);
  memo.SetFontSize(10);
  EXPECT_EQ(memo.FontSize(), 10);
  memo.SetFontColor(ui::kBlue);
  EXPECT_EQ(memo.FontColor(), ui::kBlue);
  memo.SetLines({"発走時間まで12分5秒です"});
  int blue = uitest::CountPixels(uitest::Drawn(memo.widget()), [](const QColor& c) {
    return c.blue() > 200 && c.red() < 80 && c.green() < 80;
  });
  EXPECT_GT(blue, 10);
}

}  // namespace

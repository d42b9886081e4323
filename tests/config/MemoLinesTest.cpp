#include "config/gui/MemoLines.h"

#include "tests/support/QtApp.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace vt::ui {
namespace {

using Lines = std::vector<std::string>;

TEST(PlainTextLines, LinesAreTheBlocksOfTheWidget) {
  testing::App();
  QPlainTextEdit edit;
  PlainTextLines memo(&edit);
  memo.Append("a");
  EXPECT_EQ(edit.toPlainText(), "a\n");
  memo.Insert(0, "z");
  memo.Insert(2, "b");
  memo.Set(1, "A");
  EXPECT_EQ(edit.toPlainText(), "z\nA\nb\n");
  memo.DeleteRange(1, 5);
  memo.Delete(3);  // out of range: nothing
  memo.Set(3, "x");
  EXPECT_EQ(memo.Lines(), Lines{"z"});

  // Text as the user types it: no final line end, blank lines in between.
  edit.setPlainText("x\n\ny");
  EXPECT_EQ(memo.Lines(), (Lines{"x", "", "y"}));
  memo.Append("z");
  EXPECT_EQ(edit.toPlainText(), "x\n\ny\nz\n");

  // 8-bit texts pass unchanged; a line end inside a line cannot split it.
  memo.Assign({"caf\xE9", "two\r\nparts", ""});
  EXPECT_EQ(memo.Lines(), (Lines{"caf\xE9", "two  parts", ""}));
}

}  // namespace
}  // namespace vt::ui

#include "config/gui/MemoLines.h"

#include "tests/support/QtApp.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace vt::ui {
namespace {

using Lines = std::vector<std::string>;

TEST(PlainTextLines, LinesAreTheBlocksOfTheWidget) {
  testing::App();
  QPlainTextEdit edit;
  PlainTextLines memo(&edit);
  EXPECT_EQ(memo.Count(), 0);
  memo.Append("a");
  EXPECT_EQ(edit.toPlainText(), "a\n");
  memo.Insert(0, "z");
  memo.Append("c");
  memo.Insert(2, "b");
  EXPECT_EQ(edit.toPlainText(), "z\na\nb\nc\n");
  EXPECT_EQ(memo.Count(), 4);
  memo.Set(1, "A");
  memo.Delete(0);
  EXPECT_EQ(edit.toPlainText(), "A\nb\nc\n");
  memo.DeleteRange(1, 5);
  EXPECT_EQ(memo.Lines(), Lines{"A"});
  memo.Delete(0);
  EXPECT_EQ(memo.Count(), 0);
  memo.Delete(0);  // out of range: nothing
  memo.Set(3, "x");
  EXPECT_EQ(edit.toPlainText(), "");

  // Text as the user types it: no final line end, blank lines in between.
  edit.setPlainText("x\n\ny");
  EXPECT_EQ(memo.Lines(), (Lines{"x", "", "y"}));
  EXPECT_EQ(memo.IndexOf("Y"), 2);
  memo.Append("z");
  EXPECT_EQ(edit.toPlainText(), "x\n\ny\nz\n");
  edit.setPlainText("x\ny");
  memo.Delete(1);
  EXPECT_EQ(memo.Lines(), Lines{"x"});

  // 8-bit texts pass unchanged; a line end inside a line cannot split it.
  memo.Assign({"caf\xE9", "two\r\nparts", ""});
  EXPECT_EQ(memo.Lines(), (Lines{"caf\xE9", "two  parts", ""}));
  EXPECT_EQ(memo.Count(), 3);
  memo.Clear();
  EXPECT_EQ(edit.toPlainText(), "");
}

TEST(MemoBinding, TheActiveButtonsDirectWrites) {
  testing::App();
  QWidget frame;
  auto *memo1 = new QPlainTextEdit(&frame), *memo2 = new QPlainTextEdit(&frame),
       *memo3 = new QPlainTextEdit(&frame);
  auto *radio4 = new QRadioButton("Active", &frame), *radio5 = new QRadioButton("Active", &frame),
       *radio6 = new QRadioButton("Active", &frame);
  radio4->setChecked(true);
  MemoConfig cfg;
  {
    MemoBinding binding({memo1, memo2, memo3}, radio4, radio5, cfg);
    cfg.BeginSection("A");
    radio5->setChecked(true);
    EXPECT_FALSE(radio4->isChecked());
    cfg.BeginSection("B");
    cfg.WriteInt("k", 1);
    radio6->setChecked(true);
    cfg.BeginSection("C");
    EXPECT_EQ(memo1->toPlainText(), "Begin A\nEnd A\n");
    EXPECT_EQ(memo2->toPlainText(), "Begin B\n    k=1\nEnd B\n");
    EXPECT_EQ(memo3->toPlainText(), "Begin C\nEnd C\n");
    EXPECT_EQ(&binding.Memo(2), cfg.Memo());

    delete memo3;  // a memo gone reads as empty
    cfg.BeginSection("D");
    EXPECT_EQ(cfg.Memo()->Count(), 0);
  }
  EXPECT_EQ(cfg.ChooseActiveMemo(), nullptr);  // detached with the binding
}

}  // namespace
}  // namespace vt::ui

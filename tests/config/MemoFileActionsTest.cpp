#include "config/gui/MemoFileActions.h"

#include "tests/support/Files.h"
#include "common/gui/DialogBroker.h"
#include "common/gui/Dialogs.h"
#include "config/gui/MemoLines.h"
#include "config/gui/TForm12.h"
#include "tests/support/QtApp.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vt::ui {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

class MemoFileActions : public ::testing::Test {
 protected:
  void SetUp() override {
    broker.OnDialog = [this](const QString& caption, const QString& text, const QString& answer) {
      seen.push_back(S(caption + "|" + text + "|" + answer));
    };
  }

  // Acts on the tag window once it runs modally; what it showed is kept in `shown`.
  void WhenTagWindowShown(std::function<void(TForm12&)> act) {
    QTimer::singleShot(0, &form, [this, act] {
      if (QApplication::activeModalWidget() != &form) return form.reject();
      shown.clear();
      for (auto* b : form.findChildren<QRadioButton*>())
        if (b->isChecked()) shown += S(b->objectName()) + " ";
      shown += S(form.findChild<QLineEdit*>("Edit1")->text());
      act(form);
    });
  }
  static void ClickOk(TForm12& f) { f.findChild<QPushButton*>("Button1")->click(); }
  void Answer(const std::vector<QString>& answers) {
    for (const QString& a : answers) broker.Queue(a);
  }
  // "Save Memo to file" with these dialog answers, `act` in the tag window.
  MemoFileResult Save(const std::vector<QString>& answers,
                      std::function<void(TForm12&)> act = ClickOk) {
    Answer(answers);
    WhenTagWindowShown(act);
    return SaveMemoToFile(memo, form);
  }

  QApplication& app = testing::App();  // before the widgets below
  DialogBroker broker;
  TempDir dir;
  TForm12 form;
  QPlainTextEdit edit;
  PlainTextLines memo{&edit};
  std::vector<std::string> seen;
  std::string shown;
};

// The tag window shows the memo's tag, own mode names included; an existing
// file is only overwritten after "Yes"; the user's choices are written into
// the tag, closing the window without "OK" keeps it.
TEST_F(MemoFileActions, TagChoicesOverwriteQuestionAndCancel) {
  edit.setPlainText("Begin FILE_TAG\n    AudioMessage=music\n    AudioMode=car 2\nEnd FILE_TAG\nlast\n");
  const std::string path = dir.File("old.txt");
  WriteBytes(path, "OLD\n");
  EXPECT_EQ(Save({Q(path), "No"}), MemoFileResult::Declined);
  EXPECT_EQ(shown, "RadioButton2 RadioButton7 car 2");
  EXPECT_EQ(ReadBytes(path), "OLD\n");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], "Save Memo to file|Text files (*.txt);;All files (*)|" + path);
  EXPECT_EQ(seen[1].substr(0, seen[1].rfind('|')), "Warning|File exists, do you want to overwrite it ?");

  EXPECT_EQ(Save({Q(path), "Yes"},
                 [](TForm12& f) {
                   f.findChild<QRadioButton*>("RadioButton1")->click();
                   f.findChild<QRadioButton*>("RadioButton5")->click();
                   ClickOk(f);
                 }),
            MemoFileResult::Done);
  EXPECT_EQ(ReadBytes(path), "Begin FILE_TAG\r\n    AudioMessage=speech\r\n    AudioMode=speakerphone\r\n"
                             "End FILE_TAG\r\nlast\r\n");

  EXPECT_EQ(Save({Q(dir.File("c.txt"))},
                 [](TForm12& f) {
                   f.findChild<QRadioButton*>("RadioButton2")->click();
                   f.reject();
                 }),
            MemoFileResult::Done);
  EXPECT_EQ(shown, "RadioButton1 RadioButton5 car 2");  // the edit keeps its text
  EXPECT_EQ(ReadBytes(dir.File("c.txt")), ReadBytes(path));

  // A cancelled dialog: no tag window, no change.
  QString before = edit.toPlainText();
  shown = "not shown";
  EXPECT_EQ(Save({"Cancel"}), MemoFileResult::Cancelled);
  Answer({"Cancel"});
  EXPECT_EQ(LoadMemoFromFile(memo), MemoFileResult::Cancelled);
  QCoreApplication::processEvents();
  EXPECT_EQ(shown, "not shown");
  EXPECT_EQ(edit.toPlainText(), before);
}

// A fresh memo is tagged "speech" and "handset".
TEST_F(MemoFileActions, FilesThatCannotBeUsedAreReported) {
  edit.setPlainText("keep\n");
  const std::string bad = dir.File("missing/folder.txt");
  EXPECT_EQ(Save({Q(bad), "OK"}), MemoFileResult::Failed);
  EXPECT_EQ(shown, "RadioButton1 RadioButton3 ");
  ASSERT_EQ(seen.size(), 2u);
  const std::string head = "Error|Cannot save the memo to \"" + bad + "\": cannot create";
  EXPECT_EQ(seen[1].substr(0, head.size()), head);
  EXPECT_NE(seen[1].find("The file was left as it was.|OK"), std::string::npos) << seen[1];
  EXPECT_TRUE(broker.TakeProblems().isEmpty());

  seen.clear();
  edit.setPlainText("keep\n");  // the save added its tag
  Answer({Q(bad)});
  EXPECT_EQ(LoadMemoFromFile(memo), MemoFileResult::Failed);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].substr(0, 31), "Error|Cannot load the memo from");
  EXPECT_EQ(edit.toPlainText(), "keep\n");
}

TEST_F(MemoFileActions, ButtonsActOnTheActiveMemo) {
  QWidget frame;
  QPlainTextEdit* memos[3];
  for (auto*& m : memos) m = new QPlainTextEdit(&frame);
  auto *radio4 = new QRadioButton("Active", &frame), *radio5 = new QRadioButton("Active", &frame),
       *radio6 = new QRadioButton("Active", &frame);
  radio5->setChecked(true);
  {
    MemoBinding binding({memos[0], memos[1], memos[2]}, radio4, radio5);  // the shared cursor
    memos[1]->setPlainText("second\n");
    const std::string path = dir.File("two.txt");
    Answer({Q(path)});
    WhenTagWindowShown(ClickOk);
    EXPECT_EQ(SaveMemoToFile(form), MemoFileResult::Done);
    EXPECT_EQ(ReadBytes(path).substr(0, 24), "second\r\nBegin FILE_TAG\r\n");

    radio6->setChecked(true);
    delete memos[2];  // a memo gone reads as empty
    SharedMemoConfig().BeginSection("D");
    EXPECT_EQ(SharedMemoConfig().Memo()->Count(), 0);
  }
  EXPECT_EQ(SharedMemoConfig().ChooseActiveMemo(), nullptr);  // detached with the binding
}

// The memo's lines are the edit's blocks, typed text included.
TEST_F(MemoFileActions, MemoLinesAreTheBlocksOfTheEdit) {
  edit.setPlainText("x\n\ny");
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"x", "", "y"}));
  memo.Delete(3);  // out of range: nothing
  memo.Set(3, "w");
  memo.Append("z");
  EXPECT_EQ(edit.toPlainText(), "x\n\ny\nz\n");
  // 8-bit texts pass unchanged; a line end inside a line cannot split it.
  memo.Assign({"caf\xE9", "two\r\nparts"});
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"caf\xE9", "two  parts"}));
}

TEST_F(MemoFileActions, NothingAttachedGivesNoMemo) {
  MemoConfig none;
  EXPECT_EQ(SaveMemoToFile(form, none), MemoFileResult::NoMemo);
  EXPECT_EQ(LoadMemoFromFile(none), MemoFileResult::NoMemo);
  EXPECT_TRUE(seen.empty());
}

}  // namespace
}  // namespace vt::ui

// The frame's memo widgets as line stores of the configuration text, and the
// binding of the three memos and their "Active" buttons to a cursor.
#pragma once

#include "config/LineStore.h"
#include "config/MemoConfig.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>

class QPlainTextEdit;
class QRadioButton;

namespace vt::ui {

// A QPlainTextEdit seen as a list of lines: each text block is a line; a last
// empty block (the text ends with a line end, or is empty) is not a line.
// Lines are 8-bit (Latin-1). Line ends inside a line written through the
// store become blanks. When the widget is gone the store is empty and writes
// are dropped.
class PlainTextLines : public LineStore {
 public:
  explicit PlainTextLines(QPlainTextEdit* edit) : edit_(edit) {}

  int Count() const override;
  std::string Line(int i) const override;
  void Set(int i, const std::string& line) override;
  void Insert(int i, const std::string& line) override;
  void Delete(int i) override;
  void DeleteRange(int first, int count) override;
  void Assign(const std::vector<std::string>& lines) override;
  void Clear() override;

  QPlainTextEdit* Edit() const { return edit_; }

 private:
  QPointer<QPlainTextEdit> edit_;
};

// Plugs `Memo1`..`Memo3` and the "Active" buttons of the first two
// (`RadioButton4`, `RadioButton5`) into a cursor, normally the module-wide
// one; the frame creates it once after building its memos:
//
//   new vt::ui::MemoBinding({Memo1, Memo2, Memo3}, RadioButton4, RadioButton5,
//                           vt::SharedMemoConfig(), this);
//
// Destroying the binding detaches the memos again.
class MemoBinding : public QObject {
 public:
  MemoBinding(std::array<QPlainTextEdit*, 3> memos, QRadioButton* active1,
              QRadioButton* active2, MemoConfig& config = SharedMemoConfig(),
              QObject* parent = nullptr);
  ~MemoBinding() override;

  LineStore& Memo(int i) { return *stores_[size_t(i)]; }
  MemoConfig& Config() { return config_; }

 private:
  MemoConfig& config_;
  std::array<std::unique_ptr<PlainTextLines>, 3> stores_;
};

}  // namespace vt::ui

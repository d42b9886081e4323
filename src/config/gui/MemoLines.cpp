#include "config/gui/MemoLines.h"

#include "common/gui/Dialogs.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace vt::ui {

namespace {
QString LineText(const std::string& line) {
  QString s = Q(line);
  s.replace(QChar('\r'), QChar(' '));
  s.replace(QChar('\n'), QChar(' '));
  return s;
}
}  // namespace

int PlainTextLines::Count() const {
  if (!edit_) return 0;
  QTextDocument* doc = edit_->document();
  int n = doc->blockCount();
  if (doc->lastBlock().text().isEmpty()) --n;
  return n;
}

std::string PlainTextLines::Line(int i) const {
  if (i < 0 || i >= Count()) return {};
  return S(edit_->document()->findBlockByNumber(i).text());
}

void PlainTextLines::Set(int i, const std::string& line) {
  if (i < 0 || i >= Count()) return;
  QTextCursor c(edit_->document()->findBlockByNumber(i));
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  c.insertText(LineText(line));
}

void PlainTextLines::Insert(int i, const std::string& line) {
  if (!edit_) return;
  QTextDocument* doc = edit_->document();
  int n = Count();
  i = std::clamp(i, 0, n);
  if (i < n) {
    QTextCursor c(doc->findBlockByNumber(i));
    c.insertText(LineText(line) + '\n');
    return;
  }
  QTextCursor c(doc);
  c.movePosition(QTextCursor::End);
  // A text typed without a final line end gets one before the new line.
  bool open = !doc->lastBlock().text().isEmpty();
  c.insertText((open ? QString("\n") : QString()) + LineText(line) + '\n');
}

void PlainTextLines::Delete(int i) { DeleteRange(i, 1); }

void PlainTextLines::DeleteRange(int first, int count) {
  int n = Count();
  first = std::max(first, 0);
  count = std::min(count, n - first);
  if (count <= 0) return;
  QTextDocument* doc = edit_->document();
  QTextCursor c(doc->findBlockByNumber(first));
  QTextBlock after = doc->findBlockByNumber(first + count);
  if (after.isValid()) c.setPosition(after.position(), QTextCursor::KeepAnchor);
  else c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  c.removeSelectedText();
}

void PlainTextLines::Assign(const std::vector<std::string>& lines) {
  if (!edit_) return;
  QString text;
  for (const auto& l : lines) text += LineText(l) + '\n';
  edit_->setPlainText(text);
}

void PlainTextLines::Clear() {
  if (edit_) edit_->setPlainText(QString());
}

MemoBinding::MemoBinding(std::array<QPlainTextEdit*, 3> memos, QRadioButton* active1,
                         QRadioButton* active2, MemoConfig& config, QObject* parent)
    : QObject(parent), config_(config) {
  for (size_t i = 0; i < 3; ++i) stores_[i] = std::make_unique<PlainTextLines>(memos[i]);
  QPointer<QRadioButton> r1(active1), r2(active2);
  config_.Attach(stores_[0].get(), stores_[1].get(), stores_[2].get(), [r1, r2] {
    return ChooseMemoIndex(r1 && r1->isChecked(), r2 && r2->isChecked());
  });
}

MemoBinding::~MemoBinding() {
  if (config_.IsAttached(stores_[0].get())) config_.Detach();
}

}  // namespace vt::ui

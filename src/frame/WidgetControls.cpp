#include "frame/WidgetControls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include "common/gui/Dialogs.h"
#include "frame/Controls.h"

namespace vt::frame {

QWidget* WidgetControls::Widget(std::string_view name) const {
  const QString key = QString::fromLatin1(name.data(), qsizetype(name.size()));
  auto it = cache_.constFind(key);
  if (it != cache_.constEnd() && *it) return *it;
  QWidget* w = root_ ? root_->findChild<QWidget*>(key) : nullptr;
  if (w) cache_.insert(key, w);
  return w;
}

bool WidgetControls::Checked(std::string_view name) const {
  auto* b = qobject_cast<QAbstractButton*>(Widget(name));
  return b && b->isChecked();
}

void WidgetControls::SetChecked(std::string_view name, bool on) {
  if (auto* b = qobject_cast<QAbstractButton*>(Widget(name))) b->setChecked(on);
}

int WidgetControls::Position(std::string_view name) const {
  QWidget* w = Widget(name);
  if (auto* s = qobject_cast<QAbstractSlider*>(w)) return s->value();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentIndex();
  return 0;
}

void WidgetControls::SetPosition(std::string_view name, int position) {
  QWidget* w = Widget(name);
  if (auto* s = qobject_cast<QAbstractSlider*>(w)) s->setValue(position);
  else if (auto* c = qobject_cast<QComboBox*>(w)) c->setCurrentIndex(position);
}

std::string WidgetControls::Text(std::string_view name) const {
  QWidget* w = Widget(name);
  if (auto* l = qobject_cast<QLabel*>(w)) return ui::S(l->text());
  if (auto* e = qobject_cast<QLineEdit*>(w)) return ui::S(e->text());
  if (auto* c = qobject_cast<QComboBox*>(w)) return ui::S(c->currentText());
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return ui::S(b->text());
  return {};
}

void WidgetControls::SetText(std::string_view name, std::string_view text) {
  QWidget* w = Widget(name);
  const QString t = QString::fromLatin1(text.data(), qsizetype(text.size()));
  if (auto* l = qobject_cast<QLabel*>(w)) l->setText(t);
  else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(t);
  else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(t);
}

bool WidgetControls::Shown(std::string_view name) const {
  // The control's own flag and those of the groups around it on its page; a
  // page that is not the current one hides its contents but gates nothing.
  QWidget* w = Widget(name);
  if (!w) return false;
  for (; w && w != root_; w = w->parentWidget()) {
    if (qobject_cast<QStackedWidget*>(w->parentWidget())) return true;  // reached the page
    if (w->isHidden()) return false;
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> WidgetControls::ListRows(
    std::string_view name) const {
  std::vector<std::pair<std::string, std::string>> rows;
  if (auto* l = qobject_cast<TValueListEditor*>(Widget(name)))
    for (int r = 1; r <= l->RowCount(); ++r) rows.emplace_back(l->Key(r), l->Value(r));
  return rows;
}

void WidgetControls::SetListValue(std::string_view name, int row, std::string_view value) {
  if (auto* l = qobject_cast<TValueListEditor*>(Widget(name))) l->SetValue(row, std::string(value));
}

bool WidgetControls::Focused(std::string_view name) const {
  QWidget* w = Widget(name);
  return w && w->hasFocus();
}

}  // namespace vt::frame

// The frame's widgets as the behaviour layer's control view: found by
// object name under a root widget (the frame), read and set as the designer
// classes are. Setting a check box, radio button or bar emits its change
// signal, so its handler runs as for a user's change.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

#include "editors/ControlView.h"

class QWidget;

namespace vt::frame {

class WidgetControls : public editors::ControlView {
 public:
  explicit WidgetControls(QWidget* root) : root_(root) {}

  bool Checked(std::string_view name) const override;
  void SetChecked(std::string_view name, bool on) override;
  int Position(std::string_view name) const override;
  void SetPosition(std::string_view name, int position) override;
  std::string Text(std::string_view name) const override;
  void SetText(std::string_view name, std::string_view text) override;
  bool Shown(std::string_view name) const override;
  std::vector<std::pair<std::string, std::string>> ListRows(std::string_view name) const override;
  void SetListValue(std::string_view name, int row, std::string_view value) override;
  bool Focused(std::string_view name) const override;

  // The widget of that name (null when there is none).
  QWidget* Widget(std::string_view name) const;

 private:
  QPointer<QWidget> root_;
  mutable QHash<QString, QPointer<QWidget>> cache_;
};

}  // namespace vt::frame

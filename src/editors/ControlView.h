// How the behaviour layer sees the frame's controls: by designer name, as
// check states, bar positions and texts. The frame hands in its widgets; tests
// and the handset read-back use the plain map below.
//
// Setting a check box, radio button or bar through a view of real widgets
// runs that control's change handler, as a user's change would.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vt::editors {

class ControlView {
 public:
  virtual ~ControlView() = default;
  // Check boxes and radio buttons. An unknown name reads as unchecked.
  virtual bool Checked(std::string_view name) const = 0;
  virtual void SetChecked(std::string_view name, bool on) = 0;
  // Scroll and track bars (combo boxes: the item index). Unknown: 0.
  virtual int Position(std::string_view name) const = 0;
  virtual void SetPosition(std::string_view name, int position) = 0;
  // Captions of labels, texts of edits, the item text of combo boxes. Unknown: "".
  virtual std::string Text(std::string_view name) const = 0;
  virtual void SetText(std::string_view name, std::string_view text) = 0;
  // False when the control, or a group around it on its page, has been
  // hidden (by the chip-type and firmware gating).
  virtual bool Shown(std::string_view name) const = 0;

  // Value lists: the (key, value text) rows in order, row 1 first. Unknown:
  // no rows.
  virtual std::vector<std::pair<std::string, std::string>> ListRows(std::string_view name) const {
    (void)name;
    return {};
  }
  // Sets the value text of row `row` (from 1); a row that is not there is left alone.
  virtual void SetListValue(std::string_view name, int row, std::string_view value) {
    (void)name, (void)row, (void)value;
  }
  // Whether the control has the input focus (a user is working it).
  virtual bool Focused(std::string_view name) const {
    (void)name;
    return false;
  }
};

// Controls as plain values; every control is shown until set otherwise.
// Radio buttons declared as a group are exclusive.
class ControlMap : public ControlView {
 public:
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

  // Replaces a list's rows with "Key=Value" lines.
  void SetList(std::string_view name, const std::vector<std::string>& lines);
  void SetFocused(std::string_view name, bool focused);
  void SetShown(std::string_view name, bool shown);
  void RadioGroup(std::vector<std::string> names);

 private:
  struct Value {
    bool checked = false;
    int position = 0;
    std::string text;
    bool shown = true;
    bool focused = false;
    std::vector<std::pair<std::string, std::string>> rows;
  };
  const Value* Find(std::string_view name) const;
  std::map<std::string, Value, std::less<>> values_;
  std::vector<std::vector<std::string>> groups_;
};

}  // namespace vt::editors

// "Help": a read-only text that the windows fill with their explanations.
//
// Included by frame/ToolWindows.h inside its namespace: include that header.
#pragma once

class TForm5 : public TToolWindow {
 public:
  explicit TForm5(QWidget* owner);
  // Replaces the text with the lines and shows the window.
  void ShowLines(const std::vector<std::string>& lines);

  QPlainTextEdit* Memo1 = nullptr;
};

// The measurement report as a file: a .docx document saved after every
// addition, each save atomic (the new file replaces the old one whole), so a
// crash or a killed program loses nothing already added and never leaves a
// broken file.
#pragma once

#include <string>
#include <utility>

#include "report/Docx.h"

namespace vt::report {

class ReportFile {
 public:
  explicit ReportFile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  const DocxDocument& Document() const { return doc_; }

  // Writes the empty report. False with the reason in `error`.
  bool Start(std::string& error) { return Save(error); }

  // Each addition is saved at once; false with the reason in `error` when the
  // save failed (the addition stays in memory and goes with the next save).
  // A heading (level 1..9), followed by an empty paragraph.
  bool Heading(const std::string& text, std::string& error, int level = 1);
  // A paragraph of text in the Normal style.
  bool Line(const std::string& text, std::string& error);
  // An empty paragraph.
  bool Break(std::string& error);
  // A picture (PNG bytes) followed by an empty paragraph; a `png` that is no
  // PNG adds nothing and gives false.
  bool Graph(std::string png, std::string& error);

  // Writes the report as it is now.
  bool Save(std::string& error) const;

 private:
  std::string path_;
  DocxDocument doc_;
};

}  // namespace vt::report

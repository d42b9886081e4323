#include "report/ReportFile.h"

#include "common/SafeFile.h"

namespace vt::report {

bool ReportFile::Heading(const std::string& text, std::string& error, int level) {
  doc_.AddParagraph(level, text);
  doc_.AddParagraph(0, {});
  return Save(error);
}

bool ReportFile::Line(const std::string& text, std::string& error) {
  doc_.AddParagraph(0, text);
  return Save(error);
}

bool ReportFile::Break(std::string& error) {
  doc_.AddParagraph(0, {});
  return Save(error);
}

bool ReportFile::Graph(std::string png, std::string& error) {
  if (!doc_.AddPicture(std::move(png))) {
    error = "The graph is not a PNG picture";
    return false;
  }
  doc_.AddParagraph(0, {});
  return Save(error);
}

bool ReportFile::Save(std::string& error) const {
  std::string bytes;
  if (!doc_.Package(bytes, error)) return false;
  std::string why;
  if (SaveFile(path_, bytes, &why)) return true;
  error = "The report " + path_ + " cannot be saved: " + why;
  return false;
}

}  // namespace vt::report

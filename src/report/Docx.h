// A Word document (.docx, WordprocessingML) built in memory: paragraphs in the
// "Normal" and "Heading 1".."Heading 9" styles and pictures embedded as PNG.
// Word and LibreOffice open what Package produces.
//
// Texts are the module's 8-bit (Latin-1) texts; they are stored as UTF-8.
// "\r\n" or "\n" inside a text starts a new line in the same paragraph.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt::report {

// Width of a picture on the page, pixels at 96 dpi; the height keeps the
// picture's aspect ratio.
inline constexpr int kPictureWidth = 610;

struct Picture {
  std::string png;
  uint32_t width = 0, height = 0;  // pixels, from the PNG header
};

struct Paragraph {
  int style = 0;     // 0 Normal, k = 1..9 Heading k
  std::string text;  // Latin-1
  int picture = -1;  // index into the pictures, or -1
};

// Width and height of a PNG from its header; false when `png` is no PNG.
bool PngSize(const std::string& png, uint32_t& width, uint32_t& height);

class DocxDocument {
 public:
  void AddParagraph(int style, std::string text);
  // A paragraph holding the picture; false (nothing added) when `png` is no PNG.
  bool AddPicture(std::string png);

  const std::vector<Paragraph>& Paragraphs() const { return paragraphs_; }
  const std::vector<Picture>& Pictures() const { return pictures_; }

  // The .docx file's bytes; false with the reason in `error`.
  bool Package(std::string& bytes, std::string& error) const;

 private:
  std::vector<Paragraph> paragraphs_;
  std::vector<Picture> pictures_;
};

namespace detail {
// The package's XML parts.
std::string DocumentXml(const DocxDocument& doc);
std::string StylesXml();
std::string ContentTypesXml();
std::string PackageRelsXml();
std::string DocumentRelsXml(size_t pictures);
std::string CorePropsXml();
// Latin-1 text as XML character data in UTF-8, markup characters escaped and
// characters XML cannot carry left out.
std::string XmlText(const std::string& latin1);
}  // namespace detail

}  // namespace vt::report

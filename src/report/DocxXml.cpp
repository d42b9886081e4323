// The XML parts of the .docx package.
#include <string>

#include "report/Docx.h"

namespace vt::report::detail {

namespace {

constexpr const char* kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kRelsNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kDocRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
// EMU per pixel at 96 dpi.
constexpr uint64_t kEmuPerPixel = 9525;

void AppendUtf8(std::string& out, unsigned char c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The runs of a paragraph's text: lines split at "\n" (a "\r" before it
// goes), tabs as tab marks.
std::string Runs(const std::string& text) {
  std::string out = "<w:r>";
  std::string chunk;
  auto flush = [&] {
    if (!chunk.empty()) out += "<w:t xml:space=\"preserve\">" + XmlText(chunk) + "</w:t>";
    chunk.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n' || c == '\r') {
      flush();
      out += "<w:br/>";
    } else if (c == '\t') {
      flush();
      out += "<w:tab/>";
    } else {
      chunk += c;
    }
  }
  flush();
  return out + "</w:r>";
}

std::string PictureRun(const Picture& pic, int index) {
  const uint64_t cx = kPictureWidth * kEmuPerPixel;
  const uint64_t cy = pic.width ? cx * pic.height / pic.width : 0;
  const std::string id = std::to_string(index + 1), ext = "cx=\"" + std::to_string(cx) + "\" cy=\"" +
                                                        std::to_string(cy) + "\"";
  return "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent " + ext +
         "/><wp:docPr id=\"" + id + "\" name=\"Graph " + id +
         "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/></wp:cNvGraphicFramePr>"
         "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
         "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"" + id + "\" name=\"graph" + id +
         ".png\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"rIdGraph" + id +
         "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
         "<a:ext " + ext + "/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
         "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
}

}  // namespace

std::string XmlText(const std::string& latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Control characters other than tab and line ends have no place in XML 1.0.
        if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') AppendUtf8(out, c);
    }
  }
  return out;
}

std::string DocumentXml(const DocxDocument& doc) {
  std::string out = kXmlHead;
  out += "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
         " xmlns:r=\"" + std::string(kDocRel) + "\""
         " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
         " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
         " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><w:body>";
  for (const Paragraph& p : doc.Paragraphs()) {
    out += "<w:p>";
    if (p.style > 0) out += "<w:pPr><w:pStyle w:val=\"Heading" + std::to_string(p.style) + "\"/></w:pPr>";
    if (p.picture >= 0)
      out += PictureRun(doc.Pictures()[static_cast<size_t>(p.picture)], p.picture);
    else if (!p.text.empty())
      out += Runs(p.text);
    out += "</w:p>";
  }
  if (doc.Paragraphs().empty()) out += "<w:p/>";
  // A4 with 2 cm side margins: a picture kPictureWidth wide fits.
  out += "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1134\" w:right=\"1134\""
         " w:bottom=\"1134\" w:left=\"1134\" w:header=\"709\" w:footer=\"709\" w:gutter=\"0\"/>"
         "</w:sectPr></w:body></w:document>";
  return out;
}

std::string StylesXml() {
  std::string out = kXmlHead;
  out += "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
         "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Calibri\" w:hAnsi=\"Calibri\""
         " w:cs=\"Calibri\"/><w:sz w:val=\"22\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>"
         "<w:spacing w:after=\"0\"/></w:pPr></w:pPrDefault></w:docDefaults>"
         "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
         "<w:qFormat/></w:style>";
  // The built-in headings: Word knows them by their names "heading k".
  for (int k = 1; k <= 9; ++k) {
    const std::string n = std::to_string(k);
    const int halfPoints = k == 1 ? 32 : k == 2 ? 28 : 24;
    out += "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + n + "\"><w:name w:val=\"heading " + n +
           "\"/><w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:uiPriority w:val=\"9\"/>"
           "<w:qFormat/><w:pPr><w:keepNext/><w:spacing w:before=\"240\" w:after=\"60\"/><w:outlineLvl w:val=\"" +
           std::to_string(k - 1) + "\"/></w:pPr><w:rPr><w:b/><w:sz w:val=\"" + std::to_string(halfPoints) +
           "\"/></w:rPr></w:style>";
  }
  return out + "</w:styles>";
}

std::string ContentTypesXml() {
  return std::string(kXmlHead) +
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Default Extension=\"png\" ContentType=\"image/png\"/>"
         "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
         "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/"
         "vnd.openxmlformats-package.core-properties+xml\"/></Types>";
}

std::string PackageRelsXml() {
  return std::string(kXmlHead) + "<Relationships xmlns=\"" + kRelsNs + "\">" +
         "<Relationship Id=\"rId1\" Type=\"" + kDocRel + "/officeDocument\" Target=\"word/document.xml\"/>" +
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/"
         "metadata/core-properties\" Target=\"docProps/core.xml\"/></Relationships>";
}

std::string DocumentRelsXml(size_t pictures) {
  std::string out = std::string(kXmlHead) + "<Relationships xmlns=\"" + kRelsNs + "\">" +
                    "<Relationship Id=\"rId1\" Type=\"" + kDocRel + "/styles\" Target=\"styles.xml\"/>";
  for (size_t i = 1; i <= pictures; ++i)
    out += "<Relationship Id=\"rIdGraph" + std::to_string(i) + "\" Type=\"" + kDocRel +
           "/image\" Target=\"media/graph" + std::to_string(i) + ".png\"/>";
  return out + "</Relationships>";
}

std::string CorePropsXml() {
  return std::string(kXmlHead) +
         "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
         "core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
         "<dc:title>Measurement report</dc:title><dc:creator>VoxTuner</dc:creator></cp:coreProperties>";
}

}  // namespace vt::report::detail

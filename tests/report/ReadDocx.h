// A .docx read back the way a word processor starts to: the zip opened with
// its consistency checked, the XML parts parsed, the paragraphs' styles and
// texts, and each picture's PNG found in the package.
#pragma once

#include <zip.h>

#include <QXmlStreamReader>

#include <string>
#include <vector>

namespace vt::testing {

struct DocxRead {
  std::string error;                       // "" when the file reads as a document
  std::vector<std::string> styles, texts;  // per paragraph ("" for Normal)
  int pictures = 0;
};

inline DocxRead ReadDocx(const std::string& path) {
  DocxRead d;
  zip_t* z = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, nullptr);
  if (!z) return {"not a zip", {}, {}, 0};
  auto part = [&](const std::string& name) {
    zip_stat_t st;
    zip_file_t* f = zip_stat(z, name.c_str(), 0, &st) == 0 ? zip_fopen(z, name.c_str(), 0) : nullptr;
    std::string data(f ? st.size : 0, '\0');
    if (f && zip_fread(f, data.data(), st.size) == zip_int64_t(st.size)) zip_fclose(f);
    return QByteArray::fromStdString(data);
  };
  for (const char* name : {"[Content_Types].xml", "_rels/.rels", "word/styles.xml", "word/_rels/document.xml.rels",
                           "word/document.xml"}) {
    QXmlStreamReader xml(part(name));
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      const QStringView tag = xml.qualifiedName();
      if (tag == u"w:p") {
        d.styles.emplace_back();
        d.texts.emplace_back();
      } else if (tag == u"w:pStyle") {
        d.styles.back() = xml.attributes().value("w:val").toString().toStdString();
      } else if (tag == u"w:t") {
        d.texts.back() += xml.readElementText().toStdString();
      } else if (tag == u"a:blip" && !part("word/media/graph" + std::to_string(++d.pictures) + ".png").startsWith("\x89PNG")) {
        d.error += " picture " + std::to_string(d.pictures) + " missing";
      }
    }
    if (xml.hasError()) d.error += std::string(name) + ": " + xml.errorString().toStdString();
  }
  zip_close(z);
  return d;
}

}  // namespace vt::testing

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
  std::string error;  // "" when the file reads as a document
  std::vector<std::string> styles, texts;  // per paragraph ("" for Normal)
  int pictures = 0;
};

inline DocxRead ReadDocx(const std::string& path) {
  DocxRead d;
  int err = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
  if (!z) return {"not a zip: " + std::to_string(err), {}, {}, 0};
  auto part = [&](const std::string& name) {
    std::string data;
    zip_stat_t st;
    zip_file_t* f = zip_stat(z, name.c_str(), 0, &st) == 0 ? zip_fopen(z, name.c_str(), 0) : nullptr;
    if (!f) return data;
    data.resize(st.size);
    if (zip_fread(f, data.data(), st.size) != zip_int64_t(st.size)) data.clear();
    zip_fclose(f);
    return data;
  };
  for (const char* name : {"[Content_Types].xml", "_rels/.rels", "word/styles.xml", "word/_rels/document.xml.rels"}) {
    QXmlStreamReader xml(QByteArray::fromStdString(part(name)));
    while (!xml.atEnd()) xml.readNext();
    if (xml.hasError()) d.error += std::string(name) + ": " + xml.errorString().toStdString();
  }
  QXmlStreamReader xml(QByteArray::fromStdString(part("word/document.xml")));
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.qualifiedName();
    if (name == u"w:p") {
      d.styles.emplace_back();
      d.texts.emplace_back();
    } else if (name == u"w:pStyle" && !d.styles.empty()) {
      d.styles.back() = xml.attributes().value("w:val").toString().toStdString();
    } else if (name == u"w:t" && !d.texts.empty()) {
      d.texts.back() += xml.readElementText().toStdString();
    } else if (name == u"a:blip") {
      ++d.pictures;
      const std::string png = part("word/media/graph" + std::to_string(d.pictures) + ".png");
      if (png.compare(0, 4, "\x89PNG") != 0) d.error += " picture " + std::to_string(d.pictures) + " missing";
    }
  }
  if (xml.hasError() || d.texts.empty()) d.error += " word/document.xml: " + xml.errorString().toStdString();
  zip_close(z);
  return d;
}

}  // namespace vt::testing

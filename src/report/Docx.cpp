#include "report/Docx.h"

#include <zip.h>

#include <memory>
#include <utility>

namespace vt::report {

namespace {

uint32_t BigEndian32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}

struct SourceFree {
  void operator()(zip_source_t* s) const { zip_source_free(s); }
};

std::string ZipError(const char* what, zip_error_t* e) {
  std::string text = std::string(what) + ": " + zip_error_strerror(e);
  zip_error_fini(e);
  return text;
}

}  // namespace

bool PngSize(const std::string& png, uint32_t& width, uint32_t& height) {
  // Signature, then the IHDR chunk: length, "IHDR", width, height.
  static const std::string kSignature("\x89PNG\r\n\x1a\n", 8);
  if (png.size() < 24 || png.compare(0, 8, kSignature) != 0 || png.compare(12, 4, "IHDR") != 0) return false;
  width = BigEndian32(png, 16);
  height = BigEndian32(png, 20);
  return width > 0 && height > 0 && width <= 1u << 16 && height <= 1u << 16;
}

void DocxDocument::AddParagraph(int style, std::string text) {
  paragraphs_.push_back({style < 0 || style > 9 ? 0 : style, std::move(text), -1});
}

bool DocxDocument::AddPicture(std::string png) {
  Picture pic;
  if (!PngSize(png, pic.width, pic.height)) return false;
  pic.png = std::move(png);
  pictures_.push_back(std::move(pic));
  paragraphs_.push_back({0, {}, static_cast<int>(pictures_.size() - 1)});
  return true;
}

bool DocxDocument::Package(std::string& bytes, std::string& error) const {
  std::vector<std::pair<std::string, std::string>> parts = {
      {"[Content_Types].xml", detail::ContentTypesXml()},
      {"_rels/.rels", detail::PackageRelsXml()},
      {"docProps/core.xml", detail::CorePropsXml()},
      {"word/document.xml", detail::DocumentXml(*this)},
      {"word/styles.xml", detail::StylesXml()},
      {"word/_rels/document.xml.rels", detail::DocumentRelsXml(pictures_.size())}};
  const size_t xmlParts = parts.size();
  for (size_t i = 0; i < pictures_.size(); ++i)
    parts.emplace_back("word/media/graph" + std::to_string(i + 1) + ".png", pictures_[i].png);

  // The archive is written into a memory buffer, kept after zip_close.
  zip_error_t ze;
  zip_error_init(&ze);
  std::unique_ptr<zip_source_t, SourceFree> buffer(zip_source_buffer_create(nullptr, 0, 0, &ze));
  if (!buffer) {
    error = ZipError("Cannot build the report", &ze);
    return false;
  }
  zip_source_keep(buffer.get());
  zip_t* za = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &ze);
  if (!za) {
    zip_source_free(buffer.get());  // the keep taken above
    error = ZipError("Cannot build the report", &ze);
    return false;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& data = parts[i].second;
    zip_source_t* s = zip_source_buffer(za, data.data(), data.size(), 0);
    const zip_int64_t index = s ? zip_file_add(za, parts[i].first.c_str(), s, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (s) zip_source_free(s);
      error = std::string("Cannot build the report: ") + zip_strerror(za);
      zip_discard(za);
      return false;
    }
    // PNG data is compressed already.
    if (i >= xmlParts) zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  if (zip_close(za) < 0) {
    error = std::string("Cannot build the report: ") + zip_strerror(za);
    zip_discard(za);
    return false;
  }
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_stat(buffer.get(), &st) < 0 || zip_source_open(buffer.get()) < 0) {
    error = "Cannot build the report: the archive cannot be read back";
    return false;
  }
  bytes.resize(static_cast<size_t>(st.size));
  const zip_int64_t got = zip_source_read(buffer.get(), bytes.data(), st.size);
  zip_source_close(buffer.get());
  if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) {
    error = "Cannot build the report: the archive cannot be read back";
    return false;
  }
  return true;
}

}  // namespace vt::report

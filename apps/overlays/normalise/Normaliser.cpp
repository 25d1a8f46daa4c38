#include "Normaliser.h"

#include <minizip/zip.h>

#include <algorithm>
#include <ctime>

#include "KmlLayoutWriter.h"
#include "KmzContent.h"

namespace normalise {
namespace {

namespace stdfs = std::filesystem;

constexpr char kEntryName[] = "doc.kml";

// The entry's DOS date and time from the local clock, as KMZ readers show it.
zip_fileinfo EntryInfo() {
  zip_fileinfo info{};
  const std::time_t now = std::time(nullptr);
  if (const std::tm* local = std::localtime(&now)) {
    info.tmz_date.tm_sec = static_cast<uInt>(local->tm_sec);
    info.tmz_date.tm_min = static_cast<uInt>(local->tm_min);
    info.tmz_date.tm_hour = static_cast<uInt>(local->tm_hour);
    info.tmz_date.tm_mday = static_cast<uInt>(local->tm_mday);
    info.tmz_date.tm_mon = static_cast<uInt>(local->tm_mon);
    info.tmz_date.tm_year = static_cast<uInt>(local->tm_year + 1900);
  }
  return info;
}

bool WriteZip(const stdfs::path& file, const std::string& text) {
  zipFile zip = zipOpen64(file.c_str(), APPEND_STATUS_CREATE);
  if (!zip) return false;
  const zip_fileinfo info = EntryInfo();
  bool ok = zipOpenNewFileInZip64(zip, kEntryName, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  Z_DEFAULT_COMPRESSION, 1) == ZIP_OK;
  constexpr std::size_t kChunk = 1u << 20;
  for (std::size_t at = 0; ok && at < text.size(); at += kChunk)
    ok =
        zipWriteInFileInZip(zip, text.data() + at, static_cast<unsigned>(std::min(kChunk, text.size() - at))) == ZIP_OK;
  ok = zipCloseFileInZip(zip) == ZIP_OK && ok;
  return zipClose(zip, nullptr) == ZIP_OK && ok;
}

// Written beside the target and moved over it, so that a failure leaves
// no half archive, and the input may be the output.
void WriteKmz(const stdfs::path& out, const std::string& text) {
  stdfs::path part = out;
  part += ".part";
  std::error_code ec;
  if (!WriteZip(part, text)) {
    stdfs::remove(part, ec);
    throw NormaliseError("cannot write " + out.string());
  }
  stdfs::rename(part, out, ec);
  if (ec) {
    stdfs::remove(part, ec);
    throw NormaliseError("cannot write " + out.string());
  }
}

NormaliseSummary Summarise(const KmlDocument& document, std::size_t kmlFiles) {
  NormaliseSummary summary;
  summary.kmlFiles = kmlFiles;
  summary.placemarks = document.placemarks.size();
  summary.tuplesPassedOver = document.tuplesPassedOver;
  summary.styles = static_cast<std::size_t>(std::count_if(document.styles.begin(), document.styles.end(),
                                                          [](const KmlStyle& s) { return s.SetsSomething(); }));
  for (const auto& placemark : document.placemarks)
    for (const auto& g : placemark.geometries)
      ++(g.kind == KmlGeometryKind::Point        ? summary.points
         : g.kind == KmlGeometryKind::LineString ? summary.lines
                                                 : summary.rings);
  return summary;
}

}  // namespace

KmlDocument ReadKmlDocument(const stdfs::path& file, std::size_t* kmlFiles) {
  KmlDocument document;
  const auto texts = ReadKmlTexts(file);
  for (const auto& kml : texts) KmlParser::Parse(kml.text, kml.name, document);
  if (kmlFiles) *kmlFiles = texts.size();
  return document;
}

NormaliseSummary NormaliseKmz(const stdfs::path& in, const stdfs::path& out) {
  std::size_t kmlFiles = 0;
  const KmlDocument document = ReadKmlDocument(in, &kmlFiles);
  if (document.placemarks.empty())
    throw NormaliseError(in.filename().string() + ": no placemark with a point, line or polygon");
  WriteKmz(out, KmlLayoutWriter::Write(document));
  return Summarise(document, kmlFiles);
}

}  // namespace normalise

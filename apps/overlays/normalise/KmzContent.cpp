#include "KmzContent.h"

#include <minizip/unzip.h>

#include <array>
#include <fstream>
#include <memory>

#include "KmlParser.h"
#include "frame/PathText.h"
#include "kml/EntryInflation.h"
#include "platform/text/CodePage.h"

namespace normalise {
namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kMaxEntryName = 1024;

bool IsKmlName(std::string_view name) { return platform::text::EqualsIgnoringCase(ExtensionOfPath(name), "kml"); }

std::string Refused(const stdfs::path& file, UnzipProblem problem, const std::string& entry) {
  return file.filename().string() + ": " + DescribeRefusal({problem, entry});
}

// A file that is not an archive may be KML text itself: it begins, after
// any byte order mark and blanks, with '<'.
KmlText ReadPlainKml(const stdfs::path& file) {
  std::error_code ec;
  const auto size = stdfs::file_size(file, ec);
  if (ec) throw NormaliseError(file.string() + ": cannot be read");
  if (size > kMaxKmlBytes) throw NormaliseError(file.filename().string() + ": too large for KML text");
  std::ifstream in(file, std::ios::binary);
  std::string text(static_cast<std::size_t>(size), '\0');
  if (!in.read(text.data(), static_cast<std::streamsize>(size)))
    throw NormaliseError(file.string() + ": cannot be read");
  const auto start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  const auto first = text.find_first_not_of(" \t\r\n", start);
  if (first == std::string::npos || text[first] != '<')
    throw NormaliseError(file.filename().string() + ": neither a ZIP archive nor KML text");
  return {file.filename().string(), std::move(text)};
}

std::string CurrentName(unzFile zip) {
  unz_file_info64 info{};
  std::array<char, kMaxEntryName + 1> name{};
  if (unzGetCurrentFileInfo64(zip, &info, name.data(), kMaxEntryName, nullptr, 0, nullptr, 0) != UNZ_OK) return {};
  return std::string(name.data());
}

class Archive {
 public:
  explicit Archive(const stdfs::path& file) : zip_(unzOpen64(file.c_str())) {}
  ~Archive() {
    if (zip_) unzClose(zip_);
  }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;
  unzFile Handle() const { return zip_; }

 private:
  unzFile zip_;
};

std::vector<KmlText> ReadArchive(const stdfs::path& file, unzFile zip) {
  const std::uint64_t archiveSize = stdfs::file_size(file);
  const InflationLimits limits;
  if (const UnzipProblem problem = ScreenDeclaredSizes(zip, limits, archiveSize); problem != UnzipProblem::None)
    throw NormaliseError(Refused(file, problem, CurrentName(zip)));
  CInflationBudget budget(limits, archiveSize);
  std::uint64_t held = 0;
  std::vector<KmlText> texts;
  for (int result = unzGoToFirstFile(zip); result == UNZ_OK; result = unzGoToNextFile(zip)) {
    std::string name = CurrentName(zip);
    if (!IsKmlName(name)) continue;
    std::string text;
    const UnzipProblem problem = InflateCurrentEntry(zip, nullptr, budget, [&](const char* data, std::size_t size) {
      held += size;
      if (held > kMaxKmlBytes) return false;
      text.append(data, size);
      return true;
    });
    if (held > kMaxKmlBytes)
      throw NormaliseError(file.filename().string() + ": more KML text than the " + std::to_string(kMaxKmlBytes >> 20) +
                           " MiB the normaliser reads");
    if (problem != UnzipProblem::None) throw NormaliseError(Refused(file, problem, name));
    texts.push_back({std::move(name), std::move(text)});
  }
  if (texts.empty()) throw NormaliseError(file.filename().string() + ": no KML file in the archive");
  return texts;
}

}  // namespace

std::vector<KmlText> ReadKmlTexts(const stdfs::path& file) {
  std::error_code ec;
  if (!stdfs::is_regular_file(file, ec)) throw NormaliseError("no such file: " + file.string());
  const Archive archive(file);
  if (!archive.Handle()) return {ReadPlainKml(file)};
  return ReadArchive(file, archive.Handle());
}

}  // namespace normalise

#pragma once
// Reading a PDF back with poppler's command-line tools (Debian
// poppler-utils): its text laid out as on the page, and its page count and
// size.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace export_test {

// What a command prints on standard output.
inline std::string Output(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

inline std::string PdfText(const std::filesystem::path& pdf) {
  return Output("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

// pdfinfo's value of one field ("Pages", "Page size"), trimmed.
inline std::string PdfInfo(const std::filesystem::path& pdf, const std::string& field) {
  const std::string info = Output("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  const std::size_t at = info.find(field + ":");
  if (at == std::string::npos) return {};
  const std::size_t start = info.find_first_not_of(' ', at + field.size() + 1);
  return info.substr(start, info.find('\n', start) - start);
}

}  // namespace export_test

#include "frame/PathText.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

}  // namespace

std::string TrimWhiteSpace(std::string_view text) {
  const auto first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kWhiteSpace);
  return std::string(text.substr(first, last - first + 1));
}

std::string GetPathTitle(std::string_view path) {
  const auto slash = path.find_last_of('\\');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (const auto dot = name.find_last_of('.'); dot != std::string_view::npos) name = name.substr(0, dot);
  return TrimWhiteSpace(name);
}

std::string FolderOfPath(std::string_view path) {
  const auto slash = path.find_last_of('\\');
  if (slash == std::string_view::npos || slash == 0) return {};
  return std::string(path.substr(0, slash + 1));
}

std::string PathWithoutExtension(std::string_view path) {
  return std::string(path.substr(0, path.find_last_of('.')));
}

std::string ExtensionOfPath(std::string_view path) {
  const auto dot = path.find_last_of('.');
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

PathParts SplitPath(std::string_view path) {
  std::string clean;
  for (char c : path)
    if (c != '"') clean += c;
  PathParts parts;
  const auto slash = clean.find_last_of('\\');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  parts.folder = clean.substr(0, nameStart);
  const auto dot = clean.find_last_of('.');
  if (dot == std::string::npos || dot < nameStart) {
    parts.name = clean.substr(nameStart);
  } else {
    parts.name = clean.substr(nameStart, dot - nameStart);
    parts.extension = clean.substr(dot + 1);
  }
  return parts;
}

#pragma once
// Small functions that take Windows paths apart. They work on the text
// alone and never touch the disk.

#include <string>
#include <string_view>

// File name without folder and extension, trimmed of white space.
std::string GetPathTitle(std::string_view path);

// Everything up to and including the last backslash; empty when the last
// backslash is at position 0 or there is none.
std::string FolderOfPath(std::string_view path);

// Everything before the last "." (the whole path when there is none).
std::string PathWithoutExtension(std::string_view path);

// The text after the last "."; empty when there is none.
std::string ExtensionOfPath(std::string_view path);

// A path split into folder (up to and including the last backslash), name
// and extension, with double-quote characters removed first.
struct PathParts {
  std::string folder;
  std::string name;
  std::string extension;
};
PathParts SplitPath(std::string_view path);

// White space trimmed at both ends, as the text classes of the original
// platform trim (space, tab, CR, LF, VT, FF).
std::string TrimWhiteSpace(std::string_view text);

#include "platform/fs/ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "platform/fs/FileSystem.h"

namespace platform::fs {
namespace {

// Unique within the process and between processes writing the same
// folder; the file is opened exclusively all the same.
std::string PartialName(std::string_view path) {
  static std::atomic<unsigned> counter{0};
  return std::string(path) + ".~" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
}

std::string Why(int error) { return error ? std::strerror(error) : "the drive cannot be written"; }

bool WriteAll(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

}  // namespace

bool ReplaceFileWith(std::string_view path, std::string_view bytes, std::string& reason) {
  const std::string partial = PartialName(path);
  errno = 0;
  FilePtr file = OpenFile(partial, "wbx");
  if (!file) {
    reason = "Cannot write " + std::string(path) + ": " + Why(errno);
    return false;
  }
  errno = 0;
  bool written = WriteAll(file.get(), bytes);
  const int writeError = errno;
  written = std::fclose(file.release()) == 0 && written;
  if (!written) {
    DeleteFile(partial);
    reason = "Cannot write " + std::string(path) + ": " + Why(writeError ? writeError : errno);
    return false;
  }
  if (!MoveFile(partial, path, MoveMode::ReplaceExisting)) {
    DeleteFile(partial);
    reason = "Cannot replace " + std::string(path) + " with the new file";
    return false;
  }
  return true;
}

}  // namespace platform::fs

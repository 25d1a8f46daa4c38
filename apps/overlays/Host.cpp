#include "Host.h"

#include "platform/fs/FileSystem.h"

namespace host {

std::string HostPathText(const std::string& windowsPath) {
  const auto host = platform::fs::ToHost(windowsPath);
  return host ? host->string() : "(none)";
}

}  // namespace host

#include "GuiLoader.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <iostream>

#include "platform/qt/GuiEntry.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

constexpr const char* kLibraryName = "liboverlays_qt.so";
constexpr int kFailure = 1;

// Beside the program (a build's own layout or a copied bundle), the
// installed tree's library folder, then the library folder of the build
// that made this program.
std::vector<stdfs::path> LibraryCandidates() {
  std::error_code ec;
  const stdfs::path program = stdfs::read_symlink("/proc/self/exe", ec);
  std::vector<stdfs::path> candidates;
  if (!ec) {
    candidates.push_back(program.parent_path() / kLibraryName);
    candidates.push_back(program.parent_path() / OVERLAYS_QT_INSTALL_LIBDIR / kLibraryName);
  }
  candidates.push_back(stdfs::path(OVERLAYS_QT_BUILD_LIBDIR) / kLibraryName);
  return candidates;
}

void* OpenLibrary() {
  for (const stdfs::path& candidate : LibraryCandidates()) {
    if (!stdfs::exists(candidate)) continue;
    if (void* library = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
    std::cerr << "overlays: --gui cannot load " << candidate.string() << ": " << ::dlerror() << "\n";
    return nullptr;
  }
  std::cerr << "overlays: --gui needs " << kLibraryName << " (the Qt backend), which is not installed beside this program\n";
  return nullptr;
}

bool onScreen = false;

int RunBody(void* context) {
  onScreen = true;
  const int status = (*static_cast<const std::function<int()>*>(context))();
  onScreen = false;
  return status;
}

}  // namespace

bool DialogsOnScreen() { return onScreen; }

bool TakeGuiFlag(std::vector<char*>& args) {
  bool found = false;
  for (auto it = args.begin(); it != args.end() && std::strcmp(*it, "--") != 0;) {
    if (std::strcmp(*it, "--gui") == 0) {
      it = args.erase(it);
      found = true;
    } else {
      ++it;
    }
  }
  return found;
}

int RunWithGui(std::vector<char*>& args, const std::function<int()>& body) {
  void* library = OpenLibrary();
  if (!library) return kFailure;
  auto run = reinterpret_cast<OverlaysQtRun>(::dlsym(library, "overlays_qt_run"));
  if (!run) {
    std::cerr << "overlays: --gui: " << kLibraryName << " has no entry overlays_qt_run\n";
    return kFailure;
  }
  // Qt takes its own options out of the copy; the command reads `args`.
  std::vector<char*> qtArgs = args;
  qtArgs.push_back(nullptr);
  // The library stays loaded: Qt's objects may outlive the entry until exit.
  const int status = run(static_cast<int>(args.size()), qtArgs.data(), RunBody,
                         const_cast<std::function<int()>*>(&body));
  if (status == kOverlaysQtNoDisplay) {
    std::cerr << "overlays: --gui needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set\n";
    return kFailure;
  }
  return status;
}

}  // namespace host

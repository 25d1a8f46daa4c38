#pragma once
// The machine a host runs on, as its --root and --drive options describe
// it: both hosts (the command line and the desktop) take the same options
// and install the same platform from them.

#include <stdexcept>
#include <string>
#include <vector>

namespace host {

struct Options {
  std::string root;                 // --root: a sandbox for every drive and shell folder
  std::vector<std::string> drives;  // --drive L=DIR[,type]
};

// A failure the user should read; the host prints the message and exits
// with status 1.
struct CommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Installs the platform the options describe, with the settings of the
// program "overlays". Called before anything touches a file; throws
// CommandError on a malformed --drive or a sandbox that cannot be made.
void InstallPlatform(const Options& options);

// Module text (Windows-1252) as UTF-8 for the terminal.
std::string Out(const std::string& ansi);
// Terminal text (UTF-8, or Windows-1252 already) as module text.
std::string In(const std::string& terminal);

// The host folder behind a Windows path, or "(none)".
std::string HostPathText(const std::string& windowsPath);

}  // namespace host

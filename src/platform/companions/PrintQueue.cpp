#include "platform/companions/PrintQueue.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/text/CodePage.h"

extern char** environ;

namespace platform::companions {
namespace {

struct Finished {
  bool ran = false;
  int status = -1;
  std::string output;  // standard output and error together
};

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// The C locale makes the tools' answers readable whatever the user's
// language.
std::vector<char*> EnvironmentInC() {
  static std::string cLocale = "LC_ALL=C";
  std::vector<char*> env;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "LC_ALL=", 7) != 0) env.push_back(*e);
  env.push_back(cLocale.data());
  env.push_back(nullptr);
  return env;
}

// Runs a program found on PATH with the arguments as given (no shell) and
// collects what it prints.
Finished Run(std::vector<std::string> arguments) {
  Finished finished;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return finished;
  Descriptor readEnd(fds[0]);
  Descriptor writeEnd(fds[1]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), STDERR_FILENO);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  std::vector<char*> env = EnvironmentInC();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  writeEnd.Close();
  if (spawned != 0) return finished;
  char buffer[4096];
  for (ssize_t n; (n = ::read(readEnd.Get(), buffer, sizeof buffer)) != 0;) {
    if (n > 0)
      finished.output.append(buffer, static_cast<std::size_t>(n));
    else if (errno != EINTR)
      break;
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  finished.ran = WIFEXITED(status);
  finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return finished;
}

// "system default destination: NAME" ("no system default destination"
// when there is none).
std::optional<std::string> SystemDefaultPrinter() {
  const Finished lpstat = Run({"lpstat", "-d"});
  if (!lpstat.ran || lpstat.status != 0) return std::nullopt;
  constexpr std::string_view kPrefix = "system default destination: ";
  const std::size_t at = lpstat.output.find(kPrefix);
  if (at == std::string::npos) return std::nullopt;
  const std::size_t start = at + kPrefix.size();
  std::string name = lpstat.output.substr(start, lpstat.output.find_first_of("\r\n", start) - start);
  if (name.empty()) return std::nullopt;
  return name;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// lp takes the document from a file; the spooler has its own copy by the
// time lp returns, so the file is removed then.
bool PrintOnSystemQueue(const std::string& printer, std::string_view pdf, std::string_view title, std::string& reason) {
  std::string file = (std::filesystem::temp_directory_path() / "overlays-print-XXXXXX.pdf").string();
  Descriptor fd(::mkstemps(file.data(), 4));
  if (fd.Get() < 0) {
    reason = std::string("Cannot make a file for the printer: ") + std::strerror(errno);
    return false;
  }
  const bool written = ::write(fd.Get(), pdf.data(), pdf.size()) == static_cast<ssize_t>(pdf.size());
  fd.Close();
  Finished lp;
  if (written) lp = Run({"lp", "-d", printer, "-t", platform::text::Utf8FromAnsi(title), "--", file});
  ::unlink(file.c_str());
  if (!written) {
    reason = "Cannot make a file for the printer";
    return false;
  }
  if (lp.ran && lp.status == 0) return true;
  reason = lp.ran ? "The printer refused the job: " + FirstLine(lp.output) : "Cannot run lp";
  return false;
}

PrintQueue& Installed() {
  thread_local PrintQueue queue = SystemPrintQueue();
  return queue;
}

}  // namespace

PrintQueue SystemPrintQueue() { return {SystemDefaultPrinter, PrintOnSystemQueue}; }

const PrintQueue& CurrentPrintQueue() { return Installed(); }

ScopedPrintQueue::ScopedPrintQueue(PrintQueue queue) : previous_(std::exchange(Installed(), std::move(queue))) {}

ScopedPrintQueue::~ScopedPrintQueue() { Installed() = std::move(previous_); }

}  // namespace platform::companions

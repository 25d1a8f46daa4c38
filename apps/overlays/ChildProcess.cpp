#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "Host.h"

extern char** environ;

namespace host {
namespace {

// Both ends of a pipe, closed on every path out.
class Pipe {
 public:
  Pipe() {
    if (::pipe2(ends_.data(), O_CLOEXEC) != 0) throw CommandError(std::string("cannot make a pipe: ") + std::strerror(errno));
  }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  int Read() const { return ends_[0]; }
  int Write() const { return ends_[1]; }
  void CloseRead() { Close(ends_[0]); }
  void CloseWrite() { Close(ends_[1]); }

 private:
  static void Close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  std::array<int, 2> ends_{-1, -1};
};

// Reads both pipes to their ends together, so that a child filling one
// while the other is waited on cannot stall.
void Drain(Pipe& out, Pipe& err, ChildOutput& result) {
  std::array<pollfd, 2> fds{{{out.Read(), POLLIN, 0}, {err.Read(), POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  std::array<char, 4096> buffer{};
  int open = 2;
  while (open > 0) {
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = ::read(fds[i].fd, buffer.data(), buffer.size());
      if (n > 0) {
        sinks[i]->append(buffer.data(), static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return 128;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

ChildOutput ChildProcess::RunSelf(const std::vector<std::string>& args) {
  std::vector<std::string> words{"overlays"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  Pipe out, err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out.Write(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.Write(), STDERR_FILENO);
  pid_t pid = 0;
  const int failed = ::posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw CommandError(std::string("cannot run this program again: ") + std::strerror(failed));
  out.CloseWrite();
  err.CloseWrite();
  ChildOutput result;
  Drain(out, err, result);
  result.status = WaitFor(pid);
  return result;
}

}  // namespace host

#include "app/exit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <iterator>

#include "app/tabla.h"

namespace kvadrix::app {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipe_fds[2] = {-1, -1};
struct sigaction previous[std::size(kSignals)];

void WriteSignal(int signal) {
  const int saved_errno = errno;  // the interrupted code may be reading it
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(pipe_fds[1], &byte, 1);
  errno = saved_errno;
}

}  // namespace

ExitSignals::ExitSignals(std::function<void(int)> on_signal, QObject* parent)
    : QObject(parent), on_signal_(std::move(on_signal)) {
  if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(pipe_fds[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });
  struct sigaction action {};
  action.sa_handler = WriteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // a save's system calls go on as if nothing happened
  for (size_t i = 0; i < std::size(kSignals); ++i) {
    ::sigaction(kSignals[i], nullptr, &previous[i]);
    // A signal the starter chose to ignore (`nohup` ignores SIGHUP) stays ignored.
    if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
  }
}

ExitSignals::~ExitSignals() {
  for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
  if (pipe_fds[0] >= 0) ::close(pipe_fds[0]);
  if (pipe_fds[1] >= 0) ::close(pipe_fds[1]);
  pipe_fds[0] = pipe_fds[1] = -1;
}

void ExitSignals::Drain() {
  unsigned char byte;
  while (::read(pipe_fds[0], &byte, 1) == 1) on_signal_(byte);
}

void EndOnSignal(TTabla& window, int signal) {
  const std::string failure = window.StoreGameInPlay();
  if (!failure.empty()) std::fprintf(stderr, "kvadrix: %s\n", failure.c_str());
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

}  // namespace kvadrix::app

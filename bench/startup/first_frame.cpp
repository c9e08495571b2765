// first_frame [--peak] PROGRAM [ARG...]: starts PROGRAM on the X display of $DISPLAY and prints
// the microseconds from its exec to its first frame, then ends it. With --peak it lets the
// program settle first (asleep, and no CPU time spent for half a second: work it does after its
// first frame, such as loading tables in the background, is done) and prints its peak resident
// memory in kilobytes after the time.
//
// The first frame is the first drawing into one of the program's top-level windows, as the X
// server's Damage extension reports it. Nothing inside the program is asked, so the game and the
// baseline window are timed the same way, and the time includes everything a user waits for:
// loading, building the window, styling, laying out, painting and the copy to the screen. Qt
// windows have no server-drawn background, so mapping one reports no damage of its own; the
// first report is the toolkit's first flush of the whole window.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr double kGiveUpSeconds = 60;

double Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Waits for the next event until the deadline; false when none came in time.
bool NextEvent(Display* display, XEvent* event, double deadline) {
  while (XPending(display) == 0) {
    const double left = deadline - Now();
    if (left <= 0) return false;
    const int fd = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval wait{long(left), long((left - long(left)) * 1e6)};
    select(fd + 1, &readable, nullptr, nullptr, &wait);
  }
  XNextEvent(display, event);
  return true;
}

// The process's state letter and its CPU ticks so far, from /proc; state 0 once it is gone.
struct ProcessProgress {
  char state = 0;
  unsigned long long ticks = 0;
};

ProcessProgress ReadProgress(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  ProcessProgress progress;
  if (!std::getline(in, line)) return progress;
  // The command name may hold spaces; the fields after it are space separated.
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string skip;
  fields >> progress.state;
  for (int field = 4; field <= 13; ++field) fields >> skip;
  unsigned long long user = 0, system = 0;
  fields >> user >> system;
  progress.ticks = user + system;
  return progress;
}

// Waits until the program sleeps and spent no CPU time for half a second, or the deadline.
void WaitUntilSettled(pid_t pid, double deadline) {
  ProcessProgress last = ReadProgress(pid);
  int quiet_polls = 0;
  while (quiet_polls < 5 && Now() < deadline) {
    usleep(100000);
    const ProcessProgress now = ReadProgress(pid);
    if (now.state == 0) return;
    quiet_polls = (now.state == 'S' && now.ticks == last.ticks) ? quiet_polls + 1 : 0;
    last = now;
  }
}

// A window can be gone before its damage request arrives; that is no failure of the timing.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char* argv[]) {
  const bool peak = argc > 1 && std::strcmp(argv[1], "--peak") == 0;
  if (peak) {
    --argc;
    ++argv;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_frame [--peak] PROGRAM [ARG...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_frame: cannot open the display\n");
    return 2;
  }
  int damage_event = 0, damage_error = 0;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
    std::fprintf(stderr, "first_frame: the X server has no Damage extension\n");
    return 2;
  }
  XSetErrorHandler(IgnoreError);
  const Window root = DefaultRootWindow(display);
  // New top-level windows are announced before the program can draw into them.
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = Now();
  const pid_t child = fork();
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    std::perror("first_frame: exec");
    _exit(127);
  }

  double frame = 0;
  XEvent event;
  while (frame == 0 && NextEvent(display, &event, start + kGiveUpSeconds)) {
    if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
      XFlush(display);
    } else if (event.type == damage_event + XDamageNotify) {
      frame = Now();
    }
  }
  if (frame != 0 && peak) WaitUntilSettled(child, frame + kGiveUpSeconds);
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (frame == 0) {
    std::fprintf(stderr, "first_frame: %s drew nothing within %.0f s\n", argv[1], kGiveUpSeconds);
    return 1;
  }
  if (peak) {
    std::printf("%.0f %ld\n", (frame - start) * 1e6, usage.ru_maxrss);
  } else {
    std::printf("%.0f\n", (frame - start) * 1e6);
  }
  return 0;
}

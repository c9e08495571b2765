// first_frame PROGRAM [ARG...]: starts PROGRAM on the X display of $DISPLAY and prints the
// microseconds from its exec to its first frame, then ends it.
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
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

// A window can be gone before its damage request arrives; that is no failure of the timing.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_frame PROGRAM [ARG...]\n");
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
  kill(child, SIGTERM);
  int status = 0;
  waitpid(child, &status, 0);
  XCloseDisplay(display);
  if (frame == 0) {
    std::fprintf(stderr, "first_frame: %s drew nothing within %.0f s\n", argv[1], kGiveUpSeconds);
    return 1;
  }
  std::printf("%.0f\n", (frame - start) * 1e6);
  return 0;
}

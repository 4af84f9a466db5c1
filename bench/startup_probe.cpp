// Starts a program on the current X display and reports, as one line of
// "milliseconds peak_rss_kib", the time from exec to the first drawing into
// its top-level window (seen through the DAMAGE extension) and the peak
// resident memory of the process, which is ended right after that paint plus a
// settling time (so that work done just after the first frame still counts
// towards memory).
//
//   startup_probe [--settle-ms N] program [args...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  int settleMs = 300;
  if (argc > 2 && std::strcmp(argv[1], "--settle-ms") == 0) {
    settleMs = std::atoi(argv[2]);
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: startup_probe [--settle-ms N] program [args...]\n");
    return 2;
  }
  // A server just started may not take connections yet.
  Display* dpy = XOpenDisplay(nullptr);
  for (int i = 0; dpy == nullptr && i < 50; ++i) {
    usleep(100000);
    dpy = XOpenDisplay(nullptr);
  }
  if (dpy == nullptr) {
    std::fprintf(stderr, "startup_probe: cannot open the X display\n");
    return 2;
  }
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
    std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
    return 2;
  }
  const Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);

  const double start = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[first], argv + first);
    _exit(127);
  }
  if (pid < 0) return 2;

  double painted = -1;
  const double deadline = start + 20000;
  const int fd = ConnectionNumber(dpy);
  while (painted < 0 && NowMs() < deadline) {
    while (XPending(dpy) > 0) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
        // Watch every top-level window the program maps; the first damage on
        // any of them is its first frame.
        XDamageCreate(dpy, ev.xmap.window, XDamageReportNonEmpty);
        XSync(dpy, False);
      } else if (ev.type == damageEvent + XDamageNotify) {
        painted = NowMs();
        break;
      }
    }
    if (painted >= 0) break;
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, 5);
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "startup_probe: the program ended before it painted\n");
      return 1;
    }
  }
  if (painted < 0) {
    kill(pid, SIGKILL);
    std::fprintf(stderr, "startup_probe: no paint within 20 s\n");
    return 1;
  }
  usleep(static_cast<useconds_t>(settleMs) * 1000);
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  std::printf("%.2f %ld\n", painted - start, usage.ru_maxrss);
  XCloseDisplay(dpy);
  return 0;
}

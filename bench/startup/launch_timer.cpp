// Times one launch of a program on the X display: from the fork to the MapNotify of the first
// window it maps, and to the "ready" line it prints. Prints "MAPPED_US READY_US" and ends the
// program. The map is seen from the X events of the root window as the server sends them, not by
// polling the window list.
// Usage: launch_timer PROGRAM [ARGUMENT...]   (with TARVO_REPORT_READY=1 in the environment)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

long long microsecondsNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
}

// The process that owns `window`, from the _NET_WM_PID that Qt sets before it maps a window;
// -1 when the window does not tell.
long ownerOf(Display* display, Window window) {
  static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  long pid = -1;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
          Success &&
      data != nullptr && format == 32 && count == 1) {
    pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data != nullptr) XFree(data);
  return pid;
}

int fail(const char* what) {
  std::fprintf(stderr, "launch_timer: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) return fail("usage: launch_timer PROGRAM [ARGUMENT...]");
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return fail("cannot open the display");
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  int output[2];
  if (pipe(output) != 0) return fail("no pipe");

  const long long start = microsecondsNow();
  const pid_t child = fork();
  if (child < 0) return fail("cannot fork");
  if (child == 0) {
    close(output[0]);
    dup2(output[1], STDOUT_FILENO);
    close(output[1]);
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  close(output[1]);

  long long mapped = -1;
  long long ready = -1;
  std::string printed;
  pollfd watched[2] = {{ConnectionNumber(display), POLLIN, 0}, {output[0], POLLIN, 0}};
  while (mapped < 0 || ready < 0) {
    // Events already read from the connection are not signalled by poll: take them first.
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      const long long now = microsecondsNow();
      if (event.type == MapNotify && mapped < 0 && ownerOf(display, event.xmap.window) == child) mapped = now - start;
    }
    if (mapped >= 0 && ready >= 0) break;
    if (poll(watched, 2, 20'000) <= 0) break;
    if (watched[1].revents != 0) {
      char buffer[256];
      const ssize_t got = read(output[0], buffer, sizeof buffer);
      if (got <= 0) break;  // the program ended or closed its output
      printed.append(buffer, static_cast<std::size_t>(got));
      if (ready < 0 && printed.find("ready\n") != std::string::npos) ready = microsecondsNow() - start;
    }
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  if (mapped < 0 || ready < 0) {
    std::fprintf(stderr, "launch_timer: %s: %s within 20 s; it printed \"%s\"\n", argv[1],
                 mapped < 0 ? "no window mapped" : "no ready line", printed.c_str());
    return 1;
  }
  std::printf("%lld %lld\n", mapped, ready);
  return 0;
}

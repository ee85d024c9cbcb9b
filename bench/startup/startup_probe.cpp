// Measures how long programs take from their start until their first window
// is drawn, and their peak resident memory, alternating the contenders in one
// run on the X display of $DISPLAY (Xvfb, no window manager).
//
// "Drawn" is the moment the window's pixels first equal what the window shows
// once settled: a warm-up run of each contender takes that picture after two
// seconds. Each timed run then compares the window's pixels with it once when
// the window is mapped and again whenever the X server reports that the window
// was drawn to (the DAMAGE extension). Reading the whole window every fraction
// of a millisecond instead kept the X server busy, so that a program that
// draws after it is mapped waited behind the probe. Peak memory is the child's ru_maxrss, read when it is ended a moment
// after it was drawn, and the CPU time it used until then (user and system),
// which a loaded machine disturbs less than the wall-clock times.
//
// Usage: startup_probe ROUNDS NAME=PROGRAM [NAME=PROGRAM...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Contender {
  std::string name, program;
  std::vector<unsigned char> settled;  // the reference picture
  int width = 0, height = 0;
  std::vector<double> drawnMs, mappedMs, peakKb, cpuMs;
};

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

std::vector<unsigned char> pixels(Display* d, Window w, int width, int height) {
  XImage* image = XGetImage(d, w, 0, 0, width, height, AllPlanes, ZPixmap);
  if (!image) return {};
  std::vector<unsigned char> out(static_cast<std::size_t>(image->bytes_per_line) * height);
  std::memcpy(out.data(), image->data, out.size());
  XDestroyImage(image);
  return out;
}

// The first top-level window mapped after the start, with its size.
Window awaitMapped(Display* d, int& width, int& height, double limitMs, Clock::time_point t0) {
  while (msSince(t0) < limitMs) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type != MapNotify) continue;
      XWindowAttributes a;
      if (!XGetWindowAttributes(d, e.xmap.window, &a) || a.width < 50 || a.override_redirect) continue;
      width = a.width;
      height = a.height;
      return e.xmap.window;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return 0;
}

pid_t start(const std::string& program) {
  pid_t pid = 0;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
  return pid;
}

struct Usage {
  double peakKb, cpuMs;
};

double ms(const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; }

Usage endAndUsage(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  return {static_cast<double>(usage.ru_maxrss), ms(usage.ru_utime) + ms(usage.ru_stime)};
}

// The first damage event's number, from the server.
int damageEvent = 0;

bool runOnce(Display* d, Contender& c, bool warmUp) {
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, True);
  const auto t0 = Clock::now();
  const pid_t pid = start(c.program);
  if (pid < 0) return false;
  int width = 0, height = 0;
  const Window w = awaitMapped(d, width, height, 20000, t0);
  const double mapped = msSince(t0);
  XSelectInput(d, DefaultRootWindow(d), NoEventMask);
  if (!w) {
    endAndUsage(pid);
    return false;
  }
  if (warmUp) {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    c.settled = pixels(d, w, width, height);
    c.width = width;
    c.height = height;
    endAndUsage(pid);
    return !c.settled.empty();
  }
  // Damage is taken away before each reading, so that what is drawn after
  // it is reported again.
  const Damage damage = XDamageCreate(d, w, XDamageReportNonEmpty);
  double drawn = -1;
  bool drawnTo = true;  // it may have been drawn before the damage was watched
  while (msSince(t0) < 20000) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == damageEvent + XDamageNotify) drawnTo = true;
    }
    if (drawnTo) {
      drawnTo = false;
      XDamageSubtract(d, damage, None, None);
      if (width == c.width && height == c.height && pixels(d, w, width, height) == c.settled) {
        drawn = msSince(t0);
        break;
      }
      continue;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  XDamageDestroy(d, damage);
  XSync(d, False);  // before the window goes with the program, and the damage with it
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const Usage usage = endAndUsage(pid);
  if (drawn < 0) return false;
  c.mappedMs.push_back(mapped);
  c.drawnMs.push_back(drawn);
  c.peakKb.push_back(usage.peakKb);
  c.cpuMs.push_back(usage.cpuMs);
  return true;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s ROUNDS NAME=PROGRAM...\n", argv[0]);
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  std::vector<Contender> contenders;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto eq = arg.find('=');
    if (eq == std::string::npos) return 2;
    Contender c;
    c.name = arg.substr(0, eq);
    c.program = arg.substr(eq + 1);
    contenders.push_back(std::move(c));
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "no display\n");
    return 2;
  }
  int damageError = 0;
  if (!XDamageQueryExtension(d, &damageEvent, &damageError)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 2;
  }
  int major = 1, minor = 1;
  XDamageQueryVersion(d, &major, &minor);
  for (Contender& c : contenders)
    if (!runOnce(d, c, true)) {
      std::fprintf(stderr, "%s: no window\n", c.name.c_str());
      return 1;
    }
  for (int r = 0; r < rounds; ++r)
    for (std::size_t k = 0; k < contenders.size(); ++k) {
      // Alternate who goes first.
      Contender& c = contenders[(k + r) % contenders.size()];
      if (!runOnce(d, c, false)) std::fprintf(stderr, "%s: round %d not drawn\n", c.name.c_str(), r);
    }
  std::printf("%-10s %6s %22s %22s %20s %12s\n", "program", "runs", "mapped ms med (lo-hi)", "drawn ms med (lo-hi)",
              "CPU ms med (lo-hi)", "peak MB med");
  for (const Contender& c : contenders) {
    const auto [lo, hi] = std::minmax_element(c.drawnMs.begin(), c.drawnMs.end());
    const auto [mlo, mhi] = std::minmax_element(c.mappedMs.begin(), c.mappedMs.end());
    const auto [clo, chi] = std::minmax_element(c.cpuMs.begin(), c.cpuMs.end());
    if (c.drawnMs.empty()) continue;
    std::printf("%-10s %6zu %8.1f (%5.1f-%6.1f) %8.1f (%5.1f-%6.1f) %6.1f (%5.1f-%5.1f) %12.1f\n", c.name.c_str(),
                c.drawnMs.size(), median(c.mappedMs), *mlo, *mhi, median(c.drawnMs), *lo, *hi, median(c.cpuMs), *clo,
                *chi, median(c.peakKb) / 1024.0);
  }
  // The first contender against each of the others.
  for (std::size_t k = 1; k < contenders.size(); ++k) {
    const Contender &a = contenders[0], &b = contenders[k];
    if (a.drawnMs.empty() || b.drawnMs.empty()) continue;
    std::printf("ratio %s / %s: time %.2f, CPU %.2f, memory %.2f\n", a.name.c_str(), b.name.c_str(),
                median(a.drawnMs) / median(b.drawnMs), median(a.cpuMs) / median(b.cpuMs),
                median(a.peakKb) / median(b.peakKb));
  }
  XCloseDisplay(d);
  return 0;
}

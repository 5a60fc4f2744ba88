/* Starts a program and reports, from the X server's own MapNotify event, how
 * long it took to map its first top-level window, the CPU time it had used at
 * that moment and its resident memory a while later:
 *   map_probe SECONDS CLOSE-COMMAND PROGRAM [ARGS...]
 * prints "map_ms cpu_ms rss_kb" on one line. CLOSE-COMMAND (run by the shell,
 * "" for none) asks the program to end; it is then terminated if it has not. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

/* A program that has mapped nothing by then is stuck, not slow. */
enum { kGiveUpMs = 20000 };

static double NowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Time on a CPU of every thread the process has now, from the scheduler's
 * nanosecond counters (the tick counts of /proc/PID/stat are 10 ms coarse). */
static double CpuMs(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
  DIR* tasks = opendir(path);
  if (tasks == NULL) return -1;
  double total = 0;
  struct dirent* task;
  while ((task = readdir(tasks)) != NULL) {
    if (task->d_name[0] == '.') continue;
    char stat[300];
    snprintf(stat, sizeof stat, "%s/%s/schedstat", path, task->d_name);
    FILE* f = fopen(stat, "r");
    if (f == NULL) continue;
    unsigned long long ns = 0;
    if (fscanf(f, "%llu", &ns) == 1) total += ns / 1e6;
    fclose(f);
  }
  closedir(tasks);
  return total;
}

static long RssKb(pid_t pid) {
  char path[64], line[256];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (f == NULL) return -1;
  long kb = -1;
  while (fgets(line, sizeof line, f) != NULL) {
    if (strncmp(line, "VmRSS:", 6) == 0) kb = atol(line + 6);
  }
  fclose(f);
  return kb;
}

static int Exited(pid_t pid, int waitMs) {
  for (int waited = 0; waited <= waitMs; waited += 10) {
    if (waitpid(pid, NULL, WNOHANG) == pid) return 1;
    usleep(10000);
  }
  return 0;
}

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: map_probe SECONDS CLOSE-COMMAND PROGRAM [ARGS...]\n");
    return 2;
  }
  const double settleSeconds = atof(argv[1]);
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "map_probe: no display\n");
    return 1;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[3], argv + 3);
    _exit(127);
  }
  double mapMs = -1, cpuMs = -1;
  while (mapMs < 0) {
    /* Poll the connection with a short wait so that a program that dies
     * before mapping anything ends the probe. */
    while (XPending(display) == 0) {
      if (waitpid(child, NULL, WNOHANG) == child) {
        fprintf(stderr, "map_probe: %s ended before it mapped a window\n", argv[3]);
        return 1;
      }
      if (NowMs() - start > kGiveUpMs) {
        fprintf(stderr, "map_probe: %s mapped no window in %d s\n", argv[3], kGiveUpMs / 1000);
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
        return 1;
      }
      fd_set fds;
      FD_ZERO(&fds);
      FD_SET(ConnectionNumber(display), &fds);
      struct timeval tick = {0, 2000};
      select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &tick);
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
      mapMs = NowMs() - start;
      cpuMs = CpuMs(child);
    }
  }
  usleep((useconds_t)(settleSeconds * 1e6));
  const long rssKb = RssKb(child);
  printf("%.1f %.1f %ld\n", mapMs, cpuMs, rssKb);
  fflush(stdout);

  if (argv[2][0] != '\0' && system(argv[2]) != 0) fprintf(stderr, "map_probe: close failed\n");
  if (!Exited(child, 5000)) {
    kill(child, SIGTERM);
    if (!Exited(child, 2000)) {
      kill(child, SIGKILL);
      waitpid(child, NULL, 0);
    }
  }
  XCloseDisplay(display);
  return 0;
}

/* Starts a program on the X display in DISPLAY and measures it from outside: time to its first
 * frame (a chosen pixel turning a chosen colour), CPU while idle, peak memory. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Now(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

static void SleepMs(long ms) {
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

/* utime + stime of the process, in clock ticks; -1 when it is gone. */
static long CpuTicks(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* file = fopen(path, "r");
    if (file == NULL) {
        return -1;
    }
    char buffer[1024];
    size_t length = fread(buffer, 1, sizeof buffer - 1, file);
    fclose(file);
    buffer[length] = '\0';
    /* The command name may hold spaces; the fields after it start behind the last ')'. */
    char* fields = strrchr(buffer, ')');
    if (fields == NULL) {
        return -1;
    }
    unsigned long utime = 0, stime = 0;
    /* state ppid pgrp session tty tpgid flags minflt cminflt majflt cmajflt utime stime */
    if (sscanf(fields + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime,
               &stime) != 2) {
        return -1;
    }
    return (long)(utime + stime);
}

/* Time the process has spent running on a CPU, in milliseconds (its threads included); -1 when
 * it is gone. Less disturbed by other load on the machine than the wall-clock time. */
static double CpuMs(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/schedstat", (int)pid);
    FILE* file = fopen(path, "r");
    if (file == NULL) {
        return -1;
    }
    unsigned long long nanoseconds = 0;
    int read = fscanf(file, "%llu", &nanoseconds);
    fclose(file);
    return read == 1 ? nanoseconds / 1e6 : -1;
}

static long PeakRssKb(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    if (file == NULL) {
        return -1;
    }
    char line[256];
    long value = -1;
    while (fgets(line, sizeof line, file) != NULL) {
        if (sscanf(line, "VmHWM: %ld kB", &value) == 1) {
            break;
        }
    }
    fclose(file);
    return value;
}

/* Ends the child: SIGTERM, then SIGKILL after two seconds. Returns its exit status text. */
static int EndChild(pid_t pid, char* description, size_t size) {
    kill(pid, SIGTERM);
    int status = 0;
    for (int waited = 0; waited < 200; ++waited) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            if (WIFEXITED(status)) {
                snprintf(description, size, "%d", WEXITSTATUS(status));
            } else {
                snprintf(description, size, "signal%d", WTERMSIG(status));
            }
            return 0;
        }
        SleepMs(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    snprintf(description, size, "killed");
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 7 || strcmp(argv[5], "--") != 0) {
        fprintf(stderr, "usage: startup_probe X Y RRGGBB IDLE_SECONDS -- PROGRAM [ARGS...]\n");
        return 2;
    }
    int x = atoi(argv[1]);
    int y = atoi(argv[2]);
    unsigned long colour = strtoul(argv[3], NULL, 16);
    int idleSeconds = atoi(argv[4]);

    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);

    double start = Now();
    pid_t pid = fork();
    if (pid == 0) {
        /* The program's own output would mix with the report. */
        if (freopen("/dev/null", "w", stdout) == NULL) {
            _exit(127);
        }
        execvp(argv[6], argv + 6);
        _exit(127);
    }
    double firstFrame = -1;
    double firstFrameCpu = -1;
    while (Now() - start < 10000) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image != NULL) {
            unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
            XDestroyImage(image);
            if (pixel == colour) {
                firstFrame = Now() - start;
                firstFrameCpu = CpuMs(pid);
                break;
            }
        }
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "startup_probe: the program ended before its first frame\n");
            return 1;
        }
        SleepMs(1);
    }
    XCloseDisplay(display);
    if (firstFrame < 0) {
        char ended[32];
        EndChild(pid, ended, sizeof ended);
        fprintf(stderr, "startup_probe: no frame within 10 s\n");
        return 1;
    }

    /* Let start-up work finish, then count the CPU time of a quiet period. */
    SleepMs(500);
    long before = CpuTicks(pid);
    SleepMs(idleSeconds * 1000L);
    long after = CpuTicks(pid);
    long peak = PeakRssKb(pid);
    char ended[32];
    int killed = EndChild(pid, ended, sizeof ended);
    printf("first_frame_ms=%.1f first_frame_cpu_ms=%.1f idle_cpu_ticks=%ld peak_rss_kb=%ld exit=%s\n",
           firstFrame, firstFrameCpu, after - before, peak, ended);
    return killed;
}

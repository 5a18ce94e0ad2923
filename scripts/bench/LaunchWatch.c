// Times a program from its spawn to a change of its X window, from outside the Wine session:
//   launch_watch map|resize TITLE TIMEOUT_MS program [args...]
// map: until a window named TITLE is first mapped; resize: until such a window, once mapped,
// takes a size other than the one it was mapped with. Prints the milliseconds, or -1 on timeout.
// The windows are watched through the root window's structure events, so no polling interval
// adds to the time. The program is killed (its process group) once the answer is known.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static int Named(Display* d, Window w, const char* title) {
    char* name = NULL;
    int same = XFetchName(d, w, &name) && name && strcmp(name, title) == 0;
    if (name) XFree(name);
    return same;
}

int main(int argc, char** argv) {
    if (argc < 5) {
        fprintf(stderr, "usage: %s map|resize TITLE TIMEOUT_MS program [args...]\n", argv[0]);
        return 2;
    }
    int resize = strcmp(argv[1], "resize") == 0;
    const char* title = argv[2];
    double timeout = atof(argv[3]);
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    // The program's own output goes to a file, or nowhere: never into ours.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const char* log = getenv("LAUNCH_WATCH_LOG");
    posix_spawn_file_actions_addopen(&files, 1, log ? log : "/dev/null", O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    pid_t child;
    double start = NowMs();
    if (posix_spawnp(&child, argv[4], &files, &attr, argv + 4, environ) != 0) return 2;

    Window watched = 0;
    int mappedWidth = 0, mappedHeight = 0;
    double answer = -1;
    int fd = ConnectionNumber(d);
    while (answer < 0 && NowMs() - start < timeout) {
        while (answer < 0 && XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            double at = NowMs();
            if (e.type == MapNotify && !watched && Named(d, e.xmap.window, title)) {
                XWindowAttributes a;
                if (!XGetWindowAttributes(d, e.xmap.window, &a)) continue;
                if (!resize) {
                    answer = at - start;
                } else {
                    watched = e.xmap.window;
                    mappedWidth = a.width;
                    mappedHeight = a.height;
                }
            } else if (e.type == ConfigureNotify && watched && e.xconfigure.window == watched &&
                       (e.xconfigure.width != mappedWidth || e.xconfigure.height != mappedHeight)) {
                answer = at - start;
            }
        }
        if (answer >= 0) break;
        fd_set read;
        FD_ZERO(&read);
        FD_SET(fd, &read);
        struct timeval wait = {0, 20000};
        select(fd + 1, &read, NULL, NULL, &wait);
    }
    printf("%.1f\n", answer);
    fflush(stdout);
    kill(-child, SIGKILL);
    waitpid(child, NULL, 0);
    XCloseDisplay(d);
    return answer < 0 ? 1 : 0;
}

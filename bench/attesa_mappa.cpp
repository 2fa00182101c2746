// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and waits for the X server to map its first top-level
// window, then ends the program.
//   attesa_mappa <program> [arguments...]
//       prints: ms from exec to the map, resident kB then, resident kB 1 s later,
//       shared libraries loaded at the map
//   attesa_mappa --cpu <program> [arguments...]
//       prints: ms from exec to the map, CPU ms (user + system, all threads)
//       the program used up to the map, stopped right there
// The CPU figure hardly moves when other work shares the machine; the wall
// time does.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Orologio = std::chrono::steady_clock;

long residente(pid_t pid) {
    std::ifstream stato("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(stato, riga)) {
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::stol(riga.substr(6));
    }
    return -1;
}

// Shared libraries in the process's memory map, each counted once.
int librerie(pid_t pid) {
    std::ifstream mappa("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> viste;
    std::string riga;
    while (std::getline(mappa, riga)) {
        const std::string::size_type barra = riga.find('/');
        if (barra == std::string::npos)
            continue;
        const std::string file = riga.substr(barra);
        const std::string nome = file.substr(file.rfind('/') + 1);
        if (nome.find(".so") != std::string::npos)
            viste.insert(file);
    }
    return int(viste.size());
}

// The pid a window says it belongs to, or 0.
pid_t proprietario(Display* schermo, Window finestra) {
    static const Atom netWmPid = XInternAtom(schermo, "_NET_WM_PID", False);
    Atom tipo = None;
    int formato = 0;
    unsigned long quanti = 0;
    unsigned long avanzo = 0;
    unsigned char* dati = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(schermo, finestra, netWmPid, 0, 1, False, XA_CARDINAL, &tipo, &formato,
                           &quanti, &avanzo, &dati) == Success &&
        dati) {
        if (tipo == XA_CARDINAL && formato == 32 && quanti == 1)
            pid = pid_t(*reinterpret_cast<unsigned long*>(dati));
        XFree(dati);
    }
    return pid;
}

// A window may be gone by the time its owner is asked for; Xlib's own handler
// would end this program for that.
int ignoraErrore(Display*, XErrorEvent*) {
    return 0;
}

double millisecondi(const timeval& t) {
    return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0;
}

// False when the program ended, or showed nothing for 30 s.
bool attendiMappa(Display* schermo, pid_t figlio, Orologio::time_point inizio, const char* nome) {
    for (;;) {
        while (XPending(schermo)) {
            XEvent evento;
            XNextEvent(schermo, &evento);
            if (evento.type == MapNotify && !evento.xmap.override_redirect &&
                proprietario(schermo, evento.xmap.window) == figlio)
                return true;
        }
        int stato = 0;
        if (waitpid(figlio, &stato, WNOHANG) == figlio) {
            std::fprintf(stderr, "attesa_mappa: %s ended before showing a window\n", nome);
            return false;
        }
        if (Orologio::now() - inizio > std::chrono::seconds(30)) {
            std::fprintf(stderr, "attesa_mappa: %s showed no window in 30 s\n", nome);
            kill(figlio, SIGKILL);
            waitpid(figlio, &stato, 0);
            return false;
        }
        pollfd attesa{ConnectionNumber(schermo), POLLIN, 0};
        poll(&attesa, 1, 20);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    int primo = 1;
    const bool cpu = argc > 1 && std::strcmp(argv[1], "--cpu") == 0;
    if (cpu)
        ++primo;
    if (argc <= primo) {
        std::fprintf(stderr, "usage: %s [--cpu] <program> [arguments...]\n", argv[0]);
        return 2;
    }
    Display* schermo = XOpenDisplay(nullptr);
    if (!schermo) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    XSetErrorHandler(ignoraErrore);
    XSelectInput(schermo, DefaultRootWindow(schermo), SubstructureNotifyMask);
    XSync(schermo, False);

    const auto inizio = Orologio::now();
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(ConnectionNumber(schermo));
        execvp(argv[primo], argv + primo);
        std::fprintf(stderr, "%s: cannot run %s: %s\n", argv[0], argv[primo], std::strerror(errno));
        _exit(127);
    }
    if (!attendiMappa(schermo, figlio, inizio, argv[primo])) {
        XCloseDisplay(schermo);
        return 1;
    }
    const double tempo =
        std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count();
    int stato = 0;
    if (cpu) {
        // Killed at once, so the count stops at the map.
        kill(figlio, SIGKILL);
        rusage uso{};
        wait4(figlio, &stato, 0, &uso);
        std::printf("%.2f %.2f\n", tempo, millisecondi(uso.ru_utime) + millisecondi(uso.ru_stime));
    } else {
        const long subito = residente(figlio);
        const int caricate = librerie(figlio);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long dopo = residente(figlio);
        kill(figlio, SIGTERM);
        waitpid(figlio, &stato, 0);
        std::printf("%.2f %ld %ld %d\n", tempo, subito, dopo, caricate);
    }
    XCloseDisplay(schermo);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Starts programs alternately on the X server of $DISPLAY and measures for each start the
// time from exec to the first top-level window being mapped, the CPU time and the peak
// resident memory up to shortly after that. Prints the medians per program.
//
//   kalotri_startzeit RUNS PROGRAM...
//
// Waits until the X server answers before the first start; a start whose program ends
// before mapping a window (it could not connect) is repeated.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

struct Messung {
    double startMs = 0;
    double cpuMs = 0;
    double speicherMb = 0;
};

xcb_connection_t* Verbinden() {
    for (int versuch = 0; versuch < 200; ++versuch) {
        xcb_connection_t* x = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(x) == 0) {
            return x;
        }
        xcb_disconnect(x);
        usleep(50000);
    }
    return nullptr;
}

// Waits for the next MapNotify of a top-level window; false if none came in time.
bool WarteAufFenster(xcb_connection_t* x, pid_t kind, bool& beendet) {
    const auto ende = Uhr::now() + std::chrono::seconds(30);
    while (Uhr::now() < ende) {
        while (xcb_generic_event_t* ereignis = xcb_poll_for_event(x)) {
            const bool gemappt =
                (ereignis->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(ereignis)->override_redirect;
            std::free(ereignis);
            if (gemappt) {
                return true;
            }
        }
        int status = 0;
        if (waitpid(kind, &status, WNOHANG) == kind) {
            beendet = true;
            return false;
        }
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&fd, 1, 5);
    }
    return false;
}

bool Starte(xcb_connection_t* x, const char* programm, Messung& messung) {
    const auto anfang = Uhr::now();
    const pid_t kind = fork();
    if (kind == 0) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // Qt's start-up chatter would only garble the table.
        if (FILE* nichts = std::freopen("/dev/null", "w", stderr); nichts == nullptr) {
            _exit(126);
        }
        execl(programm, programm, static_cast<char*>(nullptr));
        _exit(127);
    }
    bool beendet = false;
    const bool gemappt = WarteAufFenster(x, kind, beendet);
    const auto gemapptUm = Uhr::now();
    if (!beendet) {
        // The first paint and the events after mapping belong to the start-up too.
        usleep(500000);
        kill(kind, SIGTERM);
    }
    int status = 0;
    rusage verbrauch{};
    if (!beendet) {
        wait4(kind, &status, 0, &verbrauch);
    }
    if (!gemappt) {
        return false;
    }
    // The CPU time of the child since it was started, from wait4 of this start only.
    messung.startMs = std::chrono::duration<double, std::milli>(gemapptUm - anfang).count();
    messung.cpuMs = (verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec) * 1e3 +
                    (verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec) / 1e3;
    messung.speicherMb = verbrauch.ru_maxrss / 1024.0;
    return true;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n == 0 ? 0 : (n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int laeufe = std::atoi(argv[1]);
    const int programme = argc - 2;
    xcb_connection_t* x = Verbinden();
    if (x == nullptr) {
        std::fprintf(stderr, "no X server answers on DISPLAY\n");
        return 1;
    }
    const xcb_screen_t* bildschirm = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, bildschirm->root, XCB_CW_EVENT_MASK, &maske);
    xcb_flush(x);

    std::vector<std::vector<Messung>> messungen(static_cast<std::size_t>(programme));
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        for (int p = 0; p < programme; ++p) {
            Messung m;
            int versuche = 0;
            while (!Starte(x, argv[2 + p], m)) {
                if (++versuche == 5) {
                    std::fprintf(stderr, "%s never mapped a window\n", argv[2 + p]);
                    return 1;
                }
            }
            messungen[static_cast<std::size_t>(p)].push_back(m);
        }
    }

    std::printf("%-28s %10s %10s %12s\n", "program (medians)", "start ms", "CPU ms", "peak RSS MB");
    std::vector<Messung> mediane;
    for (int p = 0; p < programme; ++p) {
        std::vector<double> start, cpu, speicher;
        for (const Messung& m : messungen[static_cast<std::size_t>(p)]) {
            start.push_back(m.startMs);
            cpu.push_back(m.cpuMs);
            speicher.push_back(m.speicherMb);
        }
        std::string name = argv[2 + p];
        name = name.substr(name.find_last_of('/') + 1);
        mediane.push_back({Median(start), Median(cpu), Median(speicher)});
        std::printf("%-28s %10.1f %10.1f %12.1f\n", name.c_str(), mediane.back().startMs,
                    mediane.back().cpuMs, mediane.back().speicherMb);
    }
    // Every program against the last one, the yardstick.
    const Messung& mass = mediane.back();
    for (int p = 0; p + 1 < programme; ++p) {
        const Messung& m = mediane[static_cast<std::size_t>(p)];
        std::printf("program %d against the last: start x%.2f, CPU x%.2f, peak RSS %+.1f MB\n",
                    p + 1, m.startMs / mass.startMs, m.cpuMs / mass.cpuMs,
                    m.speicherMb - mass.speicherMb);
    }
    xcb_disconnect(x);
    return 0;
}

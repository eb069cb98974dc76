// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufraeumen.h"

#include <algorithm>
#include <unistd.h>

namespace kalotri::intern {

namespace {

// Every signal that ends the program and can be caught. SIGABRT too: an exception from
// inside Qt that cannot unwind ends there. SIGPIPE, where the program has not chosen to
// take a closed pipe as a write error instead.
constexpr int Signale[] = {SIGINT,  SIGTERM, SIGHUP,  SIGABRT, SIGQUIT,   SIGALRM, SIGXCPU,
                           SIGXFSZ, SIGPIPE, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF};

} // namespace

std::vector<std::string>& Offen() {
    static auto* offen = new std::vector<std::string>;
    return *offen;
}

std::vector<std::string>& Angelegt() {
    static auto* angelegt = new std::vector<std::string>;
    return *angelegt;
}

namespace {

extern "C" void RaeumeAufUndEnde(int signal) {
    for (const std::string& name : Offen()) {
        ::unlink(name.c_str());
    }
    for (auto it = Angelegt().rbegin(); it != Angelegt().rend(); ++it) {
        ::rmdir(it->c_str());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

Signalsperre::Signalsperre() {
    sigset_t menge;
    sigemptyset(&menge);
    for (const int s : Signale) {
        sigaddset(&menge, s);
    }
    sigprocmask(SIG_BLOCK, &menge, &vorher_);
}

Signalsperre::~Signalsperre() {
    sigprocmask(SIG_SETMASK, &vorher_, nullptr);
}

void FangeSignale() {
    static bool gefangen = false;
    if (gefangen) {
        return;
    }
    gefangen = true;
    for (const int s : Signale) {
        struct sigaction alt {};
        sigaction(s, nullptr, &alt);
        if (alt.sa_handler == SIG_IGN) {
            continue; // nohup and the like: the user wants no interruption
        }
        struct sigaction neu {};
        neu.sa_handler = RaeumeAufUndEnde;
        sigemptyset(&neu.sa_mask);
        sigaction(s, &neu, nullptr);
    }
}

void Vergiss(const std::string& name) {
    const Signalsperre sperre;
    std::erase(Offen(), name);
}

} // namespace kalotri::intern

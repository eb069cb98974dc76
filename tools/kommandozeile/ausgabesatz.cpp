// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabesatz.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace kalotri {

namespace {

// SIGABRT too: an exception from inside Qt that cannot unwind ends there.
constexpr int Signale[] = {SIGINT, SIGTERM, SIGHUP, SIGABRT};

// The temporary files not yet renamed, for the signal handler. Changed only while those
// signals are blocked, so the handler never sees it half changed.
std::vector<std::string>& Offen() {
    static auto* offen = new std::vector<std::string>;
    return *offen;
}

// The directories a set created, innermost last; removed after the files.
std::vector<std::string>& Angelegt() {
    static auto* angelegt = new std::vector<std::string>;
    return *angelegt;
}

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

class Signalsperre {
  public:
    Signalsperre() {
        sigset_t menge;
        sigemptyset(&menge);
        for (const int s : Signale) {
            sigaddset(&menge, s);
        }
        sigprocmask(SIG_BLOCK, &menge, &vorher_);
    }
    ~Signalsperre() { sigprocmask(SIG_SETMASK, &vorher_, nullptr); }
    Signalsperre(const Signalsperre&) = delete;
    Signalsperre& operator=(const Signalsperre&) = delete;

  private:
    sigset_t vorher_;
};

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

std::string Fehler(const std::string& ziel, int nummer) {
    return "\"" + ziel + "\" lässt sich nicht schreiben: " + std::strerror(nummer);
}

std::string Verzeichnis(const std::string& pfad) {
    const auto schraegstrich = pfad.rfind('/');
    if (schraegstrich == std::string::npos) {
        return ".";
    }
    return schraegstrich == 0 ? "/" : pfad.substr(0, schraegstrich);
}

// Where the file really goes and what it replaces; the problem if it must not be replaced.
std::optional<std::string> Ziel(const std::string& ziel, std::string& endgueltig, struct stat& alt,
                                bool& vorhanden) {
    endgueltig = ziel;
    vorhanden = false;
    if (::lstat(ziel.c_str(), &alt) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional(Fehler(ziel, errno));
    }
    if (S_ISLNK(alt.st_mode)) {
        if (::stat(ziel.c_str(), &alt) != 0) {
            return "\"" + ziel + "\" ist ein Verweis, der auf keine Datei führt (" +
                   std::strerror(errno) + ")";
        }
        if (S_ISREG(alt.st_mode)) {
            char* echt = ::realpath(ziel.c_str(), nullptr);
            if (echt == nullptr) {
                return Fehler(ziel, errno);
            }
            endgueltig = echt;
            std::free(echt);
        }
    }
    if (!S_ISREG(alt.st_mode)) {
        return "\"" + ziel +
               "\" ist keine gewöhnliche Datei und wird nicht ersetzt (Standardausgabe: -o -)";
    }
    vorhanden = true;
    return std::nullopt;
}

} // namespace

Ausgabesatz::~Ausgabesatz() {
    if (uebernommen_) {
        return;
    }
    for (const Datei& d : dateien_) {
        if (!d.Temporaer.empty()) {
            ::unlink(d.Temporaer.c_str());
            Vergiss(d.Temporaer);
        }
    }
    if (deskriptor_ > STDERR_FILENO) {
        ::close(deskriptor_);
    }
    const Signalsperre sperre;
    for (auto it = verzeichnisse_.rbegin(); it != verzeichnisse_.rend(); ++it) {
        ::rmdir(it->c_str());
        std::erase(Angelegt(), *it);
    }
}

std::optional<std::string> Ausgabesatz::Beginne(const std::string& ziel) {
    for (const Datei& d : dateien_) {
        if (d.Ziel == ziel) {
            // The second would replace the first, or run into it on standard output.
            return "\"" + ziel + "\" ist schon eine Ausgabe dieses Laufs";
        }
    }
    if (ziel == "-") {
        dateien_.push_back({ziel, {}});
        deskriptor_ = STDOUT_FILENO;
        return std::nullopt;
    }
    Datei datei;
    struct stat alt {};
    bool vorhanden = false;
    if (auto fehler = Ziel(ziel, datei.Ziel, alt, vorhanden)) {
        return fehler;
    }
    FangeSignale();
    std::string muster = Verzeichnis(datei.Ziel) + "/.kalotri-XXXXXX";
    {
        const Signalsperre sperre;
        deskriptor_ = ::mkstemp(muster.data());
        if (deskriptor_ < 0) {
            return Fehler(ziel, errno);
        }
        Offen().push_back(muster);
    }
    datei.Temporaer = muster;
    dateien_.push_back(datei);
    // The file a plain open() would have made, or the rights of the one it replaces.
    mode_t rechte = 0;
    if (vorhanden) {
        rechte = alt.st_mode & 07777;
        if (::geteuid() == 0) {
            [[maybe_unused]] const int egal = ::fchown(deskriptor_, alt.st_uid, alt.st_gid);
        }
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        rechte = 0666 & ~maske;
    }
    if (::fchmod(deskriptor_, rechte) != 0) {
        return Fehler(ziel, errno);
    }
    return std::nullopt;
}

std::optional<std::string> Ausgabesatz::Beende() {
    const Datei& datei = dateien_.back();
    const int deskriptor = deskriptor_;
    deskriptor_ = -1;
    if (datei.Temporaer.empty()) {
        return std::nullopt;
    }
    // A full disk or a lost network share may only show here, not at write().
    if (::fsync(deskriptor) != 0) {
        const int nummer = errno;
        ::close(deskriptor);
        return Fehler(datei.Ziel, nummer);
    }
    if (::close(deskriptor) != 0) {
        return Fehler(datei.Ziel, errno);
    }
    return std::nullopt;
}

std::optional<std::string> Ausgabesatz::Uebernimm() {
    std::optional<std::string> fehler;
    std::set<std::string> verzeichnisse;
    {
        const Signalsperre sperre;
        for (const Datei& d : dateien_) {
            if (d.Temporaer.empty() || fehler) {
                continue;
            }
            if (::rename(d.Temporaer.c_str(), d.Ziel.c_str()) != 0) {
                fehler = Fehler(d.Ziel, errno);
                continue;
            }
            std::erase(Offen(), d.Temporaer);
            verzeichnisse.insert(Verzeichnis(d.Ziel));
        }
    }
    // The names themselves must last too, or a crash could bring the old files back.
    for (const std::string& v : verzeichnisse) {
        const int d = ::open(v.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (d >= 0) {
            ::fsync(d);
            ::close(d);
        }
    }
    if (!fehler) {
        uebernommen_ = true;
        const Signalsperre sperre;
        for (const std::string& v : verzeichnisse_) {
            std::erase(Angelegt(), v);
        }
    }
    return fehler;
}

std::optional<std::string> Ausgabesatz::LegeVerzeichnisAn(const std::string& pfad) {
    FangeSignale();
    for (std::size_t ende = pfad.find('/', 1);; ende = pfad.find('/', ende + 1)) {
        const std::string teil = pfad.substr(0, ende);
        const Signalsperre sperre;
        if (::mkdir(teil.c_str(), 0777) == 0) {
            verzeichnisse_.push_back(teil);
            Angelegt().push_back(teil);
        } else if (errno != EEXIST) {
            return "Das Verzeichnis \"" + teil +
                   "\" lässt sich nicht anlegen: " + std::strerror(errno);
        }
        if (ende == std::string::npos) {
            break;
        }
    }
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return "\"" + pfad + "\" ist kein Verzeichnis";
    }
    return std::nullopt;
}

} // namespace kalotri

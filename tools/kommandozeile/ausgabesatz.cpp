// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabesatz.h"

#include "aufraeumen.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalotri {

using namespace intern;

namespace {

std::string Fehler(const std::string& ziel, int nummer) {
    if (ziel == "-") {
        return std::string("Die Standardausgabe lässt sich nicht schreiben: ") +
               std::strerror(nummer) +
               (nummer == EPIPE ? " (der Leser hat die Pipe vorzeitig geschlossen)" : "");
    }
    return "\"" + ziel + "\" lässt sich nicht schreiben: " + std::strerror(nummer);
}

// Copies what was held back for standard output, every byte or an error number.
int GibAus(int von) {
    if (::lseek(von, 0, SEEK_SET) != 0) {
        return errno;
    }
    char puffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(von, puffer, sizeof puffer);
        if (n == 0) {
            return 0;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        for (ssize_t geschrieben = 0; geschrieben < n;) {
            const ssize_t w = ::write(STDOUT_FILENO, puffer + geschrieben,
                                      static_cast<std::size_t>(n - geschrieben));
            if (w < 0 && errno != EINTR) {
                return errno;
            }
            geschrieben += w > 0 ? w : 0;
        }
    }
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
    if (standardausgabe_ >= 0 && standardausgabe_ != deskriptor_) {
        ::close(standardausgabe_);
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
        // Held back in memory, no file anywhere, and written out only when the whole set
        // has succeeded: a pipe cannot be taken back once it has read the first byte.
        deskriptor_ = ::memfd_create("kalotri-standardausgabe", MFD_CLOEXEC);
        if (deskriptor_ < 0) {
            return Fehler(ziel, errno);
        }
        standardausgabe_ = deskriptor_;
        dateien_.push_back({ziel, {}});
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
        return std::nullopt; // standard output's buffer stays open for Uebernimm
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
    // Standard output first: should it fail, no file is replaced either.
    if (standardausgabe_ >= 0) {
        const int nummer = GibAus(standardausgabe_);
        ::close(standardausgabe_);
        standardausgabe_ = -1;
        if (nummer != 0) {
            return Fehler("-", nummer);
        }
    }
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

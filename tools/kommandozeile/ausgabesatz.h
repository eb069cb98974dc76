// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kalotri {

// Output files that appear whole or not at all, alone or as a set (a sheet and its
// figures). Each file is written to a temporary file beside its target, synced and closed;
// only when every file of the set is complete are they renamed over their targets, with
// the usual signals held back so that an interruption cannot leave half a set. A set
// given up, by an error, an exception or any signal that ends the program and can be
// caught (INT, TERM, HUP, ABRT, QUIT, ALRM, XCPU, XFSZ, PIPE, USR1, USR2, VTALRM, PROF),
// leaves nothing behind, not even the directories it created. A target may belong to one
// file only.
//
// Path names are used byte for byte as given. "-" is standard output: held back in memory
// and written when the set is taken over, before any file is renamed (a pipe cannot be
// replaced, so success is decided before its first byte). An existing target must be a regular
// file, or a symbolic link to one, which is then written through; anything else (a device, a FIFO,
// a directory, a link into nothing or in a loop) is refused: renaming over it would replace the
// node with a file, writing into it could not be taken back.
class Ausgabesatz {
  public:
    Ausgabesatz() = default;
    Ausgabesatz(const Ausgabesatz&) = delete;
    Ausgabesatz& operator=(const Ausgabesatz&) = delete;
    ~Ausgabesatz();

    // Starts the next file of the set; the one before must have been finished. The
    // problem (German, for the user), or nothing.
    std::optional<std::string> Beginne(const std::string& ziel);
    // Where to write the current file's bytes.
    int Deskriptor() const { return deskriptor_; }
    // Syncs and closes the current file.
    std::optional<std::string> Beende();
    // Renames every finished file over its target.
    std::optional<std::string> Uebernimm();
    // Creates the directory and those above it that are missing ("mkdir -p"); a set given
    // up removes again those it created.
    std::optional<std::string> LegeVerzeichnisAn(const std::string& pfad);

  private:
    struct Datei {
        std::string Ziel;      // the final path, links resolved
        std::string Temporaer; // empty for standard output
    };
    std::vector<Datei> dateien_;
    std::vector<std::string> verzeichnisse_; // created by this set, outermost first
    int deskriptor_ = -1;
    int standardausgabe_ = -1; // what is held back for standard output
    bool uebernommen_ = false;
};

} // namespace kalotri

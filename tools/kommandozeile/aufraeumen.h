// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the output sets leave behind when a signal ends the program: the temporary files
// not yet renamed and the directories created, removed by the signal's handler.

#include <csignal>
#include <string>
#include <vector>

namespace kalotri::intern {

// The temporary files not yet renamed, for the signal handler. Changed only while those
// signals are blocked, so the handler never sees it half changed.
std::vector<std::string>& Offen();
// The directories a set created, innermost last; removed after the files.
std::vector<std::string>& Angelegt();

// Holds back every signal the handler cleans up after, while it lives.
class Signalsperre {
  public:
    Signalsperre();
    ~Signalsperre();
    Signalsperre(const Signalsperre&) = delete;
    Signalsperre& operator=(const Signalsperre&) = delete;

  private:
    sigset_t vorher_;
};

// Installs the handler once, for every signal not ignored.
void FangeSignale();

// The file is no concern of the handler any more.
void Vergiss(const std::string& name);

} // namespace kalotri::intern

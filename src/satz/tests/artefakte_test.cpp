// SPDX-License-Identifier: GPL-3.0-or-later
// Content outside the structure becomes artifacts: every painting operator outside a
// marked sequence is inside one afterwards, nothing else moves, and no sequence is cut
// by a text object, a q/Q pair or an inline image's bytes.

#include "barrierefrei.h"

#include <gtest/gtest.h>

#include <string>

namespace kalotri::blatt {
namespace {

TEST(Artefakte, JederFallEinmal) {
    struct Fall {
        const char* Was;
        std::string Vorher;
        std::string Nachher;
    };
    const Fall faelle[] = {
        {"tagged content stays as it is", "/P << /MCID 0 >> BDC\nBT\n/f 1 Tf\n<41> Tj\nET\nEMC\n",
         "/P << /MCID 0 >> BDC\nBT\n/f 1 Tf\n<41> Tj\nET\nEMC\n"},
        {"a footer after it becomes one artifact, its state operators with it",
         "/P << /MCID 0 >> BDC\nEMC\n0 0 0 rg\nBT\n<41> Tj\nET\n10 10 m\n20 20 l\nS\n",
         "/P << /MCID 0 >> BDC\nEMC\n0 0 0 rg\n/Artifact BMC\nBT\n<41> Tj\nET\n10 10 m\n20 20 "
         "l\nS\nEMC\n"},
        {"an artifact ends before q, Q and before marked content",
         "q\n1 1 5 5 re\nf\nQ\n2 2 m\n3 3 l\nS\n/Figure << /MCID 1 >> BDC\n4 4 m\nEMC\n",
         "q\n/Artifact BMC\n1 1 5 5 re\nf\nEMC\nQ\n/Artifact BMC\n2 2 m\n3 3 l\nS\nEMC\n/Figure "
         "<< /MCID 1 >> BDC\n4 4 m\nEMC\n"},
        {"nested marked content counts its depth",
         "/Sect << >> BDC\n/P << /MCID 2 >> BDC\nEMC\n1 1 m\nEMC\n",
         "/Sect << >> BDC\n/P << /MCID 2 >> BDC\nEMC\n1 1 m\nEMC\n"},
        {"strings keep their bytes, parentheses and all",
         "BT\n(a\\)b) Tj\n[(x) -20 <0042>] TJ\nET\n",
         "/Artifact BMC\nBT\n(a\\)b) Tj\n[ (x) -20 <0042> ] TJ\nET\nEMC\n"},
        {"an inline image's bytes pass untouched",
         "BI\n/W 1 /H 1 /BPC 8 /CS /G\nID\n)\nEI\n0 0 m\n",
         "/Artifact BMC\nBI\n/W 1 /H 1 /BPC 8 /CS /G ID\n)\nEI\n0 0 m\nEMC\n"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Artefakte(f.Vorher), f.Nachher) << f.Was;
    }
}

} // namespace
} // namespace kalotri::blatt

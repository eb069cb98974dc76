// SPDX-License-Identifier: GPL-3.0-or-later
// The zip writer's limits, which no package of a real class reaches: a name used twice,
// more files than a zip without its 64-bit extension holds. A package written whole is
// read back by Python's zipfile in the QTI test.

#include "zipschreiber.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>

namespace kalotri::blatt {
namespace {

std::uint32_t Vier(const std::string& s, std::size_t i) {
    std::uint32_t x = 0;
    for (int k = 3; k >= 0; --k) {
        x = (x << 8) | static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    }
    return x;
}

TEST(Zip, GepacktUndGespeichertMitVerzeichnis) {
    std::string zip;
    ZipSchreiber z([&](std::string_view b) { zip += b; });
    const std::string text(5000, 'x');
    z.Datei("a.xml", text, true);
    z.Datei("b.png", "\x89PNG", true); // deflate would grow it: stored
    z.Ende();
    ASSERT_FALSE(z.Fehler());
    // The end record names two files and where the directory starts.
    const std::size_t ende = zip.size() - 22;
    EXPECT_EQ(Vier(zip, ende), 0x06054b50u);
    EXPECT_EQ(zip[ende + 10], 2);
    EXPECT_EQ(Vier(zip, static_cast<std::size_t>(Vier(zip, ende + 16))), 0x02014b50u);
    // The first file deflated, and it inflates to what went in.
    EXPECT_EQ(zip[8], 8);
    const std::uint32_t gepackt = Vier(zip, 18);
    std::string roh(text.size(), '\0');
    z_stream s{};
    inflateInit2(&s, -MAX_WBITS);
    s.next_in = reinterpret_cast<Bytef*>(zip.data() + 30 + 5);
    s.avail_in = gepackt;
    s.next_out = reinterpret_cast<Bytef*>(roh.data());
    s.avail_out = static_cast<uInt>(roh.size());
    EXPECT_EQ(inflate(&s, Z_FINISH), Z_STREAM_END);
    inflateEnd(&s);
    EXPECT_EQ(roh, text);
    EXPECT_EQ(Vier(zip, 14), static_cast<std::uint32_t>(
                                 crc32(0, reinterpret_cast<const Bytef*>(text.data()), 5000)));
}

TEST(Zip, GrenzenWerdenGemeldetUndNichtsKommtDanach) {
    std::size_t bytes = 0;
    ZipSchreiber doppelt([&](std::string_view b) { bytes += b.size(); });
    doppelt.Datei("a", "1", false);
    const std::size_t nachEiner = bytes;
    doppelt.Datei("a", "2", false);
    doppelt.Datei("b", "3", false);
    doppelt.Ende();
    ASSERT_TRUE(doppelt.Fehler());
    EXPECT_NE(doppelt.Fehler()->find("zweimal"), std::string::npos);
    EXPECT_EQ(bytes, nachEiner);

    ZipSchreiber viele([](std::string_view) {});
    for (int i = 0; i < 65535 && !viele.Fehler(); ++i) {
        viele.Datei(std::to_string(i), "", false);
    }
    EXPECT_FALSE(viele.Fehler());
    viele.Datei("eine zu viel", "", false);
    ASSERT_TRUE(viele.Fehler());
    EXPECT_NE(viele.Fehler()->find("Zu viele"), std::string::npos);
}

} // namespace
} // namespace kalotri::blatt

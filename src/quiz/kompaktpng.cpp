// SPDX-License-Identifier: GPL-3.0-or-later
#include "kompaktpng.h"

#include <QBuffer>
#include <QList>

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kalotri::blatt {

namespace {

// Lines, fill, text and the smoothing between them: sixteen keep the figures as sharp to
// the eye and cut the quiz to about a quarter.
constexpr int Farben = 16;

} // namespace

QByteArray KompaktesPng(const QImage& bild) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    std::unordered_map<QRgb, int> haeufigkeit;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++haeufigkeit[zeile[x]];
        }
    }
    std::vector<std::pair<int, QRgb>> farben;
    farben.reserve(haeufigkeit.size());
    for (const auto& [farbe, anzahl] : haeufigkeit) {
        farben.emplace_back(-anzahl, farbe);
    }
    std::sort(farben.begin(), farben.end());
    QList<QRgb> palette;
    for (std::size_t i = 0; i < farben.size() && palette.size() < Farben; ++i) {
        palette.push_back(farben[i].second);
    }
    const QImage indiziert = rgb.convertToFormat(QImage::Format_Indexed8, palette);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    // Quality 0: zlib's strongest compression.
    indiziert.save(&puffer, "PNG", 0);
    return daten;
}

} // namespace kalotri::blatt

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>

namespace kalotri::blatt {

// The task sketch: always the same triangle, on purpose not the exercise's, with its
// corners named and the given sides and angles marked with their values, so that pupils
// calculate rather than measure.
inline constexpr double SkizzeBreiteMm = 58;
inline constexpr double SkizzeHoeheMm = 36; // with the caption
inline constexpr const char* SkizzenUnterschrift = "Skizze (nicht maßstäblich)";

// Paints the sketch into rahmen; proMm device units make a millimetre, schrift is the face
// of its labels.
void MaleSkizze(QPainter& p, const Skizzenangaben& angaben, const QRectF& rahmen, double proMm,
                const QFont& schrift);

// The same sketch as a picture on white, for exports that take images.
QImage SkizzenBild(const Skizzenangaben& angaben, double pixelProMm);

// A sketch of the given size in millimetres painted by `male` onto a white picture, in the
// sketches' face, so that task and word-problem sketches look alike in the quiz.
QImage Skizzenbild(double breiteMm, double hoeheMm, double pixelProMm,
                   const std::function<void(QPainter&, const QRectF&, const QFont&)>& male);

} // namespace kalotri::blatt

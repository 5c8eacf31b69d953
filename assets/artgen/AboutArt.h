// The about box picture (337 x 217) and the face of its button (193 x 28).
#pragma once

#include <QImage>

namespace artgen {

constexpr int kAboutWidth = 337;
constexpr int kAboutHeight = 217;
constexpr int kOuiWidth = 193;
constexpr int kOuiHeight = 28;

// The window lays its memory figures over the picture at x = 268 and these
// tops (8-point text, about 11 pixels high); each caption ends with its
// colon just left of its figure.
inline constexpr int kFigureLeft = 268;
inline constexpr int kFigureTops[4] = {74, 90, 106, 122};
inline constexpr int kFigureTextHeight = 11;

// Captions of the four figures, top to bottom.
extern const char* const kAboutCaptions[4];

QImage DrawAbout();
QImage DrawOuiButton();

}  // namespace artgen

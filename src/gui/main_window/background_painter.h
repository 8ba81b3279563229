#pragma once

#include <QChar>
#include <QColor>
#include <QGradient>

class QWidget;

// Several windows are filled once, behind their controls, with a gradient of a base
// colour named by a key: 'R' red, 'G' green, 'B' blue. Six gradient styles (0..5) set
// its direction; other style numbers are taken modulo six.

// The base colour of a key; grey for a key that names none.
QColor BackgroundBaseColour(QChar colourKey);

// The gradient of a style in the window's own coordinates (0..1 across each side), so it
// stretches with the window.
QGradient BackgroundGradient(int style, QChar colourKey);

// The colour of captions drawn on the painted background: dark on every tint.
QColor BackgroundTextColour();

// Fills the window behind its controls and gives its captions the dark text colour.
void PaintBackground(QWidget& window, int style, QChar colourKey);

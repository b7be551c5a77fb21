// The figures of the model notes, drawn from the library's own functions.
#pragma once

#include <QPainter>

// a(NaCl) of the perturbation term against temperature (400 × 356).
void PaintSodiumChlorideFigure(QPainter& p);
// a(H2O) and a(CH4) of the perturbation term against temperature (300 × 270).
void PaintWaterMethaneFigure(QPainter& p);

// The figures and diagrams of the phase-equilibrium windows. The figures
// with data are drawn from the fluid library; the bulk-phase and comparison
// diagrams are sketches.
#pragma once

#include <QPainter>

// Bulk-phase sketches of the bubble-dew point window (120 × 45).
void PaintLiquidBulk(QPainter& p);
void PaintVapourBulk(QPainter& p);
// SLV pressure against temperature for several salt ratios (250 × 185).
void PaintSLVPressureFigure(QPainter& p);
// H2O fraction of the salt-saturated liquid against salt ratio (250 × 183).
void PaintSLVLiquidFigure(QPainter& p);
// H2O-NaCl liquid-vapour coexistence: pressure against NaCl fraction at 400
// and 700 ˚C (300 × 344), the same with the fraction in log10 (300 × 344),
// and at 800 and 900 ˚C (300 × 312).
void PaintCoexistenceFigure(QPainter& p);
void PaintCoexistenceLogFigure(QPainter& p);
void PaintCoexistenceHotFigure(QPainter& p);
// Vapour-pressure curves of H2O, CO2 and CH4 up to their critical points
// (300 × 270), and the pseudo-critical line of H2O-CO2 by Kay's rule (300 × 271).
void PaintVapourPressureFigure(QPainter& p);
void PaintPseudoCriticalFigure(QPainter& p);
// Isochore against SLV curve at the selected temperature: isochore pressure
// above (0), below (1) or at (2) the SLV pressure (300 × 255, 300 × 254).
void PaintIntersection(QPainter& p, int comparison, int height);

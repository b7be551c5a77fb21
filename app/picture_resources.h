// The pictures of the windows, each read from the
// application's resources on first use and kept for the rest of the run
// (released at shut-down with every other kept picture, in ascending id).
#pragma once

#include <QPixmap>

const QPixmap& Logo10();       // 168, program logo
const QPixmap& Duzoror0();     // 185, the Helmholtz-energy equation
const QPixmap& Liquid2();      // 188, bulk phase liquid (bubble point)
const QPixmap& Vapour2();      // 189, bulk phase vapour (dew point)
const QPixmap& aNaClx();       // 190, a(NaCl) against temperature
const QPixmap& aNaCl_eq();     // 191, the a(NaCl) equation
const QPixmap& aH2OCH4x();     // 192, a(H2O) and a(CH4) against temperature
const QPixmap& H2O();          // 194, formula labels of the components
const QPixmap& CO2();          // 195
const QPixmap& CH4();          // 196
const QPixmap& NaCl();         // 197
const QPixmap& KCl();          // 198
const QPixmap& fluidsystem();  // 199, the five-component system
const QPixmap& Fig2last();     // 200, SLV pressure against temperature
const QPixmap& Fig4last();     // 201, the salt-saturated liquid
const QPixmap& DuzororLV1o();  // 205, liquid + vapour in H2O-NaCl
const QPixmap& DuzororLV2o();  // 206, the same, NaCl fraction in log10
const QPixmap& DuzororLV3o();  // 207, the same at 800 and 900 ˚C
const QPixmap& Zozareri1o();   // 208, vapour pressures to the critical points
const QPixmap& Zozareri2o();   // 209, a pseudo-critical line
const QPixmap& intersectA0();  // 210, isochore pressure above the SLV pressure
const QPixmap& intersectB0();  // 211, below it
const QPixmap& intersectC0();  // 212, both equal

// The pictures of the start, note and fluid windows, each read from the
// application's resources on first use and kept for the rest of the run
// (released at shut-down with every other kept picture, in ascending id).
#pragma once

#include <QPixmap>

const QPixmap& Logo10();       // 168, program logo
const QPixmap& Duzoror0();     // 185, the Helmholtz-energy equation
const QPixmap& aNaClx();       // 190, a(NaCl) against temperature
const QPixmap& aNaCl_eq();     // 191, the a(NaCl) equation
const QPixmap& aH2OCH4x();     // 192, a(H2O) and a(CH4) against temperature
const QPixmap& H2O();          // 194, formula labels of the components
const QPixmap& CO2();          // 195
const QPixmap& CH4();          // 196
const QPixmap& NaCl();         // 197
const QPixmap& KCl();          // 198
const QPixmap& fluidsystem();  // 199, the five-component system

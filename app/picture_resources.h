// The pictures the windows show, read from the application's resources by id
// on first use and kept for the rest of the run (one cache per picture).
// Shut-down releases every cache in ascending order of id.
#pragma once

#include <QPixmap>

#include <cstdint>

// The cached picture of a resource id, read on the first call. A missing
// picture (null) is not kept: the next call reads the resource again.
QPixmap CachedPicture(int32_t id);

// How often the resource of an id has been read during this run.
int PictureReads(int32_t id);
// Whether the cache of an id holds a picture.
bool PictureCached(int32_t id);

// Shut-down: empties every cache, in ascending order of id.
void ReleasePictureCaches();

// The pictures of the start, note and fluid windows.
QPixmap Logo10();       // 168, program logo
QPixmap Duzoror0();     // 185, the Helmholtz-energy equation
QPixmap aNaClx();       // 190, a(NaCl) against temperature
QPixmap aNaCl_eq();     // 191, the a(NaCl) equation
QPixmap aH2OCH4x();     // 192, a(H2O) and a(CH4) against temperature
QPixmap H2O();          // 194, formula labels of the components
QPixmap CO2();          // 195
QPixmap CH4();          // 196
QPixmap NaCl();         // 197
QPixmap KCl();          // 198
QPixmap fluidsystem();  // 199, the five-component system

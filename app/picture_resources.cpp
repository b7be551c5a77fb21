#include "app/picture_resources.h"

#include "app/framework/Pictures.h"

#define KEPT_PICTURE(getter, id)               \
  const QPixmap& getter() {                    \
    static fw::KeptPicture picture(id);        \
    return picture.Get();                      \
  }

KEPT_PICTURE(Logo10, 168)
KEPT_PICTURE(Duzoror0, 185)
KEPT_PICTURE(Liquid2, 188)
KEPT_PICTURE(Vapour2, 189)
KEPT_PICTURE(aNaClx, 190)
KEPT_PICTURE(aNaCl_eq, 191)
KEPT_PICTURE(aH2OCH4x, 192)
KEPT_PICTURE(H2O, 194)
KEPT_PICTURE(CO2, 195)
KEPT_PICTURE(CH4, 196)
KEPT_PICTURE(NaCl, 197)
KEPT_PICTURE(KCl, 198)
KEPT_PICTURE(fluidsystem, 199)
KEPT_PICTURE(Fig2last, 200)
KEPT_PICTURE(Fig4last, 201)
KEPT_PICTURE(DuzororLV1o, 205)
KEPT_PICTURE(DuzororLV2o, 206)
KEPT_PICTURE(DuzororLV3o, 207)
KEPT_PICTURE(Zozareri1o, 208)
KEPT_PICTURE(Zozareri2o, 209)
KEPT_PICTURE(intersectA0, 210)
KEPT_PICTURE(intersectB0, 211)
KEPT_PICTURE(intersectC0, 212)

#include "app/picture_resources.h"

#include <QImage>

#include <gtest/gtest.h>

#include "app/framework/Pictures.h"

namespace {

// Each picture, read once, fills its control; its high-density variant has
// twice the pixels each way.
TEST(PictureResources, EveryPictureIsReadOnceAndFillsItsControlSharply) {
  struct Picture {
    const QPixmap& (*getter)();
    int id;
    int width, height;  // the control the picture fills
  };
  const Picture pictures[] = {
      {Logo10, 168, 368, 87},    {Duzoror0, 185, 542, 28}, {aNaClx, 190, 400, 356}, {aNaCl_eq, 191, 420, 66},
      {aH2OCH4x, 192, 300, 270}, {H2O, 194, 31, 20},       {CO2, 195, 33, 20},      {CH4, 196, 32, 20},
      {NaCl, 197, 38, 16},       {KCl, 198, 28, 16},       {fluidsystem, 199, 313, 20},
      {Liquid2, 188, 120, 45},   {Vapour2, 189, 120, 45},  {Fig2last, 200, 250, 185}, {Fig4last, 201, 250, 183},
      {DuzororLV1o, 205, 300, 344}, {DuzororLV2o, 206, 300, 344}, {DuzororLV3o, 207, 300, 312},
      {Zozareri1o, 208, 300, 270},  {Zozareri2o, 209, 300, 271},  {intersectA0, 210, 300, 255},
      {intersectB0, 211, 300, 255}, {intersectC0, 212, 300, 254}};
  fw::ReleasePictures();
  for (const Picture& p : pictures) {
    const int readsBefore = fw::PictureReads();
    const QPixmap& first = p.getter();
    ASSERT_FALSE(first.isNull()) << p.id;
    EXPECT_EQ(first.deviceIndependentSize().toSize(), QSize(p.width, p.height)) << p.id;
    EXPECT_EQ(&p.getter(), &first) << p.id;
    EXPECT_EQ(fw::PictureReads() - readsBefore, 1) << p.id;
    const QImage sharp(QString(":/pictures/%1@2x.png").arg(p.id));
    EXPECT_EQ(sharp.size(), QSize(2 * p.width, 2 * p.height)) << p.id;
  }
}

}  // namespace

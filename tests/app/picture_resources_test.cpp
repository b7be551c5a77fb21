#include "app/picture_resources.h"

#include <QImage>

#include <gtest/gtest.h>

#include "app/framework/Pictures.h"

namespace {

struct PictureCase {
  const QPixmap& (*getter)();
  int id;
  int width, height;  // the control the picture fills
};

const PictureCase kPictures[] = {
    {Logo10, 168, 368, 87},   {Duzoror0, 185, 542, 28}, {aNaClx, 190, 400, 356},
    {aNaCl_eq, 191, 420, 66}, {aH2OCH4x, 192, 300, 270}, {H2O, 194, 31, 20},
    {CO2, 195, 33, 20},       {CH4, 196, 32, 20},       {NaCl, 197, 38, 16},
    {KCl, 198, 28, 16},       {fluidsystem, 199, 313, 20}};

TEST(PictureResources, EveryPictureFillsItsControlAndIsReadOnce) {
  fw::ReleasePictures();
  for (const PictureCase& c : kPictures) {
    const int readsBefore = fw::PictureReads();
    const QPixmap& first = c.getter();
    ASSERT_FALSE(first.isNull()) << c.id;
    EXPECT_EQ(first.deviceIndependentSize().toSize(), QSize(c.width, c.height)) << c.id;
    const QPixmap& second = c.getter();
    EXPECT_EQ(&first, &second) << c.id;
    EXPECT_EQ(fw::PictureReads() - readsBefore, 1) << c.id;
  }
}

TEST(PictureResources, HighDensityVariantsHaveTwiceThePixels) {
  for (const PictureCase& c : kPictures) {
    const QImage sharp(QString(":/pictures/%1@2x.png").arg(c.id));
    EXPECT_EQ(sharp.size(), QSize(2 * c.width, 2 * c.height)) << c.id;
  }
}

}  // namespace

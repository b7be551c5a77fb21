#include "app/picture_resources.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct PictureCase {
  QPixmap (*getter)();
  int32_t id;
  int width, height;  // the control the picture fills
};

const PictureCase kPictures[] = {
    {Logo10, 168, 368, 87},   {Duzoror0, 185, 542, 28}, {aNaClx, 190, 400, 356},
    {aNaCl_eq, 191, 420, 66}, {aH2OCH4x, 192, 300, 270}, {H2O, 194, 31, 20},
    {CO2, 195, 33, 20},       {CH4, 196, 32, 20},       {NaCl, 197, 38, 16},
    {KCl, 198, 28, 16},       {fluidsystem, 199, 313, 20}};

TEST(PictureResources, EveryPictureFillsItsControlAndIsReadOnce) {
  for (const PictureCase& c : kPictures) {
    const int readsBefore = PictureReads(c.id);
    const QPixmap first = c.getter();
    ASSERT_FALSE(first.isNull()) << c.id;
    EXPECT_EQ(first.deviceIndependentSize().toSize(), QSize(c.width, c.height)) << c.id;
    const QPixmap second = c.getter();
    EXPECT_EQ(first.cacheKey(), second.cacheKey()) << c.id;
    EXPECT_LE(PictureReads(c.id) - readsBefore, 1) << c.id;
  }
}

TEST(PictureResources, HighDensityVariantHasTwiceThePixels) {
  const QImage sharp(":/pictures/168@2x.png");
  EXPECT_EQ(sharp.size(), QSize(2 * 368, 2 * 87));
}

TEST(PictureResources, MissingPictureIsNullAndReadAgainNextTime) {
  EXPECT_TRUE(CachedPicture(4711).isNull());
  EXPECT_TRUE(CachedPicture(4711).isNull());
  EXPECT_EQ(PictureReads(4711), 2);
  EXPECT_FALSE(PictureCached(4711));
}

TEST(PictureResources, ReleaseEmptiesTheCachesAndTheNextUseReadsAgain) {
  H2O();
  ASSERT_TRUE(PictureCached(194));
  const int reads = PictureReads(194);
  ReleasePictureCaches();
  EXPECT_FALSE(PictureCached(194));
  H2O();
  EXPECT_EQ(PictureReads(194), reads + 1);
}

}  // namespace

// Pictures by resource id: read once, shared by every control showing them,
// and a missing id shown as nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include "app/framework/Controls.h"
#include "app/framework/Pictures.h"
#include "app/framework/Window.h"
#include "app/framework/test_windows.h"

namespace {

class Pictures : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    for (int id : {5, 6}) {
      QImage image(20 + id, 10, QImage::Format_RGB32);
      image.fill(Qt::red);
      ASSERT_TRUE(image.save(folder.filePath(QString::number(id) + ".png")));
    }
    fw::SetPictureFolder(folder.path());
    fw::ReleasePictures();
  }
  void TearDown() override {
    fw::ReleaseAllWindows();
    fw::ReleasePictures();
    fw::SetPictureFolder(":/pictures");
  }
  QTemporaryDir folder;
};

TEST_F(Pictures, GetPictureReadsTheResourceOfAnIdAndNothingForAMissingOne) {
  EXPECT_EQ(fw::GetPicture(5).width(), 25);
  EXPECT_TRUE(fw::GetPicture(7).isNull());
}

TEST_F(Pictures, ReopenedWindowReadsItsPicturesOnceAndControlsShareThem) {
  const int before = fw::PictureReads();
  PictureWindow& first = PictureWindow::Instance();
  // 5 and 6 once each, the missing 7 once.
  EXPECT_EQ(fw::PictureReads() - before, 3);
  const QPixmap& c1 = first.Named<fw::Canvas>("Canvas1").Backdrop();
  const QPixmap& c2 = first.Named<fw::Canvas>("Canvas2").Backdrop();
  EXPECT_EQ(c1.width(), 26);
  EXPECT_EQ(c1.cacheKey(), c2.cacheKey()) << "one picture for both canvases";
  EXPECT_EQ(first.Named<fw::ImageWell>("ImageWell1").Image().width(), 25);
  EXPECT_TRUE(first.Named<fw::Canvas>("Canvas3").Backdrop().isNull());

  first.Close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  PictureWindow& second = PictureWindow::Instance();
  // Only the missing picture is tried again.
  EXPECT_EQ(fw::PictureReads() - before, 4);
  EXPECT_EQ(second.Named<fw::Canvas>("Canvas1").Backdrop().cacheKey(), TestPicture6().cacheKey());
}

TEST_F(Pictures, ControlWithoutAPictureDrawsNothingAndDoesNotFail) {
  PictureWindow& w = PictureWindow::Instance();
  const QPixmap shot = w.Content()->grab();
  EXPECT_FALSE(shot.isNull());
  // Under the missing picture the window's white background shows.
  const QImage image = shot.toImage();
  const fw::RectControl& empty = w.ControlByName("Canvas3");
  EXPECT_EQ(image.pixelColor(empty.Left() + 5, empty.Top() + 5), QColor(Qt::white));
  const fw::RectControl& shown = w.ControlByName("Canvas1");
  EXPECT_EQ(image.pixelColor(shown.Left() + 5, shown.Top() + 5), QColor(Qt::red));
}

TEST_F(Pictures, ReleaseDropsKeptPicturesSoTheNextGetReadsAgain) {
  TestPicture5();
  const int before = fw::PictureReads();
  TestPicture5();
  EXPECT_EQ(fw::PictureReads(), before);
  fw::ReleasePictures();
  EXPECT_EQ(TestPicture5().width(), 25);
  EXPECT_EQ(fw::PictureReads(), before + 1);
}

}  // namespace

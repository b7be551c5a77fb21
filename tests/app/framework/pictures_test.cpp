// Pictures by resource id: read once, shared by every control showing them,
// and a missing id shown as nothing.
#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include "app/framework/test_windows.h"

namespace {

class Pictures : public WindowTest {
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
    WindowTest::TearDown();
    fw::ReleasePictures();
    fw::SetPictureFolder(":/pictures");
  }
  QTemporaryDir folder;
};

TEST_F(Pictures, EachIdIsReadOnceForAllControlsUntilReleasedAndAMissingOneShowsNothing) {
  const int before = fw::PictureReads();
  HiddenSetWindow& first = HiddenSetWindow::Instance();
  EXPECT_EQ(fw::PictureReads() - before, 3) << "5 and 6 once each, the missing 7 once";
  const QPixmap& c1 = first.Named<fw::Canvas>("Canvas1").Backdrop();
  EXPECT_EQ(c1.width(), 26);
  EXPECT_EQ(c1.cacheKey(), first.Named<fw::Canvas>("Canvas2").Backdrop().cacheKey());
  EXPECT_EQ(first.Named<fw::ImageWell>("ImageWell1").Image().width(), 25);
  EXPECT_TRUE(first.Named<fw::Canvas>("Canvas3").Backdrop().isNull());

  first.Close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  HiddenSetWindow& second = HiddenSetWindow::Instance();
  EXPECT_EQ(fw::PictureReads() - before, 4) << "only the missing picture is tried again";
  EXPECT_EQ(second.Named<fw::Canvas>("Canvas1").Backdrop().cacheKey(), TestPicture<6>().cacheKey());
  second.Show();
  const QImage image = second.Content()->grab().toImage();
  ASSERT_FALSE(image.isNull());
  // Under the missing picture the window's white background shows.
  const fw::RectControl& empty = second.ControlByName("Canvas3");
  EXPECT_EQ(image.pixelColor(empty.Left() + 5, empty.Top() + 5), QColor(Qt::white));
  const fw::RectControl& shown = second.ControlByName("Canvas1");
  EXPECT_EQ(image.pixelColor(shown.Left() + 5, shown.Top() + 5), QColor(Qt::red));

  fw::ReleaseAllWindows();
  fw::ReleasePictures();
  EXPECT_EQ(TestPicture<5>().width(), 25);
  EXPECT_EQ(fw::PictureReads() - before, 5);
}

}  // namespace

// Pictures of the application's resources, by resource id. The images are Qt
// resources ":/pictures/<id>.png" (with "<id>@2x.png" for dense screens).
//
// A picture getter loads its picture on the first call and keeps it:
//
//   const QPixmap& Logo10() { static fw::KeptPicture picture(168); return picture.Get(); }
//
// A missing id gives a null picture, which a control shows as empty; the next
// call of the getter tries the resource again.
#pragma once

#include <QPixmap>
#include <QString>

namespace fw {

// Reads the picture of a resource id; null when there is none.
QPixmap GetPicture(int id);

// Number of pictures read from the resources so far (each getter reads its
// picture once per run).
int PictureReads();

// Where the pictures are looked up (":/pictures" unless changed, e.g. by tests).
void SetPictureFolder(const QString& folder);

// The cache of one picture getter. Released at shut-down by ReleasePictures.
class KeptPicture {
 public:
  explicit KeptPicture(int id);
  KeptPicture(const KeptPicture&) = delete;
  KeptPicture& operator=(const KeptPicture&) = delete;
  ~KeptPicture();

  int Id() const { return id_; }
  const QPixmap& Get();
  void Release();

 private:
  int id_;
  QPixmap* picture_ = nullptr;
};

// Releases every kept picture, in ascending order of resource id.
void ReleasePictures();

}  // namespace fw

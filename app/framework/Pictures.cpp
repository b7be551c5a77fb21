#include "app/framework/Pictures.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

namespace fw {

namespace {

QString& PictureFolder() {
  static QString folder = QStringLiteral(":/pictures");
  return folder;
}

int& ReadCount() {
  static int reads = 0;
  return reads;
}

std::vector<KeptPicture*>& KeptPictures() {
  static std::vector<KeptPicture*> kept;
  return kept;
}

const QPixmap& NullPicture() {
  static const QPixmap* null = new QPixmap();  // never destroyed: outlives the application
  return *null;
}

}  // namespace

void SetPictureFolder(const QString& folder) { PictureFolder() = folder; }

int PictureReads() { return ReadCount(); }

QPixmap GetPicture(int id) {
  ++ReadCount();
  const QString base = PictureFolder() + QLatin1Char('/') + QString::number(id);
  const QString dense = base + QStringLiteral("@2x.png");
  if (qApp && qApp->devicePixelRatio() > 1.0 && QFile::exists(dense)) {
    QPixmap picture(dense);
    picture.setDevicePixelRatio(2.0);
    return picture;
  }
  return QPixmap(base + QStringLiteral(".png"));
}

KeptPicture::KeptPicture(int id) : id_(id) { KeptPictures().push_back(this); }

KeptPicture::~KeptPicture() {
  auto& kept = KeptPictures();
  kept.erase(std::remove(kept.begin(), kept.end(), this), kept.end());
  // A picture still kept when the program ends goes with the process: a pixmap
  // must not be destroyed after the application object.
}

const QPixmap& KeptPicture::Get() {
  if (picture_) return *picture_;
  QPixmap loaded = GetPicture(id_);
  if (loaded.isNull()) return NullPicture();
  picture_ = new QPixmap(std::move(loaded));
  return *picture_;
}

void KeptPicture::Release() {
  delete picture_;
  picture_ = nullptr;
}

void ReleasePictures() {
  std::vector<KeptPicture*> kept = KeptPictures();
  std::sort(kept.begin(), kept.end(),
            [](const KeptPicture* a, const KeptPicture* b) { return a->Id() < b->Id(); });
  for (KeptPicture* p : kept) p->Release();
}

}  // namespace fw

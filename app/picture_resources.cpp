#include "app/picture_resources.h"

#include <map>

// The pictures are compiled into this static library; their registration
// must be referenced, or the linker drops it.
static void RegisterPictureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
}

namespace {
struct Cache {
  QPixmap picture;  // null until read
  int reads = 0;
};

// Ordered by id, so shut-down releases in ascending order.
std::map<int32_t, Cache>& caches() {
  static std::map<int32_t, Cache> all;
  return all;
}

QPixmap ReadResource(int32_t id) {
  RegisterPictureResources();
  return QPixmap(QString(":/pictures/%1.png").arg(id));
}
}  // namespace

QPixmap CachedPicture(int32_t id) {
  Cache& cache = caches()[id];
  if (cache.picture.isNull()) {
    cache.picture = ReadResource(id);
    ++cache.reads;
  }
  return cache.picture;
}

int PictureReads(int32_t id) {
  const auto found = caches().find(id);
  return found == caches().end() ? 0 : found->second.reads;
}

bool PictureCached(int32_t id) {
  const auto found = caches().find(id);
  return found != caches().end() && !found->second.picture.isNull();
}

void ReleasePictureCaches() {
  for (auto& [id, cache] : caches()) cache.picture = QPixmap();
}

QPixmap Logo10() { return CachedPicture(168); }
QPixmap Duzoror0() { return CachedPicture(185); }
QPixmap aNaClx() { return CachedPicture(190); }
QPixmap aNaCl_eq() { return CachedPicture(191); }
QPixmap aH2OCH4x() { return CachedPicture(192); }
QPixmap H2O() { return CachedPicture(194); }
QPixmap CO2() { return CachedPicture(195); }
QPixmap CH4() { return CachedPicture(196); }
QPixmap NaCl() { return CachedPicture(197); }
QPixmap KCl() { return CachedPicture(198); }
QPixmap fluidsystem() { return CachedPicture(199); }

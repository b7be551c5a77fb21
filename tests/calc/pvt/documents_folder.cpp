#include <QDir>
#include <QFile>

#include "calc/pvt/window_driving.h"

namespace driving {

DocumentsFolder::DocumentsFolder() {
  hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  oldConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  PointAt(Path());
}

DocumentsFolder::~DocumentsFolder() {
  if (hadConfigHome_)
    qputenv("XDG_CONFIG_HOME", oldConfigHome_);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

void DocumentsFolder::MakeUnusable() {
  // A plain file where a folder would have to be made.
  const QString blocker = root_.path() + "/blocker";
  QFile file(blocker);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  PointAt(blocker + "/Documents");
}

void DocumentsFolder::PointAt(const QString& documents) {
  const QString config = root_.path() + "/config";
  QDir().mkpath(config);
  QFile dirs(config + "/user-dirs.dirs");
  EXPECT_TRUE(dirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
  dirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
  dirs.close();
  qputenv("XDG_CONFIG_HOME", config.toUtf8());
}

}  // namespace driving

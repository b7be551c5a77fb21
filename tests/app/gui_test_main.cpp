// Runs the GUI tests inside one QApplication, headless unless a platform is
// chosen in the environment.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/framework/Pictures.h"
#include "app/framework/Window.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The headless platform tells of every window operation it cannot do.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtHandler = qInstallMessageHandler(QuietOffscreenNotes);
  QApplication app(argc, argv);
  // Tests close windows without meaning to end anything.
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  fw::ReleaseAllWindows();
  fw::ReleasePictures();
  return result;
}

// The program: start-up, the event loop until Quit, shut-down.
#include <QApplication>

#include "app/application.h"
#include "app/framework/Window.h"
#include "app/framework/YieldHook.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ChooseApplicationFont();
  // Long calculations let the windows respond while they run.
  fw::InstallRuntimeYield();
  // Without a global menu bar, a program whose last window is closed could no
  // longer be quit: closing it quits, as the Quit item does.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { fw::Quit(); });

  StartApplication();
  const int status = QApplication::exec();
  FinishApplication();

  fw::RemoveRuntimeYield();
  return status;
}

// The program: start-up, the event loop until Quit, shut-down.
#include <QApplication>

#include "app/application.h"
#include "app/framework/YieldHook.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ChooseApplicationFont();
  // Long calculations let the windows respond while they run.
  fw::InstallRuntimeYield();
  QuitWhenTheLastWindowCloses();

  StartApplication();
  const int status = QApplication::exec();
  FinishApplication();

  fw::RemoveRuntimeYield();
  return status;
}

// The program's road: start-up, the event loop, shut-down, each in a fixed
// order.
#include <QApplication>
#include <QMainWindow>

#include "app/framework/Pictures.h"
#include "app/framework/Window.h"
#include "app/framework/YieldHook.h"
#include "app/menu_bar.h"
#include "app/start_window.h"
#include "fluid/Globals.h"

namespace {

// The shared fluid state exists before the first window is built and until
// after the last one is released.
void Initialize() { Globals::InitializeSharedArrays(); }

// Every window shows the application's menus.
void NewAppInstance() {
  MenuBar1* menus = MenuBarInstance();
  fw::SetFrameDecorator([menus](QMainWindow& frame) { frame.setMenuBar(menus->MakeBarFor(&frame)); });
}

// The start window shows itself once built (its block says Visible).
void MakeDefaultView() { Start1Window::Instance(); }

void Finalize() {
  fw::ReleasePictures();
  fw::ReleaseAllWindows();
  fw::SetFrameDecorator({});
  ReleaseMenuBar();
  Globals::FinalizeSharedArrays();
}

// The windows were laid out for a narrow sans-serif face: a condensed face
// keeps every text inside its designed label.
void ChooseFont() {
  QFont font = QApplication::font();
  font.setFamilies({"DejaVu Sans Condensed", "Liberation Sans Narrow", "Nimbus Sans"});
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ChooseFont();
  fw::InstallRuntimeYield();
  // Without a global menu bar, a program whose last window is closed could no
  // longer be quit: closing it quits, as the Quit item does.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { fw::Quit(); });

  Initialize();
  NewAppInstance();
  MakeDefaultView();
  const int status = QApplication::exec();
  Finalize();

  fw::RemoveRuntimeYield();
  return status;
}

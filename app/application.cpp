#include "app/application.h"

#include <QApplication>
#include <QMainWindow>

#include "app/framework/Pictures.h"
#include "app/framework/Window.h"
#include "app/menu_bar.h"
#include "app/start_window.h"
#include "fluid/Globals.h"

void ChooseApplicationFont() {
  // The windows were laid out for a narrow sans-serif face: a condensed face
  // keeps every text inside its designed label.
  QFont font = QApplication::font();
  font.setFamilies({"DejaVu Sans Condensed", "Liberation Sans Narrow", "Nimbus Sans"});
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
}

QMetaObject::Connection QuitWhenTheLastWindowCloses() {
  QApplication::setQuitOnLastWindowClosed(false);
  return QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] { fw::Quit(); });
}

void StartApplication() {
  // The shared fluid state exists before the first window is built and until
  // after the last one is released.
  Globals::InitializeSharedArrays();

  MenuBar1* menus = MenuBarInstance();
  fw::SetFrameDecorator([menus](QMainWindow& frame) { frame.setMenuBar(menus->MakeBarFor(&frame)); });

  // Its block says Visible: the start window shows itself once built.
  Start1Window::Instance();
}

void FinishApplication() {
  fw::ReleasePictures();
  fw::ReleaseAllWindows();
  fw::SetFrameDecorator({});
  ReleaseMenuBar();
  Globals::FinalizeSharedArrays();
}

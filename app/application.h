// Start-up and shut-down of the application around the event loop.
#pragma once

#include <QMetaObject>

// Chooses the face the windows were laid out for.
void ChooseApplicationFont();

// Without a global menu bar, a program whose last window is closed could no
// longer be quit: closing it quits, as the Quit item does. The program wires
// this once, before its event loop; the connection is returned.
QMetaObject::Connection QuitWhenTheLastWindowCloses();

// Creates the shared fluid state, equips every window with the menu bar and
// opens the "Start" window (which shows itself).
void StartApplication();

// Releases, in this order, the kept pictures, every window, the menu bar and
// the shared fluid state.
void FinishApplication();

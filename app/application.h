// Start-up and shut-down of the application around the event loop.
#pragma once

// Chooses the face the windows were laid out for.
void ChooseApplicationFont();

// Creates the shared fluid state, equips every window with the menu bar and
// opens the "Start" window (which shows itself).
void StartApplication();

// Releases, in this order, the kept pictures, every window, the menu bar and
// the shared fluid state.
void FinishApplication();

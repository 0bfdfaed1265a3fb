#pragma once
// The entry point's sequence: name the application, show the splash while every window is
// created in its fixed order, let the splash go, run the event loop.

namespace app {

// Everything before the event loop; the application object must exist. The whole run (the
// application object, the start-up, the event loop) is ui::ProgramMain, defined beside it.
void StartUp();

}  // namespace app

#include "ui/screen.h"

#include "ui/application.h"

namespace ui {

int Screen::Width() { return Application->Peer().ScreenSize().width; }
int Screen::Height() { return Application->Peer().ScreenSize().height; }

void Beep() { Application->Peer().Beep(); }

}  // namespace ui

#include "ui/screen.h"

#include "ui/application.h"
#include "ui/clipboard.h"

namespace ui {

int Screen::Width() { return Application->Peer().ScreenSize().width; }
int Screen::Height() { return Application->Peer().ScreenSize().height; }

namespace {
Cursor screen_cursor = Cursor::Default;
}

void Screen::SetCursor(Cursor cursor) {
  screen_cursor = cursor;
  backend::ShowScreenCursor(cursor);
}

Cursor Screen::GetCursor() { return screen_cursor; }

void Beep() { Application->Peer().Beep(); }

}  // namespace ui

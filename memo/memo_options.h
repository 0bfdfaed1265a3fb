#pragma once
// What the options window asks of the memo window: it reads and applies the memo's options
// through these, never through the memo's controls.

#include "settings/display_settings.h"
#include "ui/types.h"

namespace memo {

// The memo editor's font, which the options window shows and starts its choice from.
ui::Font EditorFont();
// These display settings and this editor font, the memo's from now on for the run.
void ApplyOptions(const DisplaySettings& display, const ui::Font& editor_font);
// The memo shown again and its tick restarted, as the options window closes by its buttons.
void BackFromOptions();

}  // namespace memo

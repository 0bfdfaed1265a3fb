#include "memo/memo_autosave.h"

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "ui/dialogs.h"
#include "ui/file.h"

namespace memo {

MemoAutosave::MemoAutosave(ui::RichEdit& editor) : editor_(editor) {
  timer_.SetInterval(kTickMs);
  timer_.SetEnabled(false);
  timer_.SetOnTimer([this] { Timer1Timer(); });
}

void MemoAutosave::TextChanged() {
  if (stopped_) return;
  if (!pending_) waiting_ms_ = 0;
  pending_ = true;
  quiet_ms_ = 0;
  timer_.SetEnabled(true);
}

void MemoAutosave::Loaded() {
  pending_ = false;
  timer_.SetEnabled(false);
  written_ = editor_.SaveToRtf();
}

void MemoAutosave::Flush() {
  if (pending_) Save();
}

void MemoAutosave::Stop() {
  stopped_ = true;
  pending_ = false;
  timer_.SetEnabled(false);
}

void MemoAutosave::Timer1Timer() {
  if (held_) return;
  quiet_ms_ += kTickMs;
  waiting_ms_ += kTickMs;
  if (quiet_ms_ >= kQuietMs || waiting_ms_ >= kLongestWaitMs) Save();
}

// A failure is said once; the next change tries again, and a later success re-arms the message.
void MemoAutosave::Save() {
  pending_ = false;
  timer_.SetEnabled(false);
  if (Memo.FileMode) return;
  std::string bytes = editor_.SaveToRtf();
  if (bytes == written_) return;
  try {
    ui::ReplaceFileBytes(MemoFilePath(), bytes);
    written_ = std::move(bytes);
    failure_said_ = false;
  } catch (const ui::Exception&) {
    written_.clear();
    if (failure_said_) return;
    failure_said_ = true;
    ui::ShowMessage("自動保存しませんでした");
  }
}

}  // namespace memo

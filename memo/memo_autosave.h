#pragma once
// Keeps the memo on the disk while it is typed: a few seconds after the text last changed, and
// no later than a few seconds into typing that goes on, Memo1.txt is replaced as the quit writes
// it. A memo at rest, or one holding an opened file, costs no write.

#include <string>

#include "ui/text_controls.h"
#include "ui/timer.h"

namespace memo {

class MemoAutosave {
 public:
  static constexpr int kTickMs = 250;
  static constexpr int kQuietMs = 2000;        // after the last change
  static constexpr int kLongestWaitMs = 5000;  // after the first change not yet written

  explicit MemoAutosave(ui::RichEdit& editor);

  // The editor's text changed.
  void TextChanged();
  // The editor now holds what the file holds (just read): nothing is waiting to be written.
  void Loaded();
  // A change still waiting is written now (before a file takes the editor's place).
  void Flush();
  // The memo has been written for the last time (the quit): later changes are not written.
  void Stop();
  // While held (the quit asks its questions), a write that falls due waits for the release.
  void Hold() { held_ = true; }
  void Release() { held_ = false; }
  // The user has been told that the memo could not be written (the quit's own message): the
  // background says nothing more of it until a write has succeeded again.
  void FailureTold() {
    failure_said_ = true;
    written_.clear();
  }

  bool Pending() const { return pending_; }

 private:
  void Timer1Timer();
  void Save();

  ui::RichEdit& editor_;
  ui::Timer timer_;
  bool pending_ = false;
  bool stopped_ = false;
  bool held_ = false;
  bool failure_said_ = false;
  int quiet_ms_ = 0;
  int waiting_ms_ = 0;
  std::string written_;  // the bytes the file holds, as far as this memo knows
};

}  // namespace memo

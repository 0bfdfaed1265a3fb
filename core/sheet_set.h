#pragma once
// The log sheet's three files as one set: <base>.Pcr (the outline), <base>.Txt (the note lines)
// and <base>.Bin (each item's span of them), read into an outline and its note lines, and
// written through the crash-safe commit. The disk is the caller's (core/sheet_commit.h).

#include <string>

#include "core/note_store.h"
#include "core/outline_tree.h"
#include "core/sheet_commit.h"

namespace core {

// A set as read: every item's span points into the notes' lines.
struct SheetContents {
  OutlineTree tree;
  NoteStore notes;
};

// Finishes or discards a save of the set that was cut short, then reads the three files; every
// file is read and checked before anything is returned. The note lines are read in pieces and
// kept as read: no block as large as <base>.Txt is ever asked for. Throws the disk's error, OutlineError
// or SheetError, the message naming the fault.
SheetContents ReadSheetSet(SheetDisk& disk, const std::string& base);

// After the same recovery: whether any of the three files is there (no set means a sheet never
// saved, not a damaged one).
bool SheetSetExists(SheetDisk& disk, const std::string& base);

// Compacts the notes into item order, moving every item's span to where its lines now lie, and
// commits the three files, the notes written piece by piece. An outline the file cannot hold is refused before the disk
// is touched.
void WriteSheetSet(SheetDisk& disk, const std::string& base, OutlineTree& tree, NoteStore& notes);

}  // namespace core

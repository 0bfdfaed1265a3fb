#pragma once
// The log sheet taken out of the program: as plain text, and as one web page. Both read the
// stored notes (store the note being edited first) and hand their bytes on in blocks, for the
// crash-safe file path to write; the tree and the notes must stay as they are until then.

#include <string_view>

#include "core/byte_pieces.h"
#include "core/note_store.h"
#include "core/outline_tree.h"

namespace core {

// Each item's caption on a line of its own, one TAB per level below the top; under it its note
// lines, one TAB deeper (the first note line left out where it is the caption). Lines end in
// CR LF; the text stays in the code page, as the sheet's own files are. Read back as an outline,
// it gives every item at its level with its caption, its note lines as its children (a caption of
// blanks alone, as an empty note's " ", is written as its indentation alone, which reads back as
// an empty caption: its blanks would be read as depth). Note lines are written as they are,
// blanks at their start too.
ByteSource TextExport(const OutlineTree& tree, const NoteStore& notes);

// One HTML5 file in UTF-8: the title, a table of contents of the top-level items with links,
// headings and nested lists that follow the tree, each note in a block that keeps its line
// breaks; everything escaped; the styles inline, a print style sheet among them. Each item is
// a list item with the id "item-N" (N its index) holding its caption as a heading (h2 for the top
// level down to h6 for the fifth and below) and its note's lines in a <div class="note">; empty
// lines at a note's end are left out, and a note with nothing left gets no block.
ByteSource HtmlExport(const OutlineTree& tree, const NoteStore& notes, std::string_view title);

}  // namespace core

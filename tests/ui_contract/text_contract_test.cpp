#include "tests/ui_contract/contract_fixture.h"

#include <random>

#include "core/rtf/rtf_reader.h"
#include "core/rtf/rtf_writer.h"
#include "ui/text_controls.h"

namespace {

class EditorForm : public ui::Form {
 public:
  EditorForm() : ui::Form("TEditorForm") {
    SetBorderStyle(ui::BorderStyle::None);
    SetBounds({300, 200, 320, 240});
    Edit1.SetBounds({10, 15, 200, 100});
    Edit1.SetFont({"ＭＳ ゴシック", -12, 0, ui::clBlack});
    Edit1.OnChange = [this] { ++changes; };
    Memo3.SetBounds({10, 130, 100, 50});
  }
  ui::RichEdit Edit1{this};
  ui::Memo Memo3{this};
  int changes = 0;
};

class TextContract : public Contract {
 protected:
  void SetUp() override {
    app.CreateForm(form);
    form->Show();
  }
  EditorForm* form = nullptr;
};

core::rtf::CharFormat Format(const char* face, int half_points, bool bold, bool italic, bool underline, bool strike,
                             ui::Color color) {
  core::rtf::CharFormat f;
  f.face = face;
  f.charset = core::rtf::kShiftJisCharset;
  f.halfPoints = half_points;
  f.bold = bold;
  f.italic = italic;
  f.underline = underline;
  f.strikeOut = strike;
  f.color = color;
  return f;
}

}  // namespace

TEST_F(TextContract, ReplacingOrTypingTheTextFiresTheChangeHandler) {
  form->Edit1.SetText("メモ");
  EXPECT_GE(form->changes, 1);
  int before = form->changes;
  form->Edit1.SetSel(2, 0);
  form->Edit1.ReplaceSel("帳");
  EXPECT_GT(form->changes, before);
  before = form->changes;
  form->Edit1.LoadFromBytes("{\\rtf1\\ansi\\ansicpg932 abc\\par}");
  EXPECT_GT(form->changes, before);
  before = form->changes;
  form->Edit1.Clear();
  EXPECT_GT(form->changes, before);
  before = form->changes;
  ui::probe::Type(form->Edit1, "x");
  EXPECT_GT(form->changes, before) << "a character typed";
}

TEST_F(TextContract, LinesAreTheParagraphsAndALineBeyondTheLastReadsEmpty) {
  form->Edit1.SetWordWrap(false);
  form->Edit1.SetText("一行目\r\n2\r\n\r\nソ表");
  EXPECT_EQ(form->Edit1.LineCount(), 4);
  EXPECT_EQ(form->Edit1.Lines(), (std::vector<std::string>{"一行目", "2", "", "ソ表"}));
  EXPECT_EQ(form->Edit1.Line(4), "");
  EXPECT_EQ(form->Edit1.Line(100), "");
  EXPECT_EQ(form->Edit1.Text(), "一行目\r\n2\r\n\r\nソ表");

  form->Edit1.Clear();
  EXPECT_EQ(form->Edit1.LineCount(), 0);
  EXPECT_EQ(form->Edit1.Line(0), "");
  EXPECT_FALSE(form->Edit1.Modified());
}

TEST_F(TextContract, WithWordWrapTheLinesFollowTheLayout) {
  const std::string paragraph = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ";  // 30 full-width
  form->Edit1.SetWordWrap(false);
  form->Edit1.SetText(paragraph);
  EXPECT_EQ(form->Edit1.LineCount(), 1);

  form->Edit1.SetWordWrap(true);
  ASSERT_GT(form->Edit1.LineCount(), 1) << "30 characters of 12 pixels do not fit in 200";
  std::string joined;
  for (const std::string& line : form->Edit1.Lines()) joined += line;
  EXPECT_EQ(joined, paragraph);

  form->Edit1.SetWordWrap(false);
  EXPECT_EQ(form->Edit1.LineCount(), 1);
}

TEST_F(TextContract, SelectionCountsCharactersAndReplacingMovesTheCaret) {
  form->Edit1.SetText("あいう");
  form->Edit1.SetSel(1, 1);
  EXPECT_EQ(form->Edit1.SelStart(), 1);
  EXPECT_EQ(form->Edit1.SelLength(), 1);
  form->Edit1.ReplaceSel("xy");
  EXPECT_EQ(form->Edit1.Text(), "あxyう");
  EXPECT_EQ(form->Edit1.SelStart(), 3);
  EXPECT_EQ(form->Edit1.SelLength(), 0);
  form->Edit1.SelectAll();
  EXPECT_EQ(form->Edit1.SelLength(), 5) << "the whole text and the paragraph mark the control keeps at its end";
}

TEST_F(TextContract, ModifiedAndReadOnlyMarks) {
  form->Edit1.Clear();
  EXPECT_FALSE(form->Edit1.Modified());
  form->Edit1.SetModified(true);
  EXPECT_TRUE(form->Edit1.Modified());
  form->Edit1.SetModified(false);
  EXPECT_FALSE(form->Edit1.Modified());

  // A read-only editor takes no typing, no Backspace, Enter or Delete; once writable, it does.
  form->Edit1.SetText("メモ");
  form->Edit1.SetSel(1, 0);
  form->Edit1.SetReadOnly(true);
  ui::probe::Type(form->Edit1, "ab");
  for (int key : {0x08, 0x0D, 0x2E}) ui::probe::PressKey(form->Edit1, key);
  EXPECT_EQ(form->Edit1.Text(), "メモ");
  EXPECT_FALSE(form->Edit1.Modified());

  form->Edit1.SetReadOnly(false);
  ui::probe::Type(form->Edit1, "ab");
  EXPECT_EQ(form->Edit1.Text(), "メabモ");
  EXPECT_TRUE(form->Edit1.Modified()) << "typing marks the editor";
}

TEST_F(TextContract, RichTextStreamsOutAndBackInUnchanged) {
  core::rtf::RichText doc;
  doc.Append("ぽち～ら ", Format("ＭＳ ゴシック", 18, false, false, false, false, 0x000000));
  doc.Append("太字", Format("ＭＳ Ｐゴシック", 24, true, false, false, false, 0x0000FF));
  doc.Append("斜体", Format("ＭＳ 明朝", 20, false, true, false, false, 0x800080));
  doc.Append("下線", Format("ＭＳ ゴシック", 18, false, false, true, false, 0x808000));
  doc.Append("取消", Format("ＭＳ ゴシック", 32, false, false, false, true, 0x008000));
  doc.Append("\rソ表ボマ{x}\\y\tend", Format("ＭＳ Ｐ明朝", 18, true, true, true, true, 0xFF0000));

  ASSERT_TRUE(form->Edit1.LoadFromBytes(core::rtf::WriteRtf(doc)));
  EXPECT_EQ(form->Edit1.Text(), "ぽち～ら 太字斜体下線取消\r\nソ表ボマ{x}\\y\tend");
  std::string out = form->Edit1.SaveToRtf();
  core::rtf::RichText back = core::rtf::ReadRtf(out);
  EXPECT_EQ(out.back(), '}') << "the document ends at its closing brace, without the control's NUL";

  ASSERT_EQ(back.runs.size(), doc.runs.size()) << out;
  for (std::size_t i = 0; i < doc.runs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(back.runs[i].text, doc.runs[i].text);
    const auto &want = doc.runs[i].format, &got = back.runs[i].format;
    EXPECT_EQ(got.face, want.face);
    EXPECT_EQ(got.halfPoints, want.halfPoints);
    EXPECT_EQ(got.bold, want.bold);
    EXPECT_EQ(got.italic, want.italic);
    EXPECT_EQ(got.underline, want.underline);
    EXPECT_EQ(got.strikeOut, want.strikeOut);
    EXPECT_EQ(got.color, want.color);
  }
}

TEST_F(TextContract, DataThatIsNotRichTextLoadsAsPlainTextAndNoTextAtAllIsRefused) {
  EXPECT_TRUE(form->Edit1.LoadFromBytes("メモの一行目\r\n二行目"));
  EXPECT_EQ(form->Edit1.Lines(), (std::vector<std::string>{"メモの一行目", "二行目"}));

  EXPECT_TRUE(form->Edit1.LoadFromBytes("{メモ}\r\n"));
  EXPECT_EQ(form->Edit1.Text(), "{メモ}\r\n") << "braces alone do not make a document";

  EXPECT_FALSE(form->Edit1.LoadFromBytes(std::string("bin\0ary", 7)));
  EXPECT_EQ(form->Edit1.Text(), "");
}

TEST_F(TextContract, TheEditorsFontReachesItsText) {
  form->Edit1.SetText("メモ");
  form->Edit1.SetFont({"ＭＳ Ｐゴシック", -16, ui::fsBold, ui::clNavy});
  core::rtf::RichText back = core::rtf::ReadRtf(form->Edit1.SaveToRtf());
  ASSERT_EQ(back.runs.size(), 1u);
  EXPECT_EQ(back.runs[0].format.face, "ＭＳ Ｐゴシック");
  EXPECT_EQ(back.runs[0].format.halfPoints, core::rtf::HalfPointsFromPixels(16));
  EXPECT_TRUE(back.runs[0].format.bold);
  EXPECT_EQ(back.runs[0].format.color, ui::clNavy);
}

// A vertical scroll bar shows once the text is taller than the editor, as the platform's does.
TEST_F(TextContract, TheClientWidthIsInsideTheBorderAndAShownScrollBar) {
  int plain = form->Edit1.ClientWidth();
  EXPECT_EQ(plain, 200 - 4);
  std::vector<std::string> tall(30, "行");
  form->Edit1.SetLines(tall);
  EXPECT_EQ(form->Edit1.ClientWidth(), plain) << "no scroll bar was asked for";
  form->Edit1.SetScrollBars(ui::ScrollBars::Vertical);
  EXPECT_LT(form->Edit1.ClientWidth(), plain);
  form->Edit1.SetScrollBars(ui::ScrollBars::None);
  EXPECT_EQ(form->Edit1.ClientWidth(), plain);
}

// The platform takes scroll bars (and the plain memo its word wrap) only when it makes a
// control's window; whatever the window was made with, the control is the same to its user.
TEST_F(TextContract, ScrollBarsAndWordWrapChangeNothingElse) {
  const std::string paragraph = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ";  // wider than both
  ui::RichEdit& edit = form->Edit1;
  core::rtf::RichText doc;
  doc.Append("太字", Format("ＭＳ Ｐゴシック", 24, true, false, false, false, 0x0000FF));
  doc.Append(paragraph + "\r末尾", Format("ＭＳ ゴシック", 18, false, false, false, false, 0x000000));
  ASSERT_TRUE(edit.LoadFromBytes(core::rtf::WriteRtf(doc)));
  edit.SetWordWrap(false);
  edit.SetReadOnly(true);
  edit.SetFocus();
  edit.SetSel(2, 3);
  edit.SetModified(true);
  int changes = form->changes;

  edit.SetScrollBars(ui::ScrollBars::Vertical);
  EXPECT_EQ(form->changes, changes) << "a window made anew is no edit";
  EXPECT_EQ(edit.Lines(), (std::vector<std::string>{"太字" + paragraph, "末尾"})) << "still without word wrap";
  EXPECT_EQ(edit.SelStart(), 2);
  EXPECT_EQ(edit.SelLength(), 3);
  EXPECT_TRUE(edit.Modified());
  EXPECT_TRUE(edit.ReadOnly());
  EXPECT_TRUE(ui::probe::NativeFocused(edit));
  core::rtf::RichText back = core::rtf::ReadRtf(edit.SaveToRtf());
  ASSERT_EQ(back.runs.size(), 2u);
  EXPECT_TRUE(back.runs[0].format.bold);
  EXPECT_EQ(back.runs[0].format.color, 0x0000FFu);
  EXPECT_EQ(back.runs[1].format.halfPoints, 18);

  edit.SetWordWrap(true);
  EXPECT_GT(edit.LineCount(), 2);

  ui::Memo& memo = form->Memo3;
  memo.SetText(paragraph + "\r\n末尾");
  memo.SetWordWrap(false);
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{paragraph, "末尾"}));
  memo.SetScrollBars(ui::ScrollBars::Vertical);
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{paragraph, "末尾"}));
  memo.SetWordWrap(true);
  EXPECT_GT(memo.LineCount(), 2);
  EXPECT_EQ(memo.Text(), paragraph + "\r\n末尾");
}

TEST_F(TextContract, APlainMemoHoldsLines) {
  form->Memo3.SetLines({"12:00:01", "メモ", "", "表"});
  EXPECT_EQ(form->Memo3.Lines(), (std::vector<std::string>{"12:00:01", "メモ", "", "表"}));
  form->Memo3.Clear();
  EXPECT_EQ(form->Memo3.LineCount(), 0);
  ui::probe::Type(form->Memo3, "12\rb");
  EXPECT_EQ(form->Memo3.Lines(), (std::vector<std::string>{"12", "b"}));
  ui::probe::PressKey(form->Memo3, 0x08);
  EXPECT_EQ(form->Memo3.Text(), "12\r\n") << "typed at the caret, Backspace takes the last";
}

TEST_F(TextContract, FindGoesForwardInCharactersMatchingLettersInEitherCase) {
  ui::RichEdit& edit = form->Edit1;
  edit.SetText("Memo memo\r\nMEMOmemo");
  auto found = [&](const std::string& text, int from) -> std::pair<int, int> {
    std::optional<ui::Selection> hit = edit.Find(text, from);
    return hit ? std::pair{hit->start, hit->length} : std::pair{-1, -1};
  };
  const std::pair<int, int> none{-1, -1};
  EXPECT_EQ(found("memo", 0), std::pair(0, 4));
  EXPECT_EQ(found("memo", 1), std::pair(5, 4));
  EXPECT_EQ(found("MeMo", 6), std::pair(10, 4)) << "the paragraph break counts one";
  EXPECT_EQ(found("emom", 0), std::pair(11, 4)) << "inside a word";
  EXPECT_EQ(found("memo", 14), std::pair(14, 4));
  EXPECT_EQ(found("memo", 15), none) << "no wrapping round";
  EXPECT_EQ(found("memo", 18), none);
  EXPECT_EQ(found("memo", 1000), none);
  EXPECT_EQ(found("", 0), none);
  EXPECT_EQ(found("memo memo memo", 0), none) << "longer than what is left";
  EXPECT_EQ(edit.SelStart(), 0) << "finding selects nothing";

  // Double-byte characters match whole: never by a second byte that equals another's bytes.
  edit.SetText("あいう漢字ソ表");
  EXPECT_EQ(found("ソ表", 0), std::pair(5, 2));
  EXPECT_EQ(found("表", 0), std::pair(6, 1));
  EXPECT_EQ(found("\\", 0), none) << "the second byte of ソ and 表";
  edit.SetText("ヵ\\表");  // the second byte of ヵ and the "\" make the bytes of 表
  EXPECT_EQ(found("表", 0), std::pair(2, 1));
  EXPECT_EQ(found("\\", 0), std::pair(1, 1));

  // Only the half-width Latin letters fold: full-width, Greek and Cyrillic ones match in their
  // own case alone.
  edit.SetText("ＡＢＣ ΑΒΓ АБВЯ ａｂｃ");
  EXPECT_EQ(found("ＡＢＣ", 0), std::pair(0, 3));
  EXPECT_EQ(found("ａｂｃ", 0), std::pair(13, 3));
  EXPECT_EQ(found("ＡＢＣ", 1), none);
  EXPECT_EQ(found("ΑΒΓ", 0), std::pair(4, 3));
  EXPECT_EQ(found("αβγ", 0), none);
  EXPECT_EQ(found("БВЯ", 0), std::pair(9, 3));
  EXPECT_EQ(found("бвя", 0), none);
  EXPECT_EQ(found("abc", 0), none) << "half-width and full-width letters differ";

  // Control characters are searched like any other, and end.
  edit.SetText("a\tb\r\nc");
  EXPECT_EQ(found("\t", 0), std::pair(1, 1));
  EXPECT_EQ(found("\r", 0), std::pair(3, 1)) << "the paragraph break";
  EXPECT_EQ(found("b\rc", 0), std::pair(2, 3));
  EXPECT_EQ(found("\n", 0), none);
  EXPECT_EQ(found(std::string("\x01"), 0), none);
}

TEST_F(TextContract, ScrollCaretBringsTheCaretIntoView) {
  ui::RichEdit& edit = form->Edit1;
  edit.SetLines(std::vector<std::string>(40, "行"));  // far taller than the editor
  EXPECT_EQ(ui::probe::NativeFirstVisibleLine(edit), 0);
  edit.SetSel(1000, 0);
  edit.ScrollCaret();
  int first = ui::probe::NativeFirstVisibleLine(edit);
  EXPECT_GT(first, 0);
  EXPECT_LE(first, 39) << "the last line is shown";
  edit.SetSel(0, 0);
  edit.ScrollCaret();
  EXPECT_EQ(ui::probe::NativeFirstVisibleLine(edit), 0);
}

TEST_F(TextContract, TheSelectionTakesAFontOfItsOwnWhichRichTextKeeps) {
  ui::RichEdit& edit = form->Edit1;
  const ui::Font text_font = edit.GetFont();  // ＭＳ ゴシック, 12 pixels, black
  edit.SetText("ぽち～らメモ");
  edit.SetSel(2, 2);
  const ui::Font chosen{"ＭＳ Ｐ明朝", -16, ui::fsBold | ui::fsUnderline, ui::clMaroon};
  int changes_before = form->changes;
  edit.SetSelAttributes(chosen);
  EXPECT_TRUE(edit.Modified()) << "a new format is an edit";
  EXPECT_EQ(form->changes, changes_before) << "though not of the text";
  EXPECT_EQ(edit.SelStart(), 2);
  EXPECT_EQ(edit.SelLength(), 2);
  EXPECT_EQ(edit.SelAttributes(), chosen);
  edit.SetSel(1, 1);
  EXPECT_EQ(edit.SelAttributes(), text_font) << "the text before keeps its own";
  edit.SetSel(4, 2);
  EXPECT_EQ(edit.SelAttributes(), text_font) << "and the text after";
  edit.SetSel(4, 0);
  EXPECT_EQ(edit.SelAttributes(), chosen) << "an empty selection has the format of the character before it";
  edit.SetSel(2, 0);
  EXPECT_EQ(edit.SelAttributes(), text_font);

  const ui::Font slanted{"ＭＳ ゴシック", -24, ui::fsItalic | ui::fsStrikeOut, ui::clWindowText};
  edit.SetSel(5, 1);
  edit.SetSelAttributes(slanted);
  EXPECT_EQ(edit.SelAttributes(), slanted) << "the automatic colour stays the window text's";

  core::rtf::RichText back = core::rtf::ReadRtf(edit.SaveToRtf());
  ASSERT_EQ(back.runs.size(), 4u) << edit.SaveToRtf();
  EXPECT_EQ(back.runs[0].text, "ぽち");
  EXPECT_EQ(back.runs[1].text, "～ら");
  EXPECT_EQ(back.runs[1].format.face, "ＭＳ Ｐ明朝");
  EXPECT_EQ(back.runs[1].format.halfPoints, 24);
  EXPECT_TRUE(back.runs[1].format.bold);
  EXPECT_TRUE(back.runs[1].format.underline);
  EXPECT_FALSE(back.runs[1].format.italic);
  EXPECT_EQ(back.runs[1].format.color, ui::clMaroon);
  EXPECT_EQ(back.runs[2].text, "メ");
  EXPECT_EQ(back.runs[2].format.halfPoints, 18);
  EXPECT_EQ(back.runs[3].text, "モ");
  EXPECT_TRUE(back.runs[3].format.italic && back.runs[3].format.strikeOut);
  EXPECT_EQ(back.runs[3].format.halfPoints, 36);

  ASSERT_TRUE(edit.LoadFromBytes(edit.SaveToRtf()));
  edit.SetSel(2, 2);
  EXPECT_EQ(edit.SelAttributes(), chosen) << "read back from its rich text";

  // At an empty selection the font waits for the text typed there.
  const ui::Font typed{"ＭＳ ゴシック", -12, ui::fsBold, ui::clNavy};
  edit.SetSel(6, 0);
  edit.SetSelAttributes(typed);
  ui::probe::Type(edit, "x");
  EXPECT_EQ(edit.Text(), "ぽち～らメモx");
  edit.SetSel(6, 1);
  EXPECT_EQ(edit.SelAttributes(), typed);
}

// Replacing a selection (as the memo's replace does) gives the text put in the format of the first
// character it replaces; text put in at a caret takes the format of the character before it.
TEST_F(TextContract, ReplacedTextTakesTheFormatOfTheFirstCharacterItReplaces) {
  const core::rtf::CharFormat plain = Format("ＭＳ ゴシック", 18, false, false, false, false, 0x000000);
  const core::rtf::CharFormat bold = Format("ＭＳ Ｐゴシック", 24, true, false, false, false, 0x0000FF);
  core::rtf::RichText doc;
  doc.Append("ab", plain);
  doc.Append("cd", bold);
  doc.Append("ef", plain);
  ASSERT_TRUE(form->Edit1.LoadFromBytes(core::rtf::WriteRtf(doc)));
  form->Edit1.SetSel(2, 3);  // "cde": bold first
  form->Edit1.ReplaceSel("X");
  form->Edit1.SetSel(1, 1);  // "b": plain, with bold behind it
  form->Edit1.ReplaceSel("Y");
  form->Edit1.SetSel(4, 0);  // a caret behind the bold "X"
  form->Edit1.ReplaceSel("Z");
  core::rtf::RichText back = core::rtf::ReadRtf(form->Edit1.SaveToRtf());
  EXPECT_EQ(back.Text(), "aYXfZ");
  ASSERT_GE(back.runs.size(), 3u);
  EXPECT_EQ(back.runs[0].text, "aY");
  EXPECT_TRUE(back.runs[1].format.bold);
  EXPECT_EQ(back.runs[1].text, "X");
  EXPECT_FALSE(back.runs[2].format.bold);
  EXPECT_EQ(back.runs[2].text, "fZ");
}

// Replacing every occurrence at once gives what replacing them one after another gives: the same
// text, the same formats character by character, the same caret, the same count; and the text
// changes once. Random texts in random formats, with occurrences that touch, overlap or straddle
// runs and paragraphs; and plain texts.
TEST_F(TextContract, ReplacingEveryOccurrenceAtOnceEqualsReplacingThemOneByOne) {
  ui::RichEdit& edit = form->Edit1;
  const core::rtf::CharFormat formats[] = {
      Format("ＭＳ ゴシック", 18, false, false, false, false, core::rtf::kAutoColor),
      Format("ＭＳ Ｐ明朝", 24, true, false, true, false, 0x0000FF),
      Format("ＭＳ ゴシック", 30, false, true, false, true, 0x008000)};
  const char* pieces[] = {"a", "A", "b", "あ", "表", "ソ", "ｱ", "\\", "\r"};
  std::mt19937 random(20261211);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  int letters = 9;  // of pieces, every third round only "a" and "A": occurrences then overlap
  auto some = [&](int most) {
    std::string text;
    for (int n = 1 + pick(most); n > 0; --n) text += pieces[pick(letters)];
    return text;
  };
  for (int round = 0; round < 40; ++round) {
    letters = round % 3 == 0 ? 2 : 9;
    core::rtf::RichText doc;
    for (int runs = 1 + pick(6); runs > 0; --runs) {
      std::string run;
      for (int n = 1 + pick(12); n > 0; --n) run += pieces[pick(letters)];
      doc.Append(run, formats[pick(3)]);
    }
    const std::string find = some(3), put = round % 7 == 0 ? "" : some(3);
    const int from = pick(4);
    SCOPED_TRACE("round " + std::to_string(round) + ": \"" + find + "\" by \"" + put + "\" in \"" + doc.Text() +
                 "\" from " + std::to_string(from));

    // Every fifth round in plain text, where the document's bytes load as its text.
    edit.SetPlainText(round % 5 == 4);
    ASSERT_TRUE(edit.LoadFromBytes(core::rtf::WriteRtf(doc)));
    int one_by_one = 0;
    for (int at = from; std::optional<ui::Selection> hit = edit.Find(find, at); ++one_by_one) {
      edit.SetSel(hit->start, hit->length);
      edit.ReplaceSel(put);
      at = edit.SelStart() + edit.SelLength();
    }
    const std::string expected = edit.SaveToRtf(), expected_text = edit.Text();
    const ui::Selection expected_caret{edit.SelStart(), edit.SelLength()};

    ASSERT_TRUE(edit.LoadFromBytes(core::rtf::WriteRtf(doc)));
    edit.SetModified(false);
    edit.SetSel(0, 0);
    const int changes = form->changes;
    EXPECT_EQ(edit.ReplaceEvery(find, put, from), one_by_one);
    EXPECT_EQ(edit.Text(), expected_text);
    EXPECT_EQ(core::rtf::ReadRtf(edit.SaveToRtf()), core::rtf::ReadRtf(expected));
    if (one_by_one > 0) {
      EXPECT_EQ((ui::Selection{edit.SelStart(), edit.SelLength()}), expected_caret);
      EXPECT_EQ(form->changes, changes + 1) << "one change of the text";
      EXPECT_TRUE(edit.Modified());
    } else {
      EXPECT_EQ(form->changes, changes) << "nothing found, nothing changed";
      EXPECT_FALSE(edit.Modified());
      EXPECT_EQ(edit.SelStart(), 0);
    }
  }
  edit.SetPlainText(false);
}

// A long text is replaced and emptied as a short one is: the platform's editor may take another
// way for it, which must not show.
TEST_F(TextContract, ALongTextIsReplacedLoadedAndEmptiedAsAShortOneIs) {
  ui::RichEdit& edit = form->Edit1;
  std::string long_text;
  for (int i = 0; i < 2500; ++i) long_text += "長いメモの行 " + std::to_string(i) + "\r\n";
  edit.SetText(long_text);
  edit.SetFocus();
  edit.SetSel(10, 0);

  int changes = form->changes;
  edit.SetText("短いメモ");
  EXPECT_EQ(edit.Text(), "短いメモ");
  EXPECT_GT(form->changes, changes);
  EXPECT_FALSE(edit.Modified());
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(edit.SelAttributes(), edit.GetFont()) << "the editor's font";
  EXPECT_TRUE(ui::probe::NativeFocused(edit));

  const core::rtf::CharFormat bold = Format("ＭＳ Ｐゴシック", 24, true, false, false, false, 0x0000FF);
  core::rtf::RichText doc;
  doc.Append("太字", bold);
  edit.SetText(long_text);
  changes = form->changes;
  ASSERT_TRUE(edit.LoadFromBytes(core::rtf::WriteRtf(doc)));
  EXPECT_EQ(core::rtf::ReadRtf(edit.SaveToRtf()), doc);
  EXPECT_GT(form->changes, changes);
  edit.SetText(long_text);
  std::string long_rtf = "{\\rtf1\\ansi\\ansicpg932 ";
  for (int i = 0; i < 2500; ++i) long_rtf += "rich line " + std::to_string(i) + "\\par ";
  ASSERT_TRUE(edit.LoadFromBytes(long_rtf + "}"));
  EXPECT_EQ(edit.Line(2499), "rich line 2499") << "a long one over a long one";

  edit.SetModified(true);
  changes = form->changes;
  edit.Clear();
  EXPECT_EQ(edit.Text(), "");
  EXPECT_FALSE(edit.Modified());
  EXPECT_GT(form->changes, changes);
  EXPECT_TRUE(ui::probe::NativeFocused(edit));
}

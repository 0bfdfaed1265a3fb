#include "settings/options_dialog.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

#include "memo/memo_options.h"
#include "memo/memo_size.h"
#include "memo/memo_state.h"
#include "settings/settings_store.h"
#include "ui/dialogs.h"
#include "ui/exception.h"
#include "ui/screen.h"

TOptionDlg* OptionDlg = nullptr;

namespace {

constexpr int kDefaultFontPixels = 12;
constexpr int kDefaultChars = 80, kDefaultLines = 16;
// The memo font's pixel height for each row of ListBox1 ("9" to "16" points at 96 dpi).
constexpr std::array<int, 6> kRowPixels = {12, 13, 15, 16, 19, 21};

// OK's margin; the save command uses the memo window's own, memo::Margin.
constexpr int OkMargin(int h) { return (7 * h) / 12; }

int RowOfPixels(int h) {
  for (std::size_t row = 0; row < kRowPixels.size(); ++row) {
    if (kRowPixels[row] == h) return static_cast<int>(row);
  }
  return -1;
}

// A count typed into a size box: an optional minus and ASCII digits, at least 1, at most `most`.
int CountIn(const std::string& text, int most) {
  std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
  bool whole = text.size() > first;
  for (std::size_t i = first; i < text.size(); ++i) whole = whole && text[i] >= '0' && text[i] <= '9';
  if (!whole) throw ui::Exception("'" + text + "' は整数ではありません");
  // Past nine digits a count is beyond any screen; it is not read into an int.
  long long n = text.size() - first > 9 ? most + 1LL : std::stoll(text.substr(first));
  if (first) n = -n;
  if (n < 1 || n > most) {
    throw ui::Exception("'" + text + "' は範囲外です。1 から " + std::to_string(most) + " までの数を入力してください");
  }
  return static_cast<int>(n);
}

}  // namespace

TOptionDlg::TOptionDlg() : ui::Form("TOptionDlg") {
  Apply({.caption = "オプション",
         .border = ui::BorderStyle::Dialog,
         .border_icons = ui::biSystemMenu | ui::biHelp,
         .stay_on_top = true,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .client_width = 420,
         .client_height = 417});
  SetImeMode(ui::ImeMode::Off);
  Panel1.SetAlign(ui::Align::Client);
  Bevel1.SetBounds({10, 10, 399, 366});
  Bevel1.SetRaised(true);

  struct Box {
    ui::CheckBox& box;
    ui::Bounds at;
    const char* caption;
    bool checked;
  };
  for (const Box& b :
       {Box{CheckBox1, {24, 24, 370, 17}, "’ぽち～ら’がｳｨﾝﾄﾞｳｽﾞ画面に収まるように自動スクロールする。", true},
        Box{CheckBox10, {24, 53, 370, 17}, "文章が納まるように’ぽち～ら’を自動スクロールする。", true},
        Box{CheckBox2, {24, 84, 250, 17}, "固定画面の大きさを変更する。", false},
        Box{CheckBox9, {24, 133, 380, 17}, "固定画面で固定ピッチフォントを使う。（文字数が正確に反映されます）", true},
        Box{CheckBox3, {24, 164, 150, 17}, "背景の色を固定する。", false},
        Box{CheckBox5, {178, 164, 200, 17}, "フォントの色を変更する。", false},
        Box{CheckBox11, {24, 226, 185, 17}, "フォントサイズを変更する。", false},
        Box{CheckBox4, {24, 256, 250, 17}, "画面上部の文字を消す。", false},
        Box{CheckBox7, {24, 286, 250, 17}, "画面上部の文字を反転する。", false},
        Box{CheckBox8, {24, 313, 250, 17}, "’ぽち～ら’をテロップさせる。", false},
        Box{CheckBox6, {24, 341, 280, 17}, "’ぽち～ら’にスクロールバーをつける。", false}}) {
    b.box.SetBounds(b.at);
    b.box.SetCaption(b.caption);
    b.box.SetChecked(b.checked);
  }
  ui::Font larger = GetFont();
  larger.height = -13;
  CheckBox11.SetFont(larger);

  Label1.SetBounds({42, 109, 0, 0});
  Label1.SetCaption("固定画面の大きさ =");
  Edit1.SetBounds({151, 105, 54, 20});
  Label2.SetBounds({207, 109, 0, 0});
  Label2.SetCaption("文字（半角）×");
  Edit2.SetBounds({281, 105, 54, 20});
  Label4.SetBounds({340, 110, 0, 0});
  Label4.SetCaption("行");
  for (ui::Edit* edit : {&Edit1, &Edit2}) edit->SetImeOnFocus(ui::ImeMode::Off);

  Button1.SetBounds({55, 190, 75, 25});
  Button3.SetBounds({209, 190, 75, 25});
  for (ui::Button* button : {&Button1, &Button3}) {
    button->SetCaption("色の決定");
    button->SetEnabled(false);
  }

  ListBox1.SetBounds({216, 224, 65, 41});
  ListBox1.SetItems({"9", "10", "11", "12", "14", "16", ""});
  ListBox2.SetBounds({285, 224, 76, 41});
  ListBox2.SetItems({"regular", "bold", ""});

  OKBtn.SetBounds({126, 384, 74, 24});
  OKBtn.SetCaption("OK");
  OKBtn.SetDefault(true);
  CancelBtn.SetBounds({205, 384, 73, 24});
  CancelBtn.SetCaption("ｷｬﾝｾﾙ");
  CancelBtn.SetCancel(true);
  Button2.SetBounds({283, 384, 82, 24});
  Button2.SetCaption("設定を保存");

  OKBtn.OnClick = [this] { OKBtnClick(); };
  CancelBtn.OnClick = [this] { CancelBtnClick(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  // The window's states follow its boxes from the moment it shows until it hides; a hidden
  // window has nothing to follow, and its timer costs nothing.
  Timer1.SetInterval(1);
  Timer1.SetEnabled(false);
  Timer1.SetOnTimer([this] { Timer1Timer(); });
  OnShow = [this] {
    FormShow();
    Timer1Timer();
    Timer1.SetEnabled(true);
  };
  OnHide = [this] { Timer1.SetEnabled(false); };
}

void TOptionDlg::FormShow() {
  CheckBox1.SetChecked(Display.gamen);

  int h = memo::EditorFont().PixelHeight();
  if (h == kDefaultFontPixels && !Display.fontbold) {
    CheckBox11.SetChecked(false);
  } else if (int row = RowOfPixels(h); row >= 0) {
    CheckBox11.SetChecked(true);
    ListBox1.SetItemIndex(row);
  }

  int m = OkMargin(h);
  if (Display.takasa == kDefaultLines * h + m && Display.haba == (kDefaultChars / 2) * h + m) {
    CheckBox2.SetChecked(false);
    Edit1.SetText(std::to_string(kDefaultChars));
    Edit2.SetText(std::to_string(kDefaultLines));
  } else {
    CheckBox2.SetChecked(true);
    Edit1.SetText(std::to_string((Display.haba - m) / std::max(1, memo::HalfWidth(h))));
    Edit2.SetText(std::to_string((Display.takasa - m) / std::max(1, h)));
  }

  CheckBox3.SetChecked(Display.fixcolor);
  if (Display.fixcolor) ColorDialog1.SetColor(Display.backcolor);

  CheckBox6.SetChecked(Display.Bar);
  CheckBox4.SetChecked(Display.mojikesi);
  CheckBox7.SetChecked(Display.hanten);
  CheckBox8.SetChecked(Display.anime);
  CheckBox9.SetChecked(Display.fixfont);
  CheckBox10.SetChecked(Display.flex);
  CheckBox5.SetChecked(Display.fontcolor);
}

// Runs every millisecond while the window is shown: each setter returns at once when nothing
// changes.
void TOptionDlg::Timer1Timer() {
  Button1.SetEnabled(CheckBox3.Checked());
  Button3.SetEnabled(CheckBox5.Checked());
  bool sized = CheckBox2.Checked();
  ui::Font caption = CheckBox2.GetFont();
  caption.color = sized ? ui::clWhite : ui::clBlack;
  CheckBox2.SetFont(caption);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Label2, &Label4, &Edit1, &Edit2})
    c->SetVisible(sized);
  bool sizes = CheckBox11.Checked();
  ListBox1.SetVisible(sizes);
  ListBox2.SetVisible(sizes);
}

TOptionDlg::Choice TOptionDlg::Chosen(MarginRule rule) const {
  Choice c{Display, memo::EditorFont()};
  DisplaySettings& d = c.display;
  d.gamen = CheckBox1.Checked();
  d.fixcolor = CheckBox3.Checked();
  d.fontcolor = CheckBox5.Checked();
  d.mojikesi = CheckBox4.Checked();
  d.Bar = CheckBox6.Checked();
  d.hanten = CheckBox7.Checked();
  d.anime = CheckBox8.Checked();
  d.fixfont = CheckBox9.Checked();
  d.flex = CheckBox10.Checked();

  if (CheckBox11.Checked()) {
    int row = ListBox1.ItemIndex();
    if (row >= 0 && row < static_cast<int>(kRowPixels.size())) c.font.height = -kRowPixels[row];
    int weight = ListBox2.ItemIndex();
    if (rule == MarginRule::Ok) {
      if (weight == 0) d.fontbold = false;
      if (weight == 1) d.fontbold = true;
    } else {
      if (weight == 0) c.font.style = 0;
      if (weight == 1) c.font.style = ui::fsBold;
    }
  } else {
    c.font.height = -kDefaultFontPixels;
    if (rule == MarginRule::Ok)
      d.fontbold = false;
    else
      c.font.style = 0;
  }
  if (rule == MarginRule::Save) d.fontbold = c.font.style == ui::fsBold;

  int h = c.font.PixelHeight();
  int m = rule == MarginRule::Ok ? OkMargin(h) : memo::Margin(h);
  if (CheckBox2.Checked()) {
    // The memo window is its editor plus a frame; both counts must leave it on the screen.
    int most_chars = std::max(0, ((ui::Screen::Width() - memo::kWindowExtraWidth - m) * 2 + 1) / h);
    int most_lines = std::max(0, (ui::Screen::Height() - memo::kWindowExtraHeight - m) / h);
    int chars = CountIn(Edit1.Text(), most_chars);
    int lines = CountIn(Edit2.Text(), most_lines);
    if (rule == MarginRule::Ok) d.PreviousHaba = Display.haba;
    d.haba = static_cast<std::uint16_t>((chars * h) / 2 + m);
    d.takasa = static_cast<std::uint16_t>(lines * h + m);
  } else {
    d.haba = static_cast<std::uint16_t>((kDefaultChars / 2) * h + m);
    d.takasa = static_cast<std::uint16_t>(kDefaultLines * h + m);
  }
  return c;
}

void TOptionDlg::OKBtnClick() {
  Choice c = Chosen(MarginRule::Ok);
  memo::ApplyOptions(c.display, c.font);
  BackToMemo();
}

// Nothing is applied until the file has taken the settings: a failed write leaves the run as it
// was, and the dialog open for OK or Cancel.
void TOptionDlg::Button2Click() {
  Choice c = Chosen(MarginRule::Save);
  SaveSettings(c.display, c.font);
  memo::ApplyOptions(c.display, c.font);
  ui::ShowMessage("設定を保存しました");
  BackToMemo();
}

void TOptionDlg::CancelBtnClick() { BackToMemo(); }

void TOptionDlg::Button1Click() {
  if (ColorDialog1.Execute()) Display.backcolor = ColorDialog1.GetColor();
}

void TOptionDlg::Button3Click() {
  if (ColorDialog1.Execute()) Display.ChosenFontColor = ColorDialog1.GetColor();
}

void TOptionDlg::BackToMemo() {
  memo::BackFromOptions();
  Hide();
}

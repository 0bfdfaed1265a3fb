#include "memo/memo_window.h"

#include "core/cp932.h"
#include "help/about_box.h"
#include "help/help_viewer.h"
#include "memo/memo_options.h"
#include "memo/memo_size.h"
#include "memo/memo_state.h"
#include "settings/options_dialog.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/file.h"
#include "ui/screen.h"

TForm1* Form1 = nullptr;
MemoState Memo;
DisplaySettings Display;

namespace {

constexpr int kDefaultFontPixels = 12;
constexpr int kWidthLimitChars = 80;
constexpr int kHeightLimitLines = 16;

// The backgrounds a show picks from, with equal chance, unless the colour is fixed.
constexpr ui::Color kBackgrounds[] = {0xFFFFFF, 0xC0C0C0, 0x00FFFF, 0xFFFF00, 0xC08080,
                                      0x80FF80, 0x4080FF, 0x8080FF, 0x44AFBB, 0xFF80FF};

}  // namespace

std::string MemoFilePath() { return core::cp932::ExtractFileDir(ui::Application->ExeName()) + "\\Memo1.txt"; }

TForm1::TForm1() : ui::Form("TForm1") {
  Apply({.border = ui::BorderStyle::None,
         .font = {kProportional, -kDefaultFontPixels, 0, ui::clWindowText},
         .size = {80, 61}});

  Timer1.SetInterval(1);
  ui::Font title{kProportional, -kDefaultFontPixels, ui::fsBold, ui::clBlack};
  for (ui::Label* label : {&Label1, &Label2}) {
    label->SetFont(title);
    label->SetTransparent(true);
  }
  Label1.SetBounds({10, 0, 0, 0});
  Label2.SetBounds({11, 1, 0, 0});
  Edit1.SetFont({kFixedPitch, -kDefaultFontPixels, 0, ui::clBlack});
  Edit1.SetWordWrap(false);
  Edit1.OnChange = [this] { Edit1Change(); };
  Edit1.OnKeyDown = [this](int key, unsigned shift) { Edit1KeyDown(key, shift); };
  Edit1.OnMouseDown = [this](ui::MouseButton b, unsigned shift, int x, int y) { Edit1MouseDown(b, shift, x, y); };
  Edit1.OnMouseMove = [this](unsigned shift, int x, int y) { Edit1MouseMove(shift, x, y); };
  Edit1.OnMouseUp = [this](ui::MouseButton b, unsigned shift, int x, int y) { Edit1MouseUp(b, shift, x, y); };
  Edit1.SetPopupMenu(&PopupMenu1);
  Memo1.SetBounds({0, 0, 73, 89});
  Memo1.Hide();
  Memo3.Hide();
  BuildMenu();
  K6.OnClick = [this] { K6Click(); };
  About1.OnClick = [this] { About1Click(); };
  FontDialog1.SetFont({kProportional, -kDefaultFontPixels, 0, ui::clWindowText});
  OpenDialog1.SetFilter("ﾃｷｽﾄﾌｧｲﾙ（ .txt）|*.txt|全てのﾌｧｲﾙ|*.*");
  OpenDialog1.SetDefaultExt("txt");
  OpenDialog1.SetShowReadOnly(true);
  SaveDialog1.SetFilter("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|全てのﾌｧｲﾙ|*.*");
  Timer1.SetOnTimer([this] { Timer1Timer(); });
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
}

void TForm1::BuildMenu() {
  for (ui::MenuItem* item : {&K9, &K10, &N1, &K16, &K7, &Close1, &N2, &K12, &SaveAs1, &N4, &Print1}) File1.Add(*item);
  for (ui::MenuItem* item : {&K11, &K1, &K2, &K3, &Cut1, &K5}) Edit3.Add(*item);
  for (ui::MenuItem* item : {&Replace1, &K14, &K15}) Show1.Add(*item);
  K8.Add(K4);
  K8.Add(N3);
  for (ui::MenuItem* item : {&File1, &Edit3, &Show1, &K8, &K6, &About1}) PopupMenu1.Add(*item);
  K11.SetEnabled(false);
  K9.OnClick = [this] { K9Click(); };
  K10.OnClick = [this] { K10Click(); };
  K16.OnClick = [this] { K16Click(); };
  K7.OnClick = [this] { K7Click(); };
  Close1.OnClick = [this] { Close1Click(); };
  K12.OnClick = [this] { K12Click(); };
  SaveAs1.OnClick = [this] { SaveAs1Click(); };
  Print1.OnClick = [this] { Print1Click(); };
  K11.OnClick = [this] { K11Click(); };
  K1.OnClick = [this] { K1Click(); };
  Edit3.OnClick = [this] { Edit3Click(); };
  K2.OnClick = [this] { K2Click(); };
  K3.OnClick = [this] { K3Click(); };
  Cut1.OnClick = [this] { Cut1Click(); };
  K5.OnClick = [this] { K5Click(); };
  Replace1.OnClick = [this] { Replace1Click(); };
  K14.OnClick = [this] { K14Click(); };
  K15.OnClick = [this] { K15Click(); };
  K8.OnClick = [this] { K8Click(); };
  K4.OnClick = [this] { K4Click(); };
  N3.OnClick = [this] { N3Click(); };
  // What a command changes is followed at the next tick, however long the menu was open.
  for (ui::MenuItem* item : {&K9, &K10, &K16, &K7, &Close1, &K12, &SaveAs1, &Print1, &K11, &K1, &K2, &K3, &Cut1, &K5,
                             &Replace1, &K14, &K15, &K4, &N3}) {
    item->OnClick = [this, command = std::move(item->OnClick)] {
      command();
      Pace.Wake();
    };
  }
}

void TForm1::FormCreate() {
  Memo.WidthLocked = false;
  Display.mojikesi = false;
  Memo.FileMode = false;
  Display.flex = true;
  Display.hanten = false;
  Display.fixfont = true;
  Display.gamen = true;
  Memo.HeightCapped = false;
  Memo.BottomDrag = false;

  Edit1.SetWordWrap(false);
  Edit1.SetScrollBars(ui::ScrollBars::None);
  Memo.LineCounter = 2;

  ui::Font font = Edit1.GetFont();
  font.height = -kDefaultFontPixels;
  Edit1.SetFont(font);
  int h = FontPixels();
  Edit1.SetWidth(memo::HalfWidth(h) * memo::kStartChars);
  Edit1.SetHeight(3 * h);
  SetWidth(memo::HalfWidth(h) * memo::kStartChars + memo::kWindowExtraWidth);
  SetHeight(3 * h + memo::kWindowExtraHeight);

  SetTop(0);
  SetLeft(ui::Screen::Width() - 2 * Width());
  Edit1.SetLeft(memo::kEditorLeft);
  Edit1.SetTop(memo::kEditorTop);

  Display.haba = static_cast<std::uint16_t>(memo::WidthOfChars(kWidthLimitChars, h));
  Display.takasa = static_cast<std::uint16_t>(memo::HeightOfLines(kHeightLimitLines, h));
  Display.PreviousHaba = Display.haba;

  SetActiveControl(&Edit1);

  // A key without both values is reported, and the window stays where it was put above.
  try {
    if (auto at = ReadPosition("Top", "Left")) {
      SetTop(at->y);
      SetLeft(at->x);
    }
  } catch (const ui::Exception& e) {
    ui::Application->ShowException(e);
  }

  try {
    if (!Edit1.LoadFromBytes(ui::ReadFileBytes(MemoFilePath()))) ui::Beep();
  } catch (const ui::FileError&) {
    ui::Beep();
  }
  Autosave.Loaded();

  font = Edit1.GetFont();
  ReadSettings(Display, font);
  Edit1.SetFont(font);
}

void TForm1::FormShow() {
  Pace.Wake();
  Memo1.Hide();

  ui::Randomize();
  Edit1.SetColor(kBackgrounds[ui::Random(10)]);

  ui::Font font = Edit1.GetFont();
  font.style = Display.fontbold ? unsigned{ui::fsBold} : 0u;
  if (Display.fixcolor) Edit1.SetColor(Display.backcolor);
  font.color = Display.fontcolor ? Display.ChosenFontColor : ui::clBlack;
  Edit1.SetFont(font);

  // Line widths are measured in the window's own font, at the editor's height.
  SetFont({kProportional, font.height, 0, ui::clWindowText});
  int h = FontPixels();
  const char* wrapped_font = Display.fixfont ? kFixedPitch : kProportional;

  if (!Display.flex) {
    Edit1.SetWidth(Display.haba);
    Edit1.SetHeight(Display.takasa);
    Edit1.SetWordWrap(true);
    SetEditorFontName(wrapped_font);
  } else {
    if (Edit1.Width() < Display.PreviousHaba) Edit1.SetWidth(memo::HalfWidth(h) * memo::kStartChars);
    for (int i = 0; i <= Memo.LineCounter; ++i) {
      int w = ui::TextExtent(GetFont(), Edit1.Line(i)).width;
      if (w > Edit1.ClientWidth()) Edit1.SetWidth(w + memo::Allowance(h));
    }
    Edit1.SetHeight(h * (Memo.LineCounter + 1) + memo::Margin(h));
  }

  if (Edit1.Width() >= Display.haba) {
    Edit1.SetWidth(Display.haba);
    Edit1.SetWordWrap(true);
    SetEditorFontName(wrapped_font);
  }
  if (Edit1.Height() >= Display.takasa) Edit1.SetHeight(Display.takasa);

  ui::Font title = Label1.GetFont();
  title.color = Display.hanten ? ui::clSilver : ui::clBlack;
  Label1.SetFont(title);
  title.color = Display.hanten ? ui::clBlack : ui::clSilver;
  Label2.SetFont(title);

  if (Display.Bar) {
    Edit1.SetScrollBars(ui::ScrollBars::Vertical);
    if (Edit1.Width() >= Display.haba) Memo.WidthLocked = true;
  } else {
    Edit1.SetScrollBars(ui::ScrollBars::None);
  }
}

void TForm1::Edit1Change() {
  Pace.Wake();
  Autosave.TextChanged();
  if (Edit1.Line(0).empty()) Memo.LineCounter = 2;
  if (!Memo.FileMode) {
    Label1.SetCaption(ui::LongTimeText());
    Label2.SetCaption(Label1.Caption());
  }
}

void TForm1::N3Click() {
  OptionDlg->Show();
  Hide();
  Timer1.SetInterval(0);
}

ui::Font memo::EditorFont() { return Form1->Edit1.GetFont(); }

void memo::ApplyOptions(const DisplaySettings& display, const ui::Font& editor_font) {
  Display = display;
  Form1->Edit1.SetFont(editor_font);
  Form1->Pace.Wake();
}

void memo::BackFromOptions() {
  Form1->Show();
  Form1->Timer1.SetInterval(1);
}

void TForm1::K6Click() { HelpDlg->Show(); }

void TForm1::About1Click() { AboutDlg->ShowModal(); }

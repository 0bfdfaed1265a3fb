#include "help/help_viewer.h"

#include <algorithm>
#include <string>

#include "help/help_sections.h"
#include "help/help_text.h"
#include "help/logo.h"
#include "ui/canvas.h"

THelpDlg* HelpDlg = nullptr;

namespace {

constexpr ui::Color kPartsPanel = ui::clPurple, kPartsText = ui::clAqua;  // the program's parts
constexpr ui::Color kUsePanel = ui::clTeal, kUseText = ui::clYellow;      // ways of use, errors

}  // namespace

THelpDlg::THelpDlg() : ui::Form("THelpDlg") {
  Apply({.caption = "Help",
         .border = ui::BorderStyle::Dialog,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .client_width = 406,
         .client_height = 397});

  Panel1.SetAlign(ui::Align::Left);
  Panel1.SetWidth(121);
  Panel1.SetBevelOuter(ui::BevelCut::None);

  const HelpSectionTable sections = HelpSections();
  struct Button {
    ui::Panel& panel;
    int top;
    void (THelpDlg::*handler)();
  };
  const Button buttons[kHelpSectionCount] = {
      {Panel2, 3, &THelpDlg::Panel2Click},     {Panel3, 29, &THelpDlg::Panel3Click},
      {Panel4, 55, &THelpDlg::Panel4Click},    {Panel5, 81, &THelpDlg::Panel5Click},
      {Panel11, 107, &THelpDlg::Panel11Click}, {Panel6, 133, &THelpDlg::Panel6Click},
      {Panel7, 159, &THelpDlg::Panel7Click},   {Panel8, 194, &THelpDlg::Panel8Click},
      {Panel9, 220, &THelpDlg::Panel9Click},   {Panel10, 246, &THelpDlg::Panel10Click},
      {Panel12, 272, &THelpDlg::Panel12Click},
  };
  for (int i = 0; i < kHelpSectionCount; ++i) {
    const Button& b = buttons[i];
    const bool parts = i < 7;
    b.panel.SetBounds({5, b.top, 110, 25});
    b.panel.SetBevelInner(ui::BevelCut::Lowered);
    b.panel.SetColor(parts ? kPartsPanel : kUsePanel);
    b.panel.SetFont({"ＭＳ Ｐゴシック", -12, 0, parts ? kPartsText : kUseText});
    b.panel.SetCaption(std::string(sections[i].caption));
    b.panel.OnClick = [this, handler = b.handler] { (this->*handler)(); };
  }

  help::PlaceLogo({LogoFirst, LogoSecond, LogoBar, LogoLast, LogoVersion}, {.first = {7, 307},
                                                                            .second = {31, 315},
                                                                            .bar = {56, 331, 56, 4},
                                                                            .last = {98, 339},
                                                                            .version = {65, 318},
                                                                            .version_color = ui::clWhite});

  Button1.SetBounds({0, 368, 118, 25});
  Button1.SetCaption("終了");
  Button1.OnClick = [this] { Button1Click(); };

  // The range is fixed, unless taller lines need more to reach the text's last line.
  const ui::Font text_font{"ＭＳ ゴシック", -12, 0, ui::clBlack};
  line_height_ = ui::TextExtent(text_font, "ぽ").height;
  const int text_height = static_cast<int>(HelpLines(HelpText()).size()) * line_height_;
  const int range = std::max(kHelpTextHeight, text_height + line_height_);
  ScrollBox1.SetAlign(ui::Align::Client);
  ScrollBox1.SetRange(range);
  Memo1.SetBorder(false);
  Memo1.SetWordWrap(false);
  Memo1.SetFont(text_font);
  Memo1.SetBounds({0, 0, ScrollBox1.ClientSize().width, range});
  Memo1.SetText(std::string(HelpText()));
  Memo1.SetModified(false);
  ShowSection(kFirstShownSection);
}

void THelpDlg::ShowSection(int section) {
  ScrollBox1.SetPosition(ScrollPositionOf(HelpSections()[section].line, line_height_));
}

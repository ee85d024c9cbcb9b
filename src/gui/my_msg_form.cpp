#include "gui/my_msg_form.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>

#include <array>

#include "gui/glyphs.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/styled_button.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

namespace {

constexpr TColor kDesignStartColor = 0x8AB0FF;
constexpr int kTextLeft = 64;
constexpr int kDisplayTop = 8;
constexpr int kQuestionTop = 72;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

struct Words {
  const char *yes, *no, *ok, *cancel, *yesAll, *noAll;
};
constexpr Words kGerman{"&Ja", "&Nein", "Ok", "&Abbruch", "Ja-Alle", "Nein-Alle"};
constexpr Words kEnglish{"&Yes", "&No", "Ok", "&Cancel", "Yes-All", "No-All"};

template <class Button>
Button* makeButton(Fl_RGB_Image* glyph) {
  auto* b = new Button(0, 0, kButtonWidth, kButtonHeight);
  b->Glyph(glyph);
  b->hide();
  return b;
}

int rowButtonsOf(TMsgBtn buttons) {
  switch (buttons) {
    case mbJa:
    case mbNein:
    case mbOK:
      return 1;
    case mbJaNein:
      return 2;
    case mbJaNeinAbbruch:
    case mbJaNeinAlle:
      return 3;
    default:
      return 0;
  }
}

}  // namespace

TmsgForm::TmsgForm() : MessageWindow(kDesignWidth, kDesignHeight) {
  BG = new TIF_Gradient(0, 0, kDesignWidth, kDesignHeight);
  BG->StartColor(kDesignStartColor);
  BG->EndColor(kSilver);
  BG->Direction(gdUpDown);
  BG->Align(alClient);
  Image = makePicture(8, 8, 49, 49, glyphs::information());
  Anzeigetext = makeMessageLabel(kTextLeft, kDisplayTop, kBlack);
  Fragetext = makeMessageLabel(kTextLeft, kQuestionTop, kBlack);
  iInformation = makePicture(0, 0, 49, 49, glyphs::information());
  iError = makePicture(0, 0, 49, 49, glyphs::error());
  iWarnung = makePicture(0, 0, 49, 49, glyphs::warning());
  iConfirmation = makePicture(0, 0, 49, 49, glyphs::confirmation());
  for (Fl_Box* hidden : {iInformation, iError, iWarnung, iConfirmation}) hidden->hide();
  lblTest = makeMessageLabel(0, 0, kBlack);
  lblTest->hide();

  btn1 = makeButton<TBitBtn>(glyphs::tick());
  btn3 = makeButton<TBitBtn>(glyphs::abortSign());
  btn2 = makeButton<TBitBtn>(glyphs::prohibition());
  btn11 = makeButton<TBitBtn>(glyphs::tick());
  btn21 = makeButton<TBitBtn>(glyphs::prohibition());
  btn1LMD = makeButton<TStyledButton>(glyphs::tick());
  btn3LMD = makeButton<TStyledButton>(glyphs::abortSign());
  btn11LMD = makeButton<TStyledButton>(glyphs::tick());
  btn2LMD = makeButton<TStyledButton>(glyphs::prohibition());
  btn21LMD = makeButton<TStyledButton>(glyphs::prohibition());
  btn1->Default(true);
  btn11->Default(true);
  const std::array<TDialogButton*, 10> buttons{btn1,    btn3,    btn2,     btn11,   btn21,
                                               btn1LMD, btn3LMD, btn11LMD, btn2LMD, btn21LMD};
  for (TDialogButton* b : buttons) connect(b);
  end();
}

void TmsgForm::Caption(const std::string& text) {
  caption_ = text;
  copy_label(caption_.c_str());
}

void TmsgForm::arrangePicture(TMsgType icon, bool german) {
  Fl_Box* picture = nullptr;
  const char* title = "";
  switch (icon) {
    case mtWarning:
      picture = iWarnung, title = german ? "Warnung" : "Warning";
      break;
    case mtError:
      picture = iError, title = german ? "Fehler" : "Error";
      break;
    case mtInformation:
    case mtCustom:
      picture = iInformation, title = "Information";
      break;
    case mtConfirmation:
      picture = iConfirmation, title = german ? "Bestätigung" : "Confirmation";
      break;
    default:
      break;  // the design picture stays, and there is no default title
  }
  if (picture) Image->image(picture->image());
  if (caption_.empty()) Caption(title);
}

void TmsgForm::ArrangeForm(TMsgBtn buttons, TMsgType icon, bool german, bTyp style) {
  buttonSet_ = buttons;
  iconType_ = icon;
  arrangePicture(icon, german);

  core::MessageLayoutInput in;
  in.displayText = Anzeigetext->Caption();
  in.questionText = Fragetext->Caption();
  in.lineHeight = Fragetext->h();  // one line of the font for a one-line question
  in.rowButtons = rowButtonsOf(buttons);
  in.secondRow = buttons == mbJaNeinAlle;
  in.buttonWidths[0] = btn1->w();
  in.buttonWidths[1] = btn2->w();
  in.buttonWidths[2] = btn3->w();
  in.buttonHeight = btn1->h();
  in.textLeft = Anzeigetext->x();
  in.displayTop = Anzeigetext->y();
  layout_ = core::layoutMessage(in, widthMeasuredBy(*lblTest));

  Fragetext->position(Fragetext->x(), layout_.questionTop);
  ClientSize(layout_.clientWidth, layout_.clientHeight);
  BG->Align(alClient);  // follow the new client area
  arrangeButtons(german, style);
}

void TmsgForm::arrangeButtons(bool german, bTyp style) {
  const bool styled = style == btypLMD;
  TDialogButton* bitmapRow[3] = {btn1, btn2, btn3};
  TDialogButton* styledRow[3] = {btn1LMD, btn2LMD, btn3LMD};
  TDialogButton* bitmapRow2[2] = {btn11, btn21};
  TDialogButton* styledRow2[2] = {btn11LMD, btn21LMD};
  for (int i = 0; i < 3; ++i) {
    for (TDialogButton* b : {bitmapRow[i], styledRow[i]}) {
      b->hide();
      b->position(layout_.buttonLefts[i], layout_.buttonTop);
    }
  }
  for (int i = 0; i < 2; ++i) {
    for (TDialogButton* b : {bitmapRow2[i], styledRow2[i]}) {
      b->hide();
      b->position(layout_.secondRowLefts[i], layout_.secondRowTop);
    }
  }

  TDialogButton** row = styled ? styledRow : bitmapRow;
  TDialogButton** row2 = styled ? styledRow2 : bitmapRow2;
  const Words& words = german ? kGerman : kEnglish;
  auto showButton = [](TDialogButton* b, const char* caption, int result) {
    b->Caption(caption);
    b->ModalResult(result);
    b->show();
  };
  FocusButton(nullptr);
  switch (buttonSet_) {
    case mbJa:
      showButton(row[0], words.yes, mrYes);
      break;
    case mbNein:
      showButton(row[0], words.no, mrNo);
      break;
    case mbOK:
      showButton(row[0], words.ok, mrOk);
      break;
    case mbJaNein:
      showButton(row[0], words.yes, mrYes);
      showButton(row[1], words.no, mrNo);
      break;
    case mbJaNeinAlle:
      showButton(row2[0], words.yesAll, mrYesToAll);
      showButton(row2[1], words.noAll, mrNoToAll);
      [[fallthrough]];
    case mbJaNeinAbbruch:
      showButton(row[0], words.yes, mrYes);
      showButton(row[1], words.no, mrNo);
      showButton(row[2], words.cancel, mrCancel);
      break;
    default:
      break;
  }
  switch (buttonSet_) {
    case mbJa:
    case mbNein:
    case mbOK:
      FocusButton(row[0]);
      break;
    case mbJaNein:
      FocusButton(row[1]);
      break;
    case mbJaNeinAbbruch:
    case mbJaNeinAlle:
      FocusButton(row[2]);
      break;
    default:
      break;
  }
}

}  // namespace tavilo::gui

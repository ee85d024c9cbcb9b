#include "gui/message_text.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>

#include "core/user_messages.h"
#include "gui/form_position.h"
#include "gui/glyphs.h"
#include "gui/plain_box.h"
#include "gui/system_colors.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

namespace {

constexpr int kTextLeft = 64;
constexpr int kDisplayTop = 8;
constexpr int kQuestionTop = 72;

TBitBtn* makeButton(Fl_RGB_Image* glyph) {
  auto* b = new TBitBtn(0, 0, 75, 25);
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
      return 3;
    default:
      return 0;
  }
}

}  // namespace

Tmymsg::Tmymsg() : MessageWindow(kDesignWidth, kDesignHeight) {
  IF_Gradient1 = new TIF_Gradient(0, 0, kDesignWidth, kDesignHeight);
  IF_Gradient1->StartColor(0x8AB0FF);
  IF_Gradient1->EndColor(kSilver);
  IF_Gradient1->Direction(gdUpDown);
  IF_Gradient1->Align(alClient);
  Image = makePicture(8, 8, 49, 49, glyphs::information());
  Anzeigetext = makeMessageLabel(kTextLeft, kDisplayTop, kWindowText);
  fragetext = makeMessageLabel(kTextLeft, kQuestionTop, kBlack);
  iInformation = makePicture(0, 0, 49, 49, glyphs::information());
  iError = makePicture(0, 0, 49, 49, glyphs::error());
  iWarnung = makePicture(0, 0, 49, 49, glyphs::warning());
  iConfirmation = makePicture(0, 0, 49, 49, glyphs::confirmation());
  for (Fl_Box* hidden : {iInformation, iError, iWarnung, iConfirmation}) hidden->hide();
  lblTest = makeMessageLabel(0, 0, kBlack);
  lblTest->hide();
  btn1 = makeButton(glyphs::tick());
  btn3 = makeButton(glyphs::cross());
  btn2 = makeButton(glyphs::prohibition());
  btn1->Default(true);
  for (TBitBtn* b : {btn1, btn3, btn2}) connect(b);
  end();
}

void Tmymsg::Fill(TMsgType icon, const std::string& caption, const std::string& text, const std::string& question,
                  TMsgBtn buttons) {
  Fl_Box* picture = nullptr;
  const char* title = "";
  switch (icon) {
    case mtWarning:
      picture = iWarnung, title = "Warnung";
      break;
    case mtError:
      picture = iError, title = "Fehler";
      break;
    case mtInformation:
      picture = iInformation, title = "Information";
      break;
    case mtConfirmation:
      picture = iConfirmation, title = "Bestätigung";
      break;
    default:
      break;  // the previous call's picture stays
  }
  if (picture) Image->image(picture->image());

  // One line of the labels' font, whatever question the previous call left in fragetext:
  // each message is spaced by its own texts alone.
  const int lineHeight = oneLineHeight(fragetext->Font());
  fragetext->Caption(question);

  core::MessageLayoutInput in;
  in.displayText = text;
  in.questionText = question;
  in.lineHeight = lineHeight;
  in.buttonsBelowQuestionLines = true;
  in.questionLinesWiden = true;
  in.rowButtons = rowButtonsOf(buttons);
  in.buttonWidths[0] = btn1->w();
  in.buttonWidths[1] = btn2->w();
  in.buttonWidths[2] = btn3->w();
  in.buttonHeight = btn1->h();
  in.textLeft = Anzeigetext->x();
  in.displayTop = Anzeigetext->y();
  layout_ = core::layoutMessage(in, widthMeasuredBy(*lblTest));

  fragetext->position(fragetext->x(), layout_.questionTop);
  ClientSize(layout_.clientWidth, layout_.clientHeight);
  IF_Gradient1->Align(alClient);
  TBitBtn* row[3] = {btn1, btn2, btn3};
  for (int i = 0; i < 3; ++i) {
    row[i]->hide();
    row[i]->position(layout_.buttonLefts[i], layout_.buttonTop);
  }
  auto showButton = [](TBitBtn* b, const char* caption, int result) {
    b->Caption(caption);
    b->ModalResult(result);
    b->show();
  };
  FocusButton(nullptr);
  switch (buttons) {
    case mbJa:
      showButton(btn1, "&Ja", mrYes);
      FocusButton(btn1);
      break;
    case mbNein:
      showButton(btn1, "&Nein", mrNo);
      FocusButton(btn1);
      break;
    case mbOK:
      showButton(btn1, "Ok", mrOk);
      FocusButton(btn1);
      break;
    case mbJaNein:
      showButton(btn1, "&Ja", mrYes);
      showButton(btn2, "&Nein", mrNo);
      FocusButton(btn2);
      break;
    case mbJaNeinAbbruch:
      showButton(btn1, "&Ja", mrYes);
      showButton(btn2, "&Nein", mrNo);
      showButton(btn3, "&Abbruch", mrCancel);
      FocusButton(btn3);
      break;
    default:
      break;
  }
  copy_label((caption.empty() ? std::string(title) : caption).c_str());
  Anzeigetext->Caption(text);
  fragetext->Caption(question);
}

int Tmymsg::MyMessageBox(TMsgType icon, const std::string& caption, const std::string& text,
                         const std::string& question, TMsgBtn buttons) {
  Fill(icon, caption, text, question, buttons);
  placeForm(*this, poScreenCenter, nullptr, 0, 0);
  return ShowModal();
}

void installMessageBoxes(Tmymsg& box) {
  core::setMyMessageBox([&box](TMsgType icon, const std::string& caption, const std::string& text,
                               const std::string& question, TMsgBtn buttons) {
    return box.MyMessageBox(icon, caption, text, question, buttons);
  });
  core::setPlainMessageBox(&showPlainBox);
}

}  // namespace tavilo::gui

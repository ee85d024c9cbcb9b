#include "gui/my_msg_dlg.h"

#include <memory>

#include "gui/widgets/if_gradient.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

namespace {

// Holds the running call's form, and gives an outer call's back at the end.
class CurrentForm {
 public:
  CurrentForm(TmsgForm*& slot, TmsgForm* form) : slot_(slot), previous_(slot) { slot_ = form; }
  ~CurrentForm() { slot_ = previous_; }
  CurrentForm(const CurrentForm&) = delete;
  CurrentForm& operator=(const CurrentForm&) = delete;

 private:
  TmsgForm*& slot_;
  TmsgForm* previous_;
};

}  // namespace

int TmyMsgDlg::Execute(TMsgType icon, const std::string& caption, const std::string& text,
                       const std::string& question, TMsgBtn buttons) {
  const auto form = std::make_unique<TmsgForm>();
  const CurrentForm current(form_, form.get());
  form->BG->StartColor(startColor_);
  form->BG->EndColor(endColor_);
  if (background_)
    form->BG->show();
  else
    form->BG->hide();
  for (TTextLabel* label : {form->Fragetext, form->Anzeigetext}) {
    FontSpec font = label->Font();
    font.color = textColor_;
    label->Font(font);
  }
  const TMsgBtn buttonSet = buttons == mbLeer ? buttons_ : buttons;
  const TMsgType iconType = icon == mtLeer ? iconTyp_ : icon;
  form->Fragetext->Caption(question.empty() ? frageText_ : question);
  form->Anzeigetext->Caption(text.empty() ? anzeigeText_ : text);
  form->Caption(caption.empty() ? captionText_ : caption);
  form->ArrangeForm(buttonSet, iconType, spracheD_, buttonTyp_);
  placeForm(*form, position_, owner_, TmsgForm::kDesignLeft, TmsgForm::kDesignTop);
  return form->ShowModal();
}

}  // namespace tavilo::gui

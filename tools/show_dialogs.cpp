// Shows the message dialog and the simple message box side by side in many variants (every
// button set in both button styles, both languages, the simple box's sets), each prepared
// as a call would prepare it, so that their looks can be checked by eye. With "--execute"
// it runs one real message dialog after another instead.
#include <FL/Fl.H>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gui/message_text.h"
#include "gui/my_msg_dlg.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/text_label.h"

namespace {

using namespace tavilo::gui;

struct Variant {
  TMsgType icon;
  const char* text;
  const char* question;
  TMsgBtn buttons;
  bTyp style;
  bool german;
};

const Variant kVariants[] = {
    {mtInformation, "Die Tavilo.INI \nist nicht in der passenden Version.\nSie muß für Version > 2 sein.",
     "Das Programm wird beendet.", mbOK, btypNormal, true},
    {mtConfirmation, "Alle gewählten Dateien", "LÖSCHEN ?", mbJaNein, btypNormal, true},
    {mtWarning, "Datei existiert schon:\n/MEDIEN/A&B.TXT", "Überschreiben?", mbJaNeinAbbruch, btypNormal, true},
    {mtError, "Kann Datei nicht kopieren.", "Weiter?", mbJaNeinAlle, btypNormal, true},
    {mtCustom, "Fertig.", "", mbJa, btypNormal, true},
    {mtInformation, "Anzahl Dateien im Ordner:\n\n/tmp/", "12total", mbOK, btypLMD, true},
    {mtConfirmation, "All chosen files", "DELETE ?", mbJaNein, btypLMD, false},
    {mtWarning, "File exists:\n/MEDIA/X.TXT", "Overwrite?", mbJaNeinAbbruch, btypLMD, false},
    {mtError, "Cannot copy the file.", "Go on?", mbJaNeinAlle, btypLMD, false},
    {mtInformation, "Nichts gewählt.", "", mbNein, btypLMD, true},
};

std::unique_ptr<TmsgForm> prepared(const Variant& v) {
  auto form = std::make_unique<TmsgForm>();
  form->Fragetext->Caption(v.question);
  form->Anzeigetext->Caption(v.text);
  form->ArrangeForm(v.buttons, v.icon, v.german, v.style);
  return form;
}

int executeAll() {
  TmyMsgDlg dlg;
  dlg.Position(poScreenCenter);
  for (const Variant& v : kVariants) {
    dlg.ButtonTyp(v.style);
    dlg.Sprache_D(v.german);
    dlg.Execute(v.icon, "", v.text, v.question, v.buttons);
  }
  Tmymsg box;
  box.MyMessageBox(mtConfirmation, "", "Ordner \n\n/HOME/USER/ALT\n\nmit allen Dateien und Ordnern", "LÖSCHEN ?",
                   mbJaNein);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--execute") == 0) return executeAll();

  std::vector<std::unique_ptr<Fl_Window>> windows;
  int x = 10, y = 10, rowHeight = 0;
  auto place = [&](std::unique_ptr<Fl_Window> w) {
    if (x + w->w() > Fl::w() - 10) {
      x = 10;
      y += rowHeight + 10;
      rowHeight = 0;
    }
    w->position(x, y);
    x += w->w() + 10;
    rowHeight = std::max(rowHeight, w->h());
    w->show();
    windows.push_back(std::move(w));
  };
  for (const Variant& v : kVariants) place(prepared(v));

  struct BoxVariant { TMsgType icon; const char* text; const char* question; TMsgBtn buttons; };
  const BoxVariant boxes[] = {
      {mtConfirmation, "Ordner \n\n/HOME/USER/ALT\n\nmit allen Dateien und Ordnern", "LÖSCHEN ?", mbJaNein},
      {mtError, "Kann Datei nicht löschen.\n\n/HOME/USER/ALT/A.TXT", "", mbOK},
      {mtWarning, "Ordner \n\n/\n ist Laufwerk\n\nLaufwerk kann nicht gelöscht werden.", "Weiter?",
       mbJaNeinAbbruch},
  };
  for (const BoxVariant& b : boxes) {
    auto box = std::make_unique<Tmymsg>();
    box->Fill(b.icon, "", b.text, b.question, b.buttons);
    place(std::move(box));
  }
  return Fl::run();
}

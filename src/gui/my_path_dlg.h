// TmyPathDlg (unit myPathDlg): the folder chooser component. Execute shows a fresh
// TPfadWahl modally; on OK, Pfadname holds the folder of its folder list with exactly
// one trailing '/' ("/" stays "/").
#ifndef TAVILO_GUI_MY_PATH_DLG_H
#define TAVILO_GUI_MY_PATH_DLG_H

#include <string>

#include "gui/color.h"

namespace tavilo::gui {

class TPfadWahl;

class TmyPathDlg {
 public:
  // The window title; empty: "Ordner auswählen", or "Select Folder" in English.
  const std::string& Title() const { return title_; }
  void Title(const std::string& s) { title_ = s; }
  // The folder shown first when it exists; else the process's current folder.
  const std::string& InitialDir() const { return initialDir_; }
  void InitialDir(const std::string& s) { initialDir_ = s; }
  TColor StartColor() const { return startColor_; }
  void StartColor(TColor c) { startColor_ = c; }
  TColor EndColor() const { return endColor_; }
  void EndColor(TColor c) { endColor_ = c; }
  // True: the gradient shows; false: the plain window face colour.
  bool Background() const { return background_; }
  void Background(bool on) { background_ = on; }
  // True: the user may type and create a new folder.
  bool NeuerOrdner() const { return neuerOrdner_; }
  void NeuerOrdner(bool on) { neuerOrdner_ = on; }
  // The result of the last Execute that ended with OK.
  const std::string& Pfadname() const { return pfadname_; }
  void Pfadname(const std::string& s) { pfadname_ = s; }
  // True: German words; false: English.
  bool Sprache_D() const { return spracheD_; }
  void Sprache_D(bool on) { spracheD_ = on; }
  // Pairs "description|mask|..."; empty: all files.
  const std::string& Filter() const { return filter_; }
  void Filter(const std::string& s) { filter_ = s; }
  // Kept from the open-file dialog; they play no part.
  const std::string& FileName() const { return fileName_; }
  void FileName(const std::string& s) { fileName_ = s; }
  const std::string& DefaultExt() const { return defaultExt_; }
  void DefaultExt(const std::string& s) { defaultExt_ = s; }

  // True when the user closed the window with OK; Pfadname keeps its value otherwise.
  bool Execute();
  // The chooser's window while an Execute runs, else nullptr.
  TPfadWahl* PfadWahl() const { return pfadWahl_; }

 private:
  std::string title_ = "Ordner auswählen";
  std::string initialDir_;
  TColor startColor_ = 0x8AB0FF;
  TColor endColor_ = kSilver;
  bool background_ = false;
  bool neuerOrdner_ = true;
  std::string pfadname_;
  bool spracheD_ = true;
  std::string filter_;
  std::string fileName_ = "not used";
  std::string defaultExt_ = "not used";
  TPfadWahl* pfadWahl_ = nullptr;
};

}  // namespace tavilo::gui

#endif

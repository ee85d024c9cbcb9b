// The main window's size-change arithmetic: panel sizes from the window size
// and the configured percentages, the button row, title and logo places.
// The window reads its current values into MainLayoutInput, and applies the
// result to its controls; nothing here knows a widget.
#ifndef TAVILO_CORE_MAIN_LAYOUT_H
#define TAVILO_CORE_MAIN_LAYOUT_H

#include <string>

#include "core/layout/geometry.h"

namespace tavilo::core {

struct MainLayoutInput {
  int outerWidth = 0, outerHeight = 0;  // W and H
  int borderWidth = 6;                  // inner margin around the aligned panels
  int titleBarHeight = 50;              // Panel1
  int bottomBarHeight = 30;             // Panel4
  int statusBarHeight = 20;             // MyStatusBar1
  int leftPercent = 0;                  // Breite_Links
  int imagePercent = 0;                 // ImageHoehe
  int remarkPercent = 0;                // BemerkungsHoehe
  std::string logoPos;                  // LogoPos, compared exactly with "rechts"
  bool haveLogoFile = false;            // LogoFile not empty
  int groupListTop = 50;                // current top of lbGruppe
  int entryListTop = 50;                // current top of lbProgramm
  int logoWidth = 60;
  int logoLeft = 0;                     // current place, kept when nothing moves it
  int titleLeft = 0;                    // current left of cd_titel
  int minButtonLeft = 0;                // btnMin keeps its start-up place
  int closeButtonWidth = 18;
};

struct MainLayout {
  Rect titleBar, bottomBar, statusBar;  // Panel1, Panel4, MyStatusBar1 (window coordinates)
  Rect leftPanel, rightPanel;           // pnLinks, pnRechts (window coordinates)
  // Within their panels:
  int groupHeadingLeft = 10, groupHeadingWidth = 0;  // both group heading lines
  int entryHeadingLeft = 10, entryHeadingWidth = 0;  // both entry heading lines
  Rect groupList;     // lbGruppe (left stays 10)
  Rect imagePanel;    // pnImage
  Rect entryList;     // lbProgramm
  Rect remarkPanel;   // pnBemerkung
  int buttonLefts[4] = {};  // btnInstall, btnStarten, btnKopieren, btnCDdurchsuchen
  int logoLeft = 0;
  int titleLeft = 0;
  int closeButtonLeft = 0;  // btnX1, top 5
};

MainLayout computeMainLayout(const MainLayoutInput& in);

// The client width that the aligned panels share: the window less its margins.
inline int clientExtent(int outer, int border) { return outer - 2 * border; }

// Placement of the action buttons when only the used one is shown: each of
// btnStarten, btnInstall, btnKopieren at H-105 when visible, H-205 when
// hidden, btnCDdurchsuchen at H+5, with H = W div 2.
int usedButtonLeft(int outerWidth, bool visible);
int browseButtonLeft(int outerWidth);

}  // namespace tavilo::core

#endif

// The drawing of each picture onto a blank canvas of the picture's size. Internal to
// glyphs.cpp, which makes and keeps the images.
#ifndef TAVILO_GUI_GLYPHS_PAINTERS_H
#define TAVILO_GUI_GLYPHS_PAINTERS_H

#include "gui/glyphs/raster.h"

namespace tavilo::gui::glyphs {

void paintInformation(Canvas& c);
void paintError(Canvas& c);
void paintWarning(Canvas& c);
void paintConfirmation(Canvas& c);

void paintTick(Canvas& c);
void paintProhibition(Canvas& c);
void paintAbort(Canvas& c);
void paintCross(Canvas& c);
void paintOk(Canvas& c);
void paintTitleClose(Canvas& c);
void paintTitleMinimise(Canvas& c);

void paintFolderClosed(Canvas& c);
void paintFolderOpen(Canvas& c);
void paintFolderUp(Canvas& c);
void paintFolderUpDisabled(Canvas& c);
void paintNewFolder(Canvas& c);
void paintDelete(Canvas& c);

void paintFileDocument(Canvas& c);
void paintFileProgram(Canvas& c);
void paintFilePicture(Canvas& c);
void paintFileText(Canvas& c);

void paintMenuCopy(Canvas& c);
void paintMenuDoor(Canvas& c);
void paintMenuBrowseCd(Canvas& c);
void paintMenuStart(Canvas& c);
void paintMenuInstall(Canvas& c);
void paintMenuCopyTo(Canvas& c);
void paintMakerLogo(Canvas& c);
void paintWindowIcon(Canvas& c);

// Pieces shared by several pictures.
struct Palette {
  static constexpr Rgba kWhite = rgb(255, 255, 255);
  static constexpr Rgba kBlack = rgb(0, 0, 0);
  static constexpr Rgba kFolderLine = rgb(150, 108, 16);
  static constexpr Rgba kFolderLight = rgb(255, 232, 130);
  static constexpr Rgba kFolderDark = rgb(240, 186, 40);
  static constexpr Rgba kSheetLine = rgb(100, 104, 112);
  static constexpr Rgba kGreen = rgb(40, 170, 50);
  static constexpr Rgba kGreenDark = rgb(16, 100, 24);
  static constexpr Rgba kRed = rgb(220, 30, 30);
  static constexpr Rgba kRedDark = rgb(130, 0, 0);
  static constexpr Rgba kBlue = rgb(30, 90, 200);
};

// A closed folder whose body spans [x, x + w) x [y, y + h); its tab sits above, at the left.
void drawFolder(Canvas& c, float x, float y, float w, float h);
// A sheet with a folded top-right corner; returns the region of its paper.
Region drawSheet(Canvas& c, float x, float y, float w, float h);
// A small application window with a blue title bar; returns the region of its body.
Region drawAppWindow(Canvas& c, float x, float y, float w, float h);
// A silver disc with a hole, a hub and a rainbow sheen.
void drawDisc(Canvas& c, Pt centre, float radius);

}  // namespace tavilo::gui::glyphs

#endif

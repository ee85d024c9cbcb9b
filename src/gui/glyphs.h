// Every small picture the program carries, drawn in code. Each function returns a
// process-lifetime RGBA image (depth 4), made on first use without needing a display;
// callers never free it. GUI thread only.
#ifndef TAVILO_GUI_GLYPHS_H
#define TAVILO_GUI_GLYPHS_H

#include <string_view>

class Fl_Image;
class Fl_RGB_Image;

namespace tavilo::gui::glyphs {

enum class Glyph {
  // Message pictures, 32 x 32 (the dialogs centre them in a 49 x 49 box).
  Information,   // white "i" on a blue disc
  Error,         // white cross on a red disc
  Warning,       // black exclamation mark on a yellow triangle
  Confirmation,  // blue question mark in a white speech bubble
  // Button glyphs, 16 x 16.
  Tick,         // green tick: Yes / Ok buttons, the copy window's "Start kopieren" item
  Prohibition,  // red prohibition sign: No buttons
  Abort,        // red stop sign with a white bar: the Cancel button ("&Abbruch")
  Cross,        // red cross: the simple message box's third button
  Ok,           // white tick on a green disc: the folder chooser's OK button
  // Title-bar buttons, 18 x 18, white strokes for a red flat button.
  TitleClose,
  TitleMinimise,
  // Folder pictures, 16 x 16.
  FolderClosed,
  FolderOpen,
  FolderUp,          // yellow folder, black arrow up and to the left
  FolderUpDisabled,  // its grey outline for a disabled button
  NewFolder,         // yellow folder with a sparkle
  Delete,            // red and black cross
  // File-list pictures, 16 x 16.
  FileDocument,
  FileProgram,
  FilePicture,
  FileText,
  // Pop-up menu pictures, 16 x 16 (see menuImage).
  MenuCopy,      // 4: two sheets
  MenuDoor,      // 6: a red door
  MenuBrowseCd,  // 37: a CD with a magnifier
  MenuStart,     // 39: a green play arrow on a window
  MenuInstall,   // 40: a box with a down arrow
  // The image window's pop-up item "Kopieren nach...", 20 x 20.
  MenuCopyTo,  // a framed landscape and a green arrow into a folder
  // The windows' icon, 32 x 32: a CD with a small menu on it.
  WindowIcon,
};

inline constexpr int kGlyphCount = static_cast<int>(Glyph::WindowIcon) + 1;

Fl_RGB_Image* image(Glyph glyph);
// A greyed copy for a disabled control, with all the picture's pixels (a
// picture taken at twice its size stays so); the caller owns it.
Fl_Image* greyedCopy(const Fl_Image* picture);
// Width and height (the pictures are square); known without making the picture.
int sizeOf(Glyph glyph);
// A short lower-case name ("information", "menu_start"), for tools and test output.
const char* nameOf(Glyph glyph);

inline Fl_RGB_Image* information() { return image(Glyph::Information); }
inline Fl_RGB_Image* error() { return image(Glyph::Error); }
inline Fl_RGB_Image* warning() { return image(Glyph::Warning); }
inline Fl_RGB_Image* confirmation() { return image(Glyph::Confirmation); }

inline Fl_RGB_Image* tick() { return image(Glyph::Tick); }
inline Fl_RGB_Image* prohibition() { return image(Glyph::Prohibition); }
inline Fl_RGB_Image* abortSign() { return image(Glyph::Abort); }
inline Fl_RGB_Image* cross() { return image(Glyph::Cross); }
inline Fl_RGB_Image* ok() { return image(Glyph::Ok); }

inline Fl_RGB_Image* titleClose() { return image(Glyph::TitleClose); }
inline Fl_RGB_Image* titleMinimise() { return image(Glyph::TitleMinimise); }

inline Fl_RGB_Image* folderClosed() { return image(Glyph::FolderClosed); }
inline Fl_RGB_Image* folderOpen() { return image(Glyph::FolderOpen); }
inline Fl_RGB_Image* folderUp() { return image(Glyph::FolderUp); }
inline Fl_RGB_Image* folderUpDisabled() { return image(Glyph::FolderUpDisabled); }
inline Fl_RGB_Image* newFolder() { return image(Glyph::NewFolder); }
inline Fl_RGB_Image* deleteCross() { return image(Glyph::Delete); }

inline Fl_RGB_Image* windowIcon() { return image(Glyph::WindowIcon); }

// The maker's logo of the info window, 58 x 33 (not one of the square glyphs): a disc
// with the menu's coloured rows beside it.
Fl_RGB_Image* makerLogo();

// The pictures of the main window's image list by their index: 4 copy, 6 door,
// 37 browse the medium, 39 start / open, 40 install. Any other index gives nullptr.
Fl_RGB_Image* menuImage(int index);

enum class FileKind { Document, Program, Picture, Text };

// The kind a file list shows for a file name, by its extension (ASCII case ignored):
// programs and scripts, pictures, plain texts; everything else is a document.
FileKind fileKindOf(std::string_view fileName);
Fl_RGB_Image* fileImage(FileKind kind);
inline Fl_RGB_Image* fileImage(std::string_view fileName) {
  return fileImage(fileKindOf(fileName));
}

}  // namespace tavilo::gui::glyphs

#endif

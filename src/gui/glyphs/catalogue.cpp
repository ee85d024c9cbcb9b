#include "gui/glyphs/catalogue.h"

#include <array>

#include "gui/glyphs.h"
#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

namespace {

constexpr std::array<GlyphArt, kGlyphCount + 1> kArt{{
    {"information", 32, 32, paintInformation},
    {"error", 32, 32, paintError},
    {"warning", 32, 32, paintWarning},
    {"confirmation", 32, 32, paintConfirmation},
    {"tick", 16, 16, paintTick},
    {"prohibition", 16, 16, paintProhibition},
    {"abort", 16, 16, paintAbort},
    {"cross", 16, 16, paintCross},
    {"ok", 16, 16, paintOk},
    {"title_close", 18, 18, paintTitleClose},
    {"title_minimise", 18, 18, paintTitleMinimise},
    {"folder_closed", 16, 16, paintFolderClosed},
    {"folder_open", 16, 16, paintFolderOpen},
    {"folder_up", 16, 16, paintFolderUp},
    {"folder_up_disabled", 16, 16, paintFolderUpDisabled},
    {"new_folder", 16, 16, paintNewFolder},
    {"delete", 16, 16, paintDelete},
    {"file_document", 16, 16, paintFileDocument},
    {"file_program", 16, 16, paintFileProgram},
    {"file_picture", 16, 16, paintFilePicture},
    {"file_text", 16, 16, paintFileText},
    {"menu_copy", 16, 16, paintMenuCopy},
    {"menu_door", 16, 16, paintMenuDoor},
    {"menu_browse_cd", 16, 16, paintMenuBrowseCd},
    {"menu_start", 16, 16, paintMenuStart},
    {"menu_install", 16, 16, paintMenuInstall},
    {"menu_copy_to", 20, 20, paintMenuCopyTo},
    {"window_icon", 32, 32, paintWindowIcon},
    {"maker_logo", 58, 33, paintMakerLogo},
}};

}  // namespace

std::span<const GlyphArt> glyphArt() { return kArt; }

}  // namespace tavilo::gui::glyphs

// The main unit's shared values: what the menu read at start and what the
// chosen entry is. The main window owns one; the copy, info and image windows
// get it by reference when they are made and read it when they are shown.
#ifndef TAVILO_CORE_MENU_MODEL_H
#define TAVILO_CORE_MENU_MODEL_H

#include <cstdint>
#include <string>

#include "core/ini/config_file.h"
#include "platform/platform.h"

namespace tavilo::core {

struct MenuModel {
  explicit MenuModel(std::string programDir)
      : ProgramDir(std::move(programDir)),
        IniFileName(platform::resolveMediumPath(ProgramDir, "Tavilo.ini")),
        Config(IniFileName) {}

  std::string ProgramDir;   // GetProgramDir: the program's folder with one trailing '/'
  // The configuration file beside the program, in the medium's spelling (a
  // CD without long names shows "tavilo.ini"; Windows reads it in any case).
  std::string IniFileName;
  ConfigFile Config;        // read once per action

  int GroupCount = 0;  // groups listed
  int CurGroup = 0, CurEntry = 0;
  int EntryCount = 0;  // entries listed for the current group
  std::string LogoFile, EmptyImageFile, EmptyRemark, TitleFontName;
  bool ShowOnlyUsedButtons = false;
  // The title bar's gradient colours for the other windows; black unless the
  // configuration gives them.
  std::uint32_t GradientStartColor = 0, GradientEndColor = 0;
  std::string DefaultGroupHeading, DefaultEntryHeading;

  // The chosen entry.
  std::string EntryLocation;  // full path of its file
  std::string EntryParameter;
  std::string EntryExt;       // lower-case extension with its dot
  std::string EntryType;      // Typ in lower case
  std::string ShownPicture;   // full path of the picture shown; empty for the placeholder
  std::string LinkAddress;
};

}  // namespace tavilo::core

#endif

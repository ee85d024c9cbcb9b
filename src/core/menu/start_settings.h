// What the main window's creation applies from the configuration, read from
// one snapshot in the order of its steps. The window applies the result to
// its controls; the rules live here so that they are tested without a display.
#ifndef TAVILO_CORE_START_SETTINGS_H
#define TAVILO_CORE_START_SETTINGS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini/config_file.h"
#include "core/ini/ini_document.h"

namespace tavilo::core {

inline constexpr int kDefaultWidth = 700;
inline constexpr int kDefaultHeight = 500;
// A window smaller than this could not be reached or used.
inline constexpr int kMinWindowExtent = 100;
// Nor can a larger one be made: window systems take 16-bit extents, and the
// shape mask of a frameless window grows with its area.
inline constexpr int kMaxWindowExtent = 32767;

// The colour keys of section Programm in the order they are applied.
inline constexpr const char* kStartColorKeys[9] = {
    "BorderFarbe", "FensterFarbe", "VerlaufFarbe", "VerlaufFarbe2", "RahmenFarbe",
    "RahmenFarbe2", "TitelFarbe", "Fenster_Schriftfarbe", "Rahmen_SchriftFarbe"};

// The colours by those keys; an empty value keeps the control's design colour.
struct StartColors {
  std::optional<std::uint32_t> border;        // BorderFarbe: the window
  std::optional<std::uint32_t> window;        // FensterFarbe: lists, picture and description
  std::optional<std::uint32_t> gradientStart; // VerlaufFarbe: title and bottom bar, other windows
  std::optional<std::uint32_t> gradientEnd;   // VerlaufFarbe2
  std::optional<std::uint32_t> frame;         // RahmenFarbe: group panel start, entry panel end
  std::optional<std::uint32_t> frame2;        // RahmenFarbe2
  std::optional<std::uint32_t> title;         // TitelFarbe: title and action button captions
  std::optional<std::uint32_t> windowFont;    // Fenster_Schriftfarbe: lists and description
  std::optional<std::uint32_t> frameFont;     // Rahmen_SchriftFarbe: the four heading lines
};

struct StartSettings {
  bool versionAccepted = false;
  bool showOnlyUsedButtons = false;
  bool showGroups = true;      // Show_Gruppen "1" or empty
  std::string logoFile;        // full path of an existing logo file, else empty
  std::string cdTitle;
  // Captions of the heading lines; an empty first line takes the default.
  std::string groupHeading, groupHeading2, entryHeading, entryHeading2;
  std::string titleFontName;   // FontName as written
  std::string titleFace;       // cut to 31 characters; empty leaves the fonts
  std::string emptyRemark;
  StartColors colors;
  // A colour that is not a number stops the start-up at its key: the colours
  // before it are applied, nothing after it. The message is the conversion's.
  std::optional<std::string> colorError;
  std::string colorErrorKey;   // the key whose value it was
  std::string emptyImageFile;  // full path of an existing Leer_Image file, else empty
  int width = kDefaultWidth, height = kDefaultHeight;
  bool frameless = false;      // Border_Style "0"
  std::vector<std::string> groupNames;
};

StartSettings readStartSettings(const IniDocument& ini, const std::string& programDir,
                                const std::string& defaultGroupHeading, const std::string& defaultEntryHeading);

// What the start-up says when it refuses the configuration file and ends:
// why the file cannot be read, or that its Version does not fit (for a file
// larger than the menu reads, that no fitting Version stands in the part it
// reads); std::nullopt when the file is accepted.
std::optional<std::string> startRefusal(const ConfigBytes& file, bool versionAccepted);

// The first heading line moves down to the middle of both lines' space when
// the second line is empty (tops 6 and 26, height 19: 6 becomes 16).
int centredHeadingTop(int top, int secondTop, int secondHeight);

// The keys that the layout reads again at every size change.
struct LayoutSettings {
  int leftPercent = 0;    // Breite_Links
  int imagePercent = 0;   // ImageHoehe
  int remarkPercent = 0;  // BemerkungsHoehe
  std::string logoPos;    // LogoPos, compared exactly with "rechts"
};
LayoutSettings readLayoutSettings(const IniDocument& ini);

// A logo whose name ends exactly in ".gif" is drawn transparent and decoded
// as GIF whatever it holds; any other by its extension, ignoring case.
bool logoIsGif(std::string_view logoFile);

}  // namespace tavilo::core

#endif

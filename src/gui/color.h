// The program's colours ($BBGGRR, red in the low byte) as FLTK colours.
#ifndef TAVILO_GUI_COLOR_H
#define TAVILO_GUI_COLOR_H

#include <FL/Enumerations.H>

#include <cstdint>

namespace tavilo::gui {

using TColor = std::uint32_t;  // $BBGGRR

inline constexpr TColor kSilver = 0xC0C0C0;
inline constexpr TColor kAqua = 0xFFFF00;
inline constexpr TColor kBlue = 0xFF0000;
inline constexpr TColor kNavy = 0x800000;
inline constexpr TColor kRed = 0x0000FF;
inline constexpr TColor kMaroon = 0x000080;
inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kYellow = 0x00FFFF;
inline constexpr TColor kLime = 0x00FF00;
inline constexpr TColor kTeal = 0x808000;
inline constexpr TColor kGray = 0x808080;

inline constexpr unsigned redOf(TColor c) { return c & 0xFF; }
inline constexpr unsigned greenOf(TColor c) { return (c >> 8) & 0xFF; }
inline constexpr unsigned blueOf(TColor c) { return (c >> 16) & 0xFF; }

Fl_Color toFl(TColor c);
TColor fromFl(Fl_Color c);

}  // namespace tavilo::gui

#endif

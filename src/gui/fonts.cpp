#include "gui/fonts.h"

#include "core/text.h"
#include "platform/ascii.h"
#include "platform/window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <deque>
#include <map>
#include <utility>

namespace tavilo::gui {

namespace {

std::string cutFace(std::string_view face) {
  return std::string(core::utf8Prefix(face, kMaxFaceNameLength));
}

// Fl::set_font keeps the name pointer, so the names live here for the whole run.
struct Registry {
  std::map<std::string, std::string> resolved;  // cut face -> face handed to fontconfig
  std::map<std::pair<std::string, bool>, Fl_Font> fonts;
  std::deque<std::string> names;
  Fl_Font next = FL_FREE_FONT;
};

Registry& registry() {
  static Registry r;
  return r;
}

}  // namespace

std::string resolvedFace(std::string_view face) {
  Registry& r = registry();
  const std::string cut = cutFace(face);
  auto it = r.resolved.find(cut);
  if (it == r.resolved.end()) {
    // fontconfig's own aliases make "Arial" Liberation Sans; any other face becomes an
    // installed family that it names (which also keeps out names that FLTK would split
    // at commas or read as X font descriptions).
    std::string family = platform::equalIgnoringAsciiCase(cut, kFallbackFace) ? cut : platform::installedFontFamily(cut);
    it = r.resolved.emplace(cut, family.empty() ? std::string(kFallbackFace) : family).first;
  }
  return it->second;
}

Fl_Font fontFor(std::string_view face, bool bold) {
  Registry& r = registry();
  const std::string family = resolvedFace(face);
  const auto key = std::make_pair(core::lowerAscii(family), bold);
  if (auto it = r.fonts.find(key); it != r.fonts.end()) return it->second;
  // FLTK's Xft names carry the style in their first character: ' ' plain, 'B' bold.
  r.names.push_back((bold ? "B" : " ") + family);
  const Fl_Font index = r.next++;
  Fl::set_font(index, r.names.back().c_str());
  r.fonts.emplace(key, index);
  return index;
}

void applyFont(const FontSpec& f) { fl_font(fontFor(f.face, f.bold), f.size); }

}  // namespace tavilo::gui

// Installed font families on POSIX desktops, through fontconfig.
#include <fontconfig/fontconfig.h>

#include "platform/window.h"

namespace tavilo::platform {

namespace {

bool fontconfigHasFamily(const std::string& family) {
  if (family.empty()) return false;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  const bool found = fonts != nullptr && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace

std::string installedFontFamily(const std::string& face) {
  if (face.empty()) return {};
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  std::string found;
  FcValue value;
  FcValueBinding binding;
  for (int i = 0; FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
    if (binding == FcValueBindingWeak) break;  // the generic fall-backs begin
    if (value.type != FcTypeString) continue;
    const std::string family(reinterpret_cast<const char*>(value.u.s));
    if (fontconfigHasFamily(family)) {
      found = family;
      break;
    }
  }
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace tavilo::platform

// File masks of the file lists ("*.txt;*.ini") and the filter text of the
// filter selector ("Texte|*.txt|Alle Dateien (*.*)|*.*").
#ifndef TAVILO_CORE_FILE_MASKS_H
#define TAVILO_CORE_FILE_MASKS_H

#include <string>
#include <vector>

namespace tavilo::core {

// The masks of a mask text, split at ';' with surrounding blanks removed;
// empty parts are dropped.
std::vector<std::string> splitMasks(const std::string& text);

// Whether `name` matches one of the masks (as matchesMask: '*' and '?',
// ASCII case ignored, "*" and "*.*" match every name). No masks match every name.
bool matchesAnyMask(const std::string& name, const std::vector<std::string>& masks);

struct FilterEntry {
  std::string description;
  std::string mask;
  friend bool operator==(const FilterEntry&, const FilterEntry&) = default;
};

// The pairs of a filter text; a description without its mask gets an empty
// mask (every file), and a pair with both parts empty is dropped.
std::vector<FilterEntry> parseFilter(const std::string& filter);

}  // namespace tavilo::core

#endif

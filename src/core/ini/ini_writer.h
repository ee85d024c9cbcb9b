// Builds an INI text the way WritePrivateProfileString grows a file: sections
// and keys stay in write order, a new section goes to the end (no blank line
// before it), a new key to the end of its section, an existing key is
// replaced in place. Names are matched ignoring case, as the reader does.
#ifndef TAVILO_CORE_INI_INI_WRITER_H
#define TAVILO_CORE_INI_INI_WRITER_H

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavilo::core {

class IniWriter {
 public:
  void write(std::string_view section, std::string_view key, std::string_view value);
  // "[section]" and "key=value" lines, each ending in CR LF.
  std::string text() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  std::vector<Section> sections_;
};

}  // namespace tavilo::core

#endif

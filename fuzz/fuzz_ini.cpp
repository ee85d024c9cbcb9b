// Any bytes as a configuration file: the reader must neither crash nor hand
// out a value that breaks its own rules (valid UTF-8, one line, at most 2047
// characters, no outer blanks).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/error.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_number.h"
#include "core/ini/ini_text.h"
#include "core/version.h"

namespace core = tavilo::core;

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

void checkValue(const std::string& v) {
  check(core::isValidUtf8(v));
  check(v.find_first_of("\r\n") == std::string::npos);
  check(v.find('\0') == std::string::npos);
  std::size_t chars = 0;
  for (const unsigned char c : v) chars += (c & 0xC0) != 0x80;
  check(chars <= core::kMaxValueChars);
  (void)core::lenientInteger(v);
  try {
    (void)core::strictInteger(v);
  } catch (const core::Error&) {
  }
  (void)core::versionAccepted(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(core::isValidUtf8(core::decodeIniBytes(bytes)));
  const core::IniDocument doc = core::IniDocument::parse(std::string(bytes));
  static const char* const kLookups[][2] = {
      {"Programm", "Version"}, {"programm", "FensterFarbe"}, {"Gruppen", "Anzahl"}, {"Gruppen", "Gruppe_1"},
      {"Gruppe_1", "Programm_1"}, {"Programm_1_1", "Location"}, {"Hiermit_Ausfuehren", "Ext_1"},
      {"S", "k"}, {"", ""}, {"a", "b"},
  };
  for (const auto& lookup : kLookups) {
    checkValue(doc.ReadIniString(lookup[0], lookup[1]));
    (void)doc.hasSection(lookup[0]);
  }
  // Names taken from the input itself reach the keys that are really there.
  const std::size_t nl = bytes.find('\n');
  const std::string_view head = bytes.substr(0, nl == std::string_view::npos ? bytes.size() : nl);
  const std::size_t eq = head.find('=');
  if (eq != std::string_view::npos) checkValue(doc.ReadIniString(head.substr(0, eq), head.substr(eq + 1)));
  return 0;
}

// Any bytes as a medium's Tavilo.ini for the medium checker: it must neither
// crash nor report a finding that breaks its own form (a line of the file or
// 0, in order, one line of valid UTF-8 text).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/check/medium_check.h"
#include "core/ini/ini_lines.h"
#include "core/ini/ini_text.h"

namespace core = tavilo::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::size_t lines = 0;
  core::forEachIniLine(bytes, [&](std::size_t number, std::string_view) { lines = number; });
  // No folder of that name: every path names nothing, which is checked too.
  const auto findings = core::checkConfiguration(bytes, "/nonexistent-tavilo-medium/");
  std::size_t previous = 0;
  for (const core::Finding& f : findings) {
    if (f.line > lines || f.line < previous) __builtin_trap();
    if (f.text.empty() || !core::isValidUtf8(f.text) || f.text.find_first_of("\r\n") != std::string::npos)
      __builtin_trap();
    previous = f.line;
  }
  return 0;
}

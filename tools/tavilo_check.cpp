// tavilo-check FOLDER: checks a medium's Tavilo.ini and the files it names
// before the medium is burned. Prints one line per finding and a summary;
// exits 0 without errors, 1 with errors, 2 when the medium cannot be read.
#include <cstdio>
#include <string>
#include <vector>

#include "core/check/medium_check.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  tavilo::platform::useUtf8Console();
  const std::vector<std::string> arguments = tavilo::platform::programArguments(argc, argv);
  if (arguments.size() != 1 || arguments[0].empty() || arguments[0] == "--help") {
    std::fprintf(stderr, "usage: tavilo-check FOLDER\n"
                         "Checks FOLDER/Tavilo.ini and every file it names, as the menu would read them.\n");
    return 2;
  }
  const tavilo::core::MediumCheck check = tavilo::core::checkMedium(arguments[0]);
  if (check.unreadable) {
    std::fprintf(stderr, "tavilo-check: cannot read the medium: %s\n",
                 tavilo::core::terminalText(*check.unreadable).c_str());
    return 2;
  }
  for (const tavilo::core::Finding& f : check.findings) std::printf("%s\n", tavilo::core::formatFinding(f).c_str());
  std::printf("%s\n", tavilo::core::summaryLine(check).c_str());
  return check.count(tavilo::core::Severity::Error) > 0 ? 1 : 0;
}

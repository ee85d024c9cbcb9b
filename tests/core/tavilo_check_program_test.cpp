// The program tavilo-check as an author runs it: its output, its exit codes,
// the demo medium, and a medium with many mistakes that it reads and leaves
// exactly as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "picture_test_support.h"
#include "support/shell_quote.h"
#include "support/temp_tree.h"

namespace fs = std::filesystem;

namespace tavilo::testing {
namespace {

struct Outcome {
  int exitCode = -1;
  std::string output;
};

// Runs the checker and waits for it to end; stderr joins stdout.
Outcome runChecker(const std::string& arguments) {
  const std::string command = shellQuoted(TAVILO_CHECK_PROGRAM) + " " + arguments + " 2>&1";
  Outcome run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Every file below a folder with its size, permissions, time and contents.
std::string snapshot(const std::string& folder) {
  std::string out;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    struct stat st;
    ::lstat(e.path().c_str(), &st);
    out += e.path().string() + " " + std::to_string(st.st_mode) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec) + "\n";
    if (e.is_regular_file()) {
      std::FILE* f = std::fopen(e.path().c_str(), "rb");
      char b[4096];
      while (const std::size_t n = std::fread(b, 1, sizeof b, f)) out.append(b, n);
      std::fclose(f);
    }
  }
  return out;
}

using TaviloCheck = TempTree;

TEST_F(TaviloCheck, TheDemoMediumChecksClean) {
  const Outcome run = runChecker(shellQuoted(std::string(TAVILO_SOURCE_DIR) + "/examples/demo-medium"));
  EXPECT_EQ(run.output, "no errors, no warnings\n");
  EXPECT_EQ(run.exitCode, 0);
}

TEST_F(TaviloCheck, AMediumWithManyMistakes) {
  const core::Picture picture = makePicture(8, 6, [](int x, int y) { return 0x3060A0FFu + (x << 24) + (y << 8); });
  writeFile("bilder/Rechner.bmp", demo::encodeBmp24(picture));
  writeFile("bilder/foto.jpg", "\x89PNG\r\n\x1a\n" + std::string(64, '\0'));
  writeFile("programme/rechner", "\x7f" "ELF\x02\x01\x01" + std::string(64, '\0'));
  writeFile("programme/zeige.sh", "#!/bin/sh\nexec less \"$1\"\n");
  writeFile("setup/install.sh", "#!/bin/sh\n");
  ::chmod(path("programme/zeige.sh").c_str(), 0755);
  writeFile("Tavilo.ini",
            "; Velmora Software-CD\r\n"
            "[Programm]\r\n"
            "Version=2.5\r\n"
            "CD_Titel=Velmora\r\n"
            "Breite = 760 ; Fensterbreite\r\n"
            "Hoehe=540\r\n"
            "Breit_Links=40\r\n"
            "FensterFarbe=hellblau\r\n"
            "Logo=bilder\\logo.gif\r\n"
            "LogoPos=Rechts\r\n"
            "\r\n"
            "[Gruppen]\r\n"
            "Anzahl=3\r\n"
            "Gruppe_1=Werkzeuge\r\n"
            "Gruppe_2=Dokumente\r\n"
            "\r\n"
            "[Gruppe_1]\r\n"
            "Anzahl=2\r\n"
            "Programm_1=Rechner\r\n"
            "Programm_2=Installation\r\n"
            "\r\n"
            "[Programm_1_1]\r\n"
            "Typ=Programm\r\n"
            "Location=programme\\rechner\r\n"
            "Screenshot=bilder\\rechner.bmp\r\n"
            "Link=http://www.velmora.example\r\n"
            "\r\n"
            "[Programm_1_2\r\n"
            "Typ=Installation\r\n"
            "Location=setup\\install.sh\r\n"
            "\r\n"
            "[Gruppe_2]\r\n"
            "Anzahl=2\r\n"
            "Programm_1=Handbuch\r\n"
            "Programm_2=Lizenz\r\n"
            "Programm_3=Alte Version\r\n"
            "\r\n"
            "[Programm_2_1]\r\n"
            "Typ=Instalation\r\n"
            "Location=http://www.velmora.example/handbuch\r\n"
            "Screenshot=bilder\\foto.jpg\r\n"
            "Link=[http://www.velmora.example]\r\n"
            "\r\n"
            "[Programm_2_2]\r\n"
            "Typ=Programm\r\n"
            "Bemerkung=Die Lizenzbedingungen\r\n"
            "\r\n"
            "[Programm_2_4]\r\n"
            "Typ=Leer\r\n"
            "\r\n"
            "[Hiermit_Ausfuehren]\r\n"
            "Anzahl=1\r\n"
            "Ext_1=.TXT\r\n"
            "Prog_1=programme\\zeige.sh\r\n");
  const std::string before = snapshot(path());

  const Outcome run = runChecker(shellQuoted(path()));
  EXPECT_EQ(run.output,
      "Tavilo.ini:3: error: Version \"2.5\" is refused at start (its first character must be above \"2\"): "
          "the menu ends; write Version=4.02\n"
      "Tavilo.ini:5: error: Breite \"760 ; Fensterbreite\" is not a number (the text after the number "
          "belongs to the value: a comment must stand on a line of its own): the menu reads 0 and makes the "
          "window 700 pixels wide\n"
      "Tavilo.ini:7: warning: Breit_Links is never read in [Programm]; did you mean Breite_Links?\n"
      "Tavilo.ini:8: error: FensterFarbe \"hellblau\" is not a colour: the start-up stops here with "
          "\"'hellblau' ist kein gültiger Integerwert\" and applies nothing after it (later colours, size, "
          "frame, groups); write $BBGGRR\n"
      "Tavilo.ini:9: error: Logo \"bilder\\logo.gif\" names no file: the title bar shows no logo\n"
      "Tavilo.ini:10: warning: LogoPos \"Rechts\" puts the logo on the left: only \"rechts\", so written, "
          "puts it on the right\n"
      "Tavilo.ini:13: error: Anzahl 3, but Gruppe_3 is missing: the list shows an empty row\n"
      "Tavilo.ini:20: error: entry 2 of group 1 has no section [Programm_1_2]: it shows no picture, no "
          "description and no button (the header on line 28 lacks its ']')\n"
      "Tavilo.ini:24: error: Location \"programme\\rechner\" is a program without execute permission: the "
          "menu hands it to the desktop to open instead of starting it; give it execute permission or start it "
          "by a script\n"
      "Tavilo.ini:25: warning: Screenshot \"bilder\\rechner.bmp\" is found only by ignoring letter case: "
          "on the medium it is \"bilder\\Rechner.bmp\"; write it so, for file systems and copies that keep "
          "case\n"
      "Tavilo.ini:26: error: Link \"http://www.velmora.example\" lacks \"[\", \"+\" and \"]\": the menu "
          "shows no link; write [address+caption]\n"
      "Tavilo.ini:28: error: section header without ']': the menu ignores the line, so the keys below it "
          "belong to [Programm_1_1]\n"
      "Tavilo.ini:29: error: Typ again in [Programm_1_1] (first on line 23): only the first counts, so "
          "\"Installation\" is never read\n"
      "Tavilo.ini:30: error: Location again in [Programm_1_1] (first on line 24): only the first counts, "
          "so \"setup\\install.sh\" is never read\n"
      "Tavilo.ini:36: error: Programm_3 is beyond Anzahl 2: the menu never lists it\n"
      "Tavilo.ini:39: error: Typ \"Instalation\" is none of Installation, Programm, Nur Kopieren and Leer: "
          "the entry offers no button; did you mean Installation?\n"
      "Tavilo.ini:40: error: Location \"http://www.velmora.example/handbuch\" is a web address: the menu "
          "appends it to its own folder as a file name; web addresses belong in a Link\n"
      "Tavilo.ini:41: error: Screenshot \"bilder\\foto.jpg\" holds a PNG picture, but the menu decodes it "
          "as JPEG by its name and fails; name it .png\n"
      "Tavilo.ini:42: error: Link \"[http://www.velmora.example]\" lacks \"+\": the menu shows no link; "
          "write [address+caption]\n"
      "Tavilo.ini:44: error: no Location: \"Starten / Öffnen\" opens the medium's own folder\n"
      "Tavilo.ini:46: warning: the Bemerkung is never shown: an entry without Location shows no "
          "description\n"
      "Tavilo.ini:48: warning: [Programm_2_4] is never shown: group 2 has no entry 4\n"
      "Tavilo.ini:53: error: Ext_1 \".TXT\" never matches: a file's extension is compared from its last "
          "dot, in lower case; write Ext_1=.txt\n"
      "18 errors, 5 warnings\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(snapshot(path()), before) << "the checker only reads";
}

TEST_F(TaviloCheck, WarningsAloneEndWithZero) {
  writeFile("Tavilo.ini", "[Programm]\r\nVersion=4.02\r\nBreit=700\r\nVerlaufFarbe=$B4783C\r\n"
                          "VerlaufFarbe2=$F0E6DC\r\n[Gruppen]\r\nAnzahl=0\r\n"
                          "[Hiermit_Ausfuehren]\r\nAnzahl=0\r\n");
  const Outcome run = runChecker(shellQuoted(path()));
  EXPECT_EQ(run.output, "Tavilo.ini:3: warning: Breit is never read in [Programm]; did you mean Breite?\n"
                        "no errors, 1 warning\n");
  EXPECT_EQ(run.exitCode, 0);
}

TEST_F(TaviloCheck, AMediumThatCannotBeReadEndsWithTwo) {
  Outcome run = runChecker(shellQuoted(path("fehlt")));
  EXPECT_EQ(run.output, "tavilo-check: cannot read the medium: " + path("fehlt") + " is not a folder\n");
  EXPECT_EQ(run.exitCode, 2);

  // Read as the menu reads it, whatever its case; the spelling is a warning.
  writeFile("TAVILO.INI", "[Programm]\r\nVersion=4.02\r\n");
  run = runChecker(shellQuoted(path()));
  EXPECT_NE(run.output.find("Tavilo.ini: warning: the file is named TAVILO.INI: the menu finds it only by ignoring "
                            "letter case"), std::string::npos) << run.output;
  EXPECT_NE(run.exitCode, 2) << run.output;

  fs::remove(path("TAVILO.INI"));
  const std::string ini = path("Tavilo.ini");
  ASSERT_EQ(::mkfifo(ini.c_str(), 0644), 0);
  run = runChecker(shellQuoted(path()));
  EXPECT_EQ(run.output, "tavilo-check: cannot read the medium: " + ini +
                            " is not a regular file but a named pipe (FIFO) (the menu says so and ends)\n");
  EXPECT_EQ(run.exitCode, 2);
  fs::remove(ini);
  fs::create_symlink("../gemeinsam/Tavilo.ini", ini);
  run = runChecker(shellQuoted(path()));
  EXPECT_EQ(run.output, "tavilo-check: cannot read the medium: " + ini + " is a link to ../gemeinsam/Tavilo.ini, "
                        "which leads to no file (the menu writes no sample file over it and ends)\n");
  EXPECT_EQ(run.exitCode, 2);

  run = runChecker("");
  EXPECT_NE(run.output.find("usage: tavilo-check FOLDER"), std::string::npos) << run.output;
  EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
}  // namespace tavilo::testing

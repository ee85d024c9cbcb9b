// The medium checker on small media: a clean one, and one mistake at a time.
#include "core/check/medium_check.h"

#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "core/ini/default_ini.h"
#include "platform/platform.h"
#include "picture_test_support.h"
#include "support/temp_tree.h"

namespace tavilo::core {
namespace {

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;
constexpr bool kWindows = platform::kPathStyle == platform::PathStyle::Windows;

// Every line numbered as the findings count them. Its scripts start on the
// system the test runs on: "prog\\start.sh" becomes "prog\\start.cmd" on Windows.
const char* const kClean[] = {
    "[Programm]",                       // 1
    "Version=4.02",                     // 2
    "Breite=720",                       // 3
    "LogoPos=rechts",                   // 4
    "Logo=bilder\\shot.bmp",            // 5
    "[Gruppen]",                        // 6
    "Anzahl=1",                         // 7
    "Gruppe_1=Eins",                    // 8
    "[Gruppe_1]",                       // 9
    "Anzahl=2",                         // 10
    "Programm_1=Start",                 // 11
    "Programm_2=Info",                  // 12
    "[Programm_1_1]",                   // 13
    "Typ=Programm",                     // 14
    "Location=prog\\start.sh",          // 15
    "Screenshot=bilder\\shot.bmp",      // 16
    "Link=[http://a.example+Seite]",    // 17
    "[Programm_1_2]",                   // 18
    "Typ=programm",                     // 19
    "Location=doku\\info.txt",          // 20
    "[Hiermit_Ausfuehren]",             // 21
    "Anzahl=1",                         // 22
    "Ext_1=.txt",                       // 23
    "Prog_1=prog\\zeige.sh",            // 24
};

std::string listed(const std::vector<Finding>& findings) {
  std::ostringstream out;
  for (const Finding& f : findings) out << "\n  " << formatFinding(f);
  return out.str();
}

class MediumCheckTest : public testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    const Picture picture =
        testing::makePicture(4, 3, [](int x, int y) { return 0x204060FFu + (x << 24) + (y << 16); });
    writeFile("bilder/shot.bmp", demo::encodeBmp24(picture));
    writeFile("bilder/foto.jpg", "\x89PNG\r\n\x1a\n" + std::string(40, 'x'));
    writeFile("bilder/kaputt.jpg", "\xFF\xD8\xFF\xE0 nicht mehr");
    writeFile("bilder/scan.tif", "II*");
    writeFile("doku/info.txt", "Info");
    writeFile("prog/start.sh", "#!/bin/sh\n");
    writeFile("prog/zeige.sh", "#!/bin/sh\n");
    writeFile("prog/start.cmd", "@echo off\r\n");
    writeFile("prog/zeige.cmd", "@echo off\r\n");
    writeFile("prog/elf", "\x7f" "ELF\x02\x01\x01");
    writeFile("prog/setup.exe", "MZ\x90");
    writeFile("prog/crlf.sh", "#!/bin/sh\r\necho Hallo\r\n");
    writeFile("prog/ohne", "echo Hallo\n");
    writeFile("prog/daten.qqz", "Daten");
    if (!kWindows) {
      platform::setPermissions(path("prog/start.sh"), 0755);
      platform::setPermissions(path("prog/zeige.sh"), 0755);
    }
  }

  // kClean with line `at` replaced by `with` (which may hold further lines).
  static std::string cleanLine(std::size_t n) {
    std::string line = kClean[n - 1];
    if (kWindows && line.ends_with(".sh")) line.replace(line.size() - 3, 3, ".cmd");
    return line;
  }
  static std::string medium(std::size_t at = 0, const std::string& with = {}) {
    std::string text;
    for (std::size_t n = 1; n <= std::size(kClean); ++n) text += (n == at ? with : cleanLine(n)) + "\r\n";
    return text;
  }

  struct Case {
    std::size_t at;
    std::string with;
    std::size_t line;
    Severity severity;
    const char* says;  // nullptr: no findings at all
    int total;  // findings in all; -1 when a mistake has consequences elsewhere too
  };
  void expectFindings(const Case& c) const {
    const std::vector<Finding> findings = check(medium(c.at, c.with));
    SCOPED_TRACE("line " + std::to_string(c.at) + " \"" + c.with.substr(0, 80) + "\":" + listed(findings));
    if (!c.says) {
      EXPECT_TRUE(findings.empty());
      return;
    }
    const bool found = std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
      return f.line == c.line && f.severity == c.severity && f.text.find(c.says) != std::string::npos;
    });
    EXPECT_TRUE(found) << "expected on line " << c.line << ": " << c.says;
    if (c.total >= 0) {
      EXPECT_EQ(findings.size(), static_cast<std::size_t>(c.total));
    }
  }

  // kClean gives no gradient colours; that finding is tested on its own.
  std::vector<Finding> check(const std::string& text) const {
    std::vector<Finding> findings = checkConfiguration(text, path() + "/");
    std::erase_if(findings, [](const Finding& f) { return f.text.starts_with("no VerlaufFarbe"); });
    return findings;
  }
};

TEST_F(MediumCheckTest, ACleanMediumHasNoFindings) {
  EXPECT_EQ(listed(check(medium())), "");
  EXPECT_EQ(listed(check(medium(4, "LogoPos=links"))), "") << "a clear choice of the left";
  EXPECT_EQ(listed(check(medium(20, "location=doku\\info.txt\r\nParameter="))), "") << "names ignore case";
}

TEST_F(MediumCheckTest, EachMistakeIsFoundOnItsLine) {
  const std::string afterEnd = cleanLine(24) + "\r\n";
  const Case cases[] = {
      // the start-up
      {2, "Version=2.5", 2, E, "refused at start", 1},
      {2, "", 1, E, "no Version", 1},
      {3, "FensterFarbe=blau", 3, E, "the start-up stops here with \"'blau' ist kein gültiger Integerwert\"", 1},
      {3, "Breite=760 ; Fensterbreite", 3, E, "a comment must stand on a line of its own", 1},
      {3, "Breit=760", 3, W, "never read in [Programm]; did you mean Breite?", 1},
      {3, "Breite=50", 3, W, "below 100", 1},
      {3, "Breite=99999", 3, W, "above 32767: the menu makes the window 32767 pixels wide", 1},
      {4, "LogoPos=Rechts", 4, W, "only \"rechts\", so written", 1},
      {8, "Gruppe_1=Eins\r\nShow_Gruppen=ja", 9, W, "only \"1\" shows it", 1},
      {5, "Logo=bilder\\foto.jpg", 5, E, "holds a PNG picture, but the menu decodes it as JPEG", 1},
      // counts and sections
      {7, "Anzahl=2", 7, E, "Anzahl 2, but Gruppe_2 is missing: the list shows an empty row", 1},
      {7, "Anzahl=1 ; Gruppen", 7, E, "not a number", 1},
      {10, "Anzahl=1", 12, E, "Programm_2 is beyond Anzahl 1: the menu never lists it", 1},
      {10, "Anzahl=4", 10, E, "Programm_3 and Programm_4 are missing: the list shows 2 empty rows", 1},
      {12, "Programm_2=", 12, W, "empty row", 1},
      {12, "Programm_2=Info\r\nProgram_3=Neu", 13, W, "never read in [Gruppe_1]; did you mean Programm_3?", 1},
      {18, "[Programm_1_2", 18, E, "without ']'", -1},
      {18, "[Programm_1_2", 12, E, "no section [Programm_1_2]: it shows no picture, no description and no button "
                               "(the header on line 18 lacks its ']')", -1},
      {24, afterEnd + "[Programm_1_3]\r\nTyp=Leer", 25, W, "[Programm_1_3] is never shown: group 1 has no entry 3", 1},
      {24, afterEnd + "[Gruppe_2]\r\nAnzahl=0", 25, W, "[Gruppe_2] is never read: there is no group 2", 1},
      {24, afterEnd + "[Gruppe_01]", 25, W, "leading zeros", 1},
      {24, afterEnd + "[Hiermit_Ausführen]", 25, W, "did you mean [Hiermit_Ausfuehren]?", 1},
      {24, afterEnd + "[Programm_1_1]\r\nTyp=Leer", 25, E, "again (first on line 13)", 1},
      // lines and keys
      {11, "Programm_1 Start", 11, E, "neither a section, a key, a comment nor blank", -1},
      {1, "CD_Titel=x\r\n[Programm]", 1, W, "before the first section", 1},
      {20, "Location=doku\\info.txt\r\nLocation=doku\\alt.txt", 21, E, "\"doku\\alt.txt\" is never read", 1},
      {20, "Location=doku\\info.txt\r\nLOCATION=doku\\info.txt", 21, W, "only the first counts", 1},
      {17, "Link=[http://a.example+" + std::string(2100, 'x') + "]", 17, E, "the menu reads only the first 2047", -1},
      {3, "Breite=720\r\nCD_Titel=\xC3\x9C" "ber\r\nGruppen_Ueberschrift=Gr\xFC\xDF" "e", 5, W,
       "UTF-8 characters (first on line 4) show garbled", 1},
      {13, "[Programm_1_1] ; Rechner", 13, W, "text after ']' is ignored", 1},
      // entries
      {14, "Typ=Instalation", 14, E, "none of Installation, Programm, Nur Kopieren and Leer: the entry offers no "
                                  "button; did you mean Installation?", 1},
      {14, "Typ=", 14, W, "no Typ", 1},
      {17, "Link=http://a.example", 17, E, "lacks \"[\", \"+\" and \"]\": the menu shows no link", 1},
      {17, "Link=[http://a.example]", 17, E, "lacks \"+\"", 1},
      {17, "Link=[www.a.example+Seite]", 17, W, "no scheme", 1},
      {15, "", 13, E, "no Location: \"Starten / Öffnen\" opens the medium's own folder", 1},
      {15, "Location=http://a.example/start", 15, E, "is a web address", 1},
      {15, "Location=c:\\prog\\start.sh", 15, E, "is an absolute path", 1},
      {20, "Location=DOKU\\Info.TXT", 20, W, "only by ignoring letter case: on the medium it is \"doku\\info.txt\"", 1},
      {15, "Location=..\\prog\\start.sh", 15, E, "leads out of the medium's folder", 1},
      {20, "Location=doku\\info.txt\r\nParameter=/s", 21, W, "the Parameter is dropped", 1},
      {16, "Screenshot=bilder\\fehlt.bmp", 16, E, "names no file", 1},
      {16, "Screenshot=bilder\\scan.tif", 16, E, "\"Unbekannte Bilddateierweiterung (.tif)\"", 1},
      {16, "Screenshot=bilder\\kaputt.jpg", 16, E, "the picture loader fails with \"Die JPEG-Daten", 1},
      // the association table
      {21, "[Hiermit]", 0, E, "no [Hiermit_Ausfuehren] section: every \"Starten / Öffnen\" and \"Installieren\" "
                              "fails with \"'' ist kein gültiger Integerwert\"", 2},
      {22, "", 21, E, "no Anzahl in [Hiermit_Ausfuehren]", 1},
      {22, "Anzahl=1 ; Zeilen", 22, E, "fails with \"'1 ; Zeilen' ist kein gültiger Integerwert\"", 1},
      {22, "Anzahl=2", 22, E, "the rows after row 1 are missing", 1},
      {23, "Ext_1=.TXT", 23, E, "never matches: a file's extension is compared from its last dot, in lower case; "
                                "write Ext_1=.txt", 1},
      {23, "Ext_1=txt", 23, E, "write Ext_1=.txt", 1},
      {24, afterEnd + "Ext_2=.log", 25, E, "Ext_2 is beyond Anzahl 1", 1},
  };
  for (const Case& c : cases) expectFindings(c);
}

TEST_F(MediumCheckTest, ProgramsAreJudgedByTheRulesOfTheSystemTheCheckRunsOn) {
  // Linux starts what is executable or a script and hands the rest to the desktop.
  const Case linux[] = {
      {15, "Location=prog\\elf", 15, E, "a program without execute permission", 1},
      {15, "Location=prog\\setup.exe", 15, W, "a Windows program", 1},
      {15, "Location=prog\\crlf.sh", 15, E, "Windows line ends (CR LF): /bin/sh cannot run it", 1},
      {15, "Location=prog\\ohne", 15, W, "has no extension and is neither executable nor a script", 1},
      {24, "Prog_1=doku\\info.txt", 24, E, "neither executable nor a script", 1},
  };
  // Windows starts .exe, .com, .bat and .cmd and opens the rest by its extension.
  const Case windows[] = {
      {15, "Location=prog\\setup.exe", 0, E, nullptr, 0},
      {15, "Location=prog\\crlf.sh", 15, W, "has an extension (.sh) that no program is registered for", 1},
      {15, "Location=prog\\daten.qqz", 15, W, "has an extension (.qqz) that no program is registered for", 1},
      {15, "Location=prog\\ohne", 15, W, "has no extension: Windows opens a file with the program registered", 1},
      {24, "Prog_1=doku\\info.txt", 24, E, "is no program (.exe, .com, .bat or .cmd)", 1},
      {24, "Prog_1=prog\\start.sh", 24, E, "is no program (.exe, .com, .bat or .cmd)", 1},
  };
  for (const Case& c : kWindows ? std::span<const Case>(windows) : std::span<const Case>(linux)) expectFindings(c);
}

TEST_F(MediumCheckTest, ManyFindingsOfOneKindAreSummarisedAfterTheFirstFew) {
  // 25 sections nobody reads, and 1,500 key lines before the first section
  // (more than the index keeps one by one).
  std::string before, after = cleanLine(24) + "\r\n";
  for (int i = 1; i <= 1500; ++i) before += "Programm_1_" + std::to_string(i) + "=x\r\n";
  for (int i = 1; i <= 25; ++i) after += "[Abschnitt_" + std::to_string(i) + "]\r\n";
  MediumCheck result;
  result.findings = check(before + medium(24, after));
  const std::size_t shown = 10;  // findings listed of one kind
  ASSERT_EQ(result.findings.size(), 2 * shown + 2) << listed(result.findings);
  const Finding& keys = result.findings[shown];
  EXPECT_EQ(formatFinding(keys), "Tavilo.ini:" + std::to_string(shown) +
                                     ": warning: … and 1,490 more key lines before the first section");
  EXPECT_EQ(keys.more, 1490u);
  const Finding& sections = result.findings.back();
  EXPECT_EQ(sections.text, "… and 15 more sections that are never read");
  EXPECT_EQ(sections.line, 1500 + 24 + shown);  // the last one listed
  EXPECT_EQ(result.count(W), 1525u);
  EXPECT_EQ(summaryLine(result), "no errors, 1525 warnings");
}

TEST_F(MediumCheckTest, LongNamesAreCutAndGetNoSuggestion) {
  const std::string name = "Breite" + std::string(100000, 'x');
  const std::vector<Finding> findings = check(medium(3, name + "=720\r\n[" + name + "]"));
  ASSERT_EQ(findings.size(), 2u) << listed(findings);
  const std::string shown = "Breite" + std::string(54, 'x') + "...";
  EXPECT_EQ(findings[0].text, shown + " is never read in [Programm]");
  EXPECT_EQ(findings[1].text, "[" + shown + "] is never read");
}

TEST_F(MediumCheckTest, TheEncodingAndNulBytesAreNamed) {
  std::string utf16 = "\xFF\xFE";
  for (const char c : medium()) utf16 += std::string{c, '\0'};
  std::vector<Finding> findings = check(utf16);
  ASSERT_EQ(findings.size(), 1u) << listed(findings);
  EXPECT_EQ(formatFinding(findings[0]),
            "Tavilo.ini: warning: the file is UTF-16 little-endian text: the menu reads it, as Windows does, but "
            "other programs may not; UTF-8 or Windows-1252 is read everywhere");

  findings = check(medium(20, std::string("Location=doku\\info.txt\0.bak", 26)));
  ASSERT_EQ(findings.size(), 1u) << listed(findings);
  EXPECT_EQ(formatFinding(findings[0]), "Tavilo.ini:20: error: the line holds a NUL byte: the menu reads it only "
                                        "up to there");
  findings = check(utf16.substr(2));  // UTF-16 without its mark: NUL bytes everywhere
  EXPECT_NE(listed(findings).find("Tavilo.ini:1: error: the line holds a NUL byte: the menu reads it only up to "
                                  "there (is the file UTF-16 without a byte-order mark?"),
            std::string::npos)
      << listed(findings);
}

TEST(TerminalText, EveryControlCharacterIsShownEscaped) {
  const std::pair<std::string, std::string> cases[] = {
      {"programme\\rech\x1B]0;pwned\x07ner.sh", "programme\\rech\\x1B]0;pwned\\x07ner.sh"},
      {"a\tb\rc\nd\x7F", "a\\x09b\\x0Dc\\x0Ad\\x7F"},
      {"Grüße \xE2\x80\xA6", "Grüße \xE2\x80\xA6"},         // characters stay
      {"\xC2\x9B" "31m", "\\u009B31m"},                         // a C1 control in UTF-8
      {"\xFF\x9B\xC3", "\\xFF\\x9B\\xC3"},                   // bytes that are no character
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(terminalText(text), shown);
  EXPECT_EQ(formatFinding({3, E, "x\x1By"}), "Tavilo.ini:3: error: x\\x1By");
}

TEST_F(MediumCheckTest, TheSampleFileHasOnlyItsPlaceholderLocations) {
  // The program's own sample: its separators, Erstellt mit and Erstell-Datum
  // are no findings; its Location c:\ names nothing on a medium.
  const std::vector<Finding> findings = check(defaultIniText("01.12.2026 10:00:00"));
  // Its blue headings on orange are hard to read, as the checker says.
  ASSERT_EQ(findings.size(), 6u) << listed(findings);
  EXPECT_NE(findings[0].text.find("no [Hiermit_Ausfuehren] section"), std::string::npos);
  EXPECT_NE(findings[1].text.find("the headings above the lists"), std::string::npos);
  for (std::size_t i = 2; i < 6; ++i)
    EXPECT_NE(findings[i].text.find("Location \"c:\\\" is an absolute path"), std::string::npos) << findings[i].text;
}

}  // namespace
}  // namespace tavilo::core

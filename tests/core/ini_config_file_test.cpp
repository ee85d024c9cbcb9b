// ConfigFile against real files: the reading operations, the sample file and
// its write failures.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/error.h"
#include "core/ini/config_file.h"
#include "core/ini/default_ini.h"
#include "core/ini/ini_document.h"
#include "core/menu/start_settings.h"
#include "platform/platform.h"
#include "support/as_user.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
using tavilo::testing::TempTree;

namespace {

class ConfigFileTest : public TempTree {
 protected:
  core::IniDocument file(const std::string& content) {
    writeFile("Tavilo.ini", content);
    return core::ConfigFile(path("Tavilo.ini")).read();
  }
};

TEST_F(ConfigFileTest, IntegersAndFlags) {
  struct Case {
    const char* value;
    std::int32_t integer;
  };
  const Case cases[] = {
      {"700", 700}, {"0", 0}, {"", 0}, {"abc", 0}, {"1", 1}, {"2", 2}, {"0x1", 1}, {"0X10", 16}, {"0x", 0},
      {"ja", 0}, {"true", 0}, {"$FFFFFFFF", -1}, {"x1F", 31}, {"-3", -3}, {"\"42\"", 42}, {" 8 ", 8},
      {"4294967296", 0},
  };
  for (const Case& c : cases) {
    const auto ini = file(std::string("[Programm]\r\nBreite=") + c.value + "\r\n");
    EXPECT_EQ(ini.ReadIniInteger("Programm", "Breite"), c.integer) << "\"" << c.value << "\"";
    EXPECT_EQ(ini.ReadIniBool("programm", "BREITE"), c.integer != 0) << "\"" << c.value << "\"";
  }
  const auto ini = file("[Programm]\r\n");
  EXPECT_EQ(ini.ReadIniInteger("Programm", "Breite"), 0);
  EXPECT_FALSE(ini.ReadIniBool("Programm", "ShowOnlyUsedButton"));
}

TEST_F(ConfigFileTest, Colours) {
  struct Case {
    const char* value;
    std::optional<std::uint32_t> colour;
  };
  const Case cases[] = {
      {"$FFC1C1", 0xFFC1C1}, {"16761281", 0xFFC1C1}, {"0xFFC1C1", 0xFFC1C1}, {"", std::nullopt},
      {"$FFFFFFFF", 0xFFFFFF}, {"$1000000", 0}, {"-1", 0xFFFFFF}, {"'$0000FF'", 0x0000FF},
  };
  for (const Case& c : cases) {
    const auto ini = file(std::string("[Programm]\r\nFensterFarbe=") + c.value + "\r\n");
    EXPECT_EQ(ini.ReadIniColor("Programm", "fensterfarbe"), c.colour) << "\"" << c.value << "\"";
  }
  for (const char* bad : {"rot", "#FFC1C1", "$FFC1C1;", "\"$FF\"x", "$FF C1"}) {
    const auto ini = file(std::string("[Programm]\r\nFensterFarbe=") + bad + "\r\n");
    const std::string shown = core::IniDocument::parse(std::string("[P]\r\nk=") + bad).ReadIniString("P", "k");
    try {
      ini.ReadIniColor("Programm", "FensterFarbe");
      ADD_FAILURE() << "no error for \"" << bad << "\"";
    } catch (const core::Error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + shown + "' ist kein gültiger Integerwert") << bad;
    }
  }
  EXPECT_EQ(file("").ReadIniColor("Programm", "FensterFarbe"), std::nullopt);
}

TEST_F(ConfigFileTest, MissingOrUnusableFileReadsEmpty) {
  const core::ConfigFile missing(path("fehlt/Tavilo.ini"));
  EXPECT_FALSE(missing.exists());
  EXPECT_EQ(missing.read().ReadIniString("Programm", "Version"), "");
  EXPECT_EQ(missing.read().ReadIniInteger("Gruppen", "Anzahl"), 0);
  makeFolder("ordner.ini");
  const core::ConfigFile folder(path("ordner.ini"));
  EXPECT_FALSE(folder.exists());
  EXPECT_EQ(folder.read().ReadIniString("Programm", "Version"), "");
  ASSERT_EQ(::mkfifo(path("fifo.ini").c_str(), 0644), 0);
  EXPECT_EQ(core::ConfigFile(path("fifo.ini")).read().ReadIniString("Programm", "Version"), "");
}

TEST_F(ConfigFileTest, ReadingSaysWhatKeptTheFileFromBeingRead) {
  using Outcome = core::ConfigBytes::Outcome;
  using Kind = core::ConfigBytes::Kind;
  makeFolder("ordner.ini");
  ASSERT_EQ(::mkfifo(path("fifo.ini").c_str(), 0644), 0);
  ASSERT_EQ(::symlink("/dev/zero", path("null.ini").c_str()), 0);
  ASSERT_EQ(::symlink("fehlt.ini", path("ins-leere.ini").c_str()), 0);
  writeFile("gross.ini", "");
  ASSERT_EQ(::truncate(path("gross.ini").c_str(), core::kMaxIniBytes + 1), 0);
  writeFile("genau.ini", "");
  ASSERT_EQ(::truncate(path("genau.ini").c_str(), core::kMaxIniBytes), 0);
  const struct {
    const char* name;
    Outcome outcome;
    Kind kind;
    bool cut;
  } cases[] = {
      {"fehlt.ini", Outcome::Missing, Kind::Other, false},
      {"ins-leere.ini", Outcome::Missing, Kind::Other, false},
      {"ordner.ini", Outcome::NotAFile, Kind::Folder, false},
      {"fifo.ini", Outcome::NotAFile, Kind::Fifo, false},
      {"null.ini", Outcome::NotAFile, Kind::Device, false},
      {"gross.ini", Outcome::Read, Kind::Other, true},
      {"genau.ini", Outcome::Read, Kind::Other, false},
  };
  for (const auto& c : cases) {
    const core::ConfigBytes r = core::ConfigFile(path(c.name)).readFile();
    EXPECT_EQ(r.outcome, c.outcome) << c.name;
    EXPECT_EQ(r.kind, c.kind) << c.name;
    EXPECT_EQ(r.cut, c.cut) << c.name;
  }

  writeFile("Tavilo.ini", "[Programm]\r\nVersion=4.02\r\n");
  ASSERT_EQ(::chmod(path("Tavilo.ini").c_str(), 0), 0);
  const auto child = tavilo::testing::runAsNormalUser([&](int out) {
    const core::ConfigBytes r = core::ConfigFile(path("Tavilo.ini")).readFile();
    tavilo::testing::writeText(out, core::startRefusal(r, false).value_or("(accepted)"));
    return r.outcome == Outcome::Unreadable ? 0 : 1;
  });
  ASSERT_NE(child.exitCode, 125) << "cannot drop to the normal user";
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(child.output, "Die Tavilo.INI \nkann nicht gelesen werden:\nZugriff verweigert.");
}

TEST_F(ConfigFileTest, TheDemoMediumInWindows1252) {
  const core::ConfigFile ini(std::string(TAVILO_SOURCE_DIR) + "/examples/demo-medium/Tavilo.ini");
  ASSERT_TRUE(ini.exists());
  EXPECT_EQ(ini.read().ReadIniString("Programm", "Version"), "4.02");
  EXPECT_EQ(ini.read().ReadIniString("Programm_1_2", "Bemerkung").substr(0, 7), "Öffnet");
  EXPECT_GT(ini.read().ReadIniInteger("Gruppen", "Anzahl"), 0);
}

TEST_F(ConfigFileTest, WriteDefaultIniWritesTheSampleWhole) {
  const core::ConfigFile ini(path("Tavilo.ini"));
  ASSERT_FALSE(ini.exists());
  EXPECT_EQ(ini.read().ReadIniString("Programm", "Version"), "");
  ini.WriteDefaultIni();
  ASSERT_TRUE(ini.exists());
  EXPECT_EQ(names(), std::vector<std::string>{"Tavilo.ini"});  // no temporary left behind
  const std::string text = readFile("Tavilo.ini");
  const std::string date = ini.read().ReadIniString("Programm", "Erstell-Datum");
  EXPECT_EQ(text, core::defaultIniText(date));
  EXPECT_EQ(date.size(), 19u) << date;
  EXPECT_EQ(ini.read().ReadIniString("Programm", "Version"), "4.02");  // the new file is seen at once
  EXPECT_EQ(ini.read().ReadIniInteger("Gruppen", "Anzahl"), 2);
  EXPECT_TRUE(ini.read().ReadIniBool("Programm", "ShowOnlyUsedButton"));
  struct stat st;
  ASSERT_EQ(::stat(path("Tavilo.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

void expectWriteError(const core::ConfigFile& ini, const char* what) {
  try {
    ini.WriteDefaultIni();
    ADD_FAILURE() << what << ": no error";
  } catch (const core::Error& e) {
    EXPECT_EQ(std::string(e.what()), "nach " + ini.path() + " kann nicht geschrieben werden") << what;
  }
}

std::string writeError(const core::ConfigFile& ini) {
  try {
    ini.WriteDefaultIni();
  } catch (const core::Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST_F(ConfigFileTest, WriteFailsWhereNothingCanBeWritten) {
  expectWriteError(core::ConfigFile(path("fehlt/Tavilo.ini")), "missing parent folder");
  makeFolder("Tavilo.ini");
  expectWriteError(core::ConfigFile(path("Tavilo.ini")), "a folder under the name");
  EXPECT_EQ(names(), std::vector<std::string>{"Tavilo.ini"});
  EXPECT_TRUE(names("Tavilo.ini").empty());
}

// An author's link stays as it is, whether it leads nowhere or in a circle,
// and nothing is written where it leads.
TEST_F(ConfigFileTest, TheSampleIsNeverWrittenThroughOrOverALink) {
  makeFolder("cd");
  makeFolder("gemeinsam");
  ASSERT_EQ(::symlink("../gemeinsam/Tavilo.ini", path("cd/Tavilo.ini").c_str()), 0);
  EXPECT_EQ(writeError(core::ConfigFile(path("cd/Tavilo.ini"))),
            path("cd/Tavilo.ini") + " verweist auf eine Datei, die es nicht gibt (../gemeinsam/Tavilo.ini)");
  EXPECT_TRUE(names("gemeinsam").empty());
  ASSERT_EQ(::symlink("Tavilo2.ini", path("Tavilo.ini").c_str()), 0);
  ASSERT_EQ(::symlink("Tavilo.ini", path("Tavilo2.ini").c_str()), 0);
  EXPECT_EQ(writeError(core::ConfigFile(path("Tavilo.ini"))),
            path("Tavilo.ini") + " ist eine Verknüpfung, die im Kreis verweist (auf Tavilo2.ini)");
  EXPECT_EQ(tavilo::platform::linkTarget(path("cd/Tavilo.ini")), "../gemeinsam/Tavilo.ini");
  EXPECT_EQ(tavilo::platform::linkTarget(path("Tavilo.ini")), "Tavilo2.ini");
}

// Root writes into any folder, so these write as a normal user.
class ConfigFileAsUser : public tavilo::testing::NormalUserTree {};

// The read-only medium is a folder that the user cannot write.
TEST_F(ConfigFileAsUser, WriteFailsInAFolderThatCannotBeWritten) {
  makeFolder("cd");
  ASSERT_EQ(::chmod(path("cd").c_str(), 0555), 0);
  const core::ConfigFile ini(path("cd/Tavilo.ini"));
  const auto child = tavilo::testing::runAsNormalUser([&](int out) {
    try {
      ini.WriteDefaultIni();
    } catch (const core::Error& e) {
      tavilo::testing::writeText(out, e.what());
      return 0;
    }
    return 1;
  });
  ASSERT_NE(child.exitCode, 125) << "cannot drop to the normal user";
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(child.output, "nach " + path("cd/Tavilo.ini") + " kann nicht geschrieben werden");
  EXPECT_TRUE(names("cd").empty());
}

// A full disk (here a file size limit) must leave no cut sample file behind.
TEST_F(ConfigFileAsUser, WriteThatFallsShortLeavesNoFile) {
  tavilo::testing::giveToNormalUser(path());
  const core::ConfigFile ini(path("Tavilo.ini"));
  const auto child = tavilo::testing::runAsNormalUser([&](int out) {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {200, 200};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 9;
    try {
      ini.WriteDefaultIni();
    } catch (const core::Error& e) {
      tavilo::testing::writeText(out, e.what());
      return 0;
    }
    return 1;
  });
  ASSERT_NE(child.exitCode, 125) << "cannot drop to the normal user";
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(child.output, "nach " + ini.path() + " kann nicht geschrieben werden");
  EXPECT_TRUE(names().empty());
}

}  // namespace

// The reading rules of the configuration file, as the Windows profile
// functions apply them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ini/ini_document.h"

namespace core = tavilo::core;

namespace {

struct LookupCase {
  const char* what;
  std::string text;
  const char* section;
  const char* key;
  std::string expected;
};

std::string printable(const std::string& s) {
  std::string out;
  for (const unsigned char c : s) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c < 32) out += "\\x" + std::to_string(c);
    else out += static_cast<char>(c);
  }
  return out;
}

void expectLookups(const std::vector<LookupCase>& cases) {
  for (const LookupCase& c : cases) {
    const auto doc = core::IniDocument::parse(c.text);
    EXPECT_EQ(doc.ReadIniString(c.section, c.key), c.expected)
        << c.what << ": [" << c.section << "] " << c.key << " in \"" << printable(c.text) << "\"";
  }
}

TEST(IniDocument, LineSyntax) {
  expectLookups({
      {"plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
      {"comment line", "[S]\r\n;k=v\r\n", "S", "k", ""},
      {"indented comment", "[S]\r\n \t;k=v\r\n", "S", "k", ""},
      {"semicolon in value is text", "[S]\r\nk=a ; b\r\n", "S", "k", "a ; b"},
      {"hash is text", "[S]\r\n#k=v\r\n", "S", "#k", "v"},
      {"hash in value", "[S]\r\nk=#v\r\n", "S", "k", "#v"},
      {"before first section", "k=v\r\n[S]\r\n", "S", "k", ""},
      {"before first section, empty name", "k=v\r\n[S]\r\n", "", "k", ""},
      {"line without =", "[S]\r\nk\r\nk=v\r\n", "S", "k", "v"},
      {"key before first =", "[S]\r\na=b=c\r\n", "S", "a", "b=c"},
      {"empty key", "[S]\r\n=====\r\n", "S", "", "===="},
      {"empty value", "[S]\r\nk=\r\n", "S", "k", ""},
      {"no line end at file end", "[S]\r\nk=v", "S", "k", "v"},
      {"LF line ends", "[S]\nk=v\nj=w\n", "S", "j", "w"},
      {"CR line ends", "[S]\rk=v\rj=w\r", "S", "j", "w"},
      {"mixed line ends", "[A]\r\na=1\r[B]\nb=2\r\n", "B", "b", "2"},
      {"CR CR LF", "[S]\r\r\nk=v\r\r\n", "S", "k", "v"},
      {"section with text after ]", "[S] ; note\r\nk=v\r\n", "S", "k", "v"},
      {"indented section", "  [S]\r\nk=v\r\n", "S", "k", "v"},
      {"section without ] is a key line", "[S]\r\n[T=1\r\n", "S", "[T", "1"},
      {"section name up to the last ]", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
      {"empty section name", "[]\r\nk=v\r\n", "", "k", "v"},
      {"NUL ends a line", std::string("[S]\r\nk=ab\0cd\r\n", 15), "S", "k", "ab"},
      {"NUL in a key", std::string("[S]\r\nk\0x=1\r\nk=2\r\n", 17), "S", "k", "2"},
  });
}

TEST(IniDocument, BlanksAndQuotes) {
  expectLookups({
      {"blanks around key", "[S]\r\n \t k \t=v\r\n", "S", "k", "v"},
      {"blanks around value", "[S]\r\nk= \t v \t \r\n", "S", "k", "v"},
      {"inner blanks kept", "[S]\r\nk=a  b\r\n", "S", "k", "a  b"},
      {"blanks inside section brackets", "[ S \t]\r\nk=v\r\n", "S", "k", "v"},
      {"inner blanks of a key", "[S]\r\nErstellt mit=Tavilo\r\n", "S", "Erstellt mit", "Tavilo"},
      {"double quotes", "[S]\r\nk=\"v\"\r\n", "S", "k", "v"},
      {"single quotes", "[S]\r\nk='v'\r\n", "S", "k", "v"},
      {"quoted blanks kept", "[S]\r\nk=\" a \"\r\n", "S", "k", " a "},
      {"blanks outside quotes go first", "[S]\r\nk=  \"a\"  \r\n", "S", "k", "a"},
      {"one pair only", "[S]\r\nk=\"\"a\"\"\r\n", "S", "k", "\"a\""},
      {"mixed quotes kept", "[S]\r\nk=\"a'\r\n", "S", "k", "\"a'"},
      {"a lone quote kept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
      {"empty quotes", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
      {"quote at one end only", "[S]\r\nk=\"abc\r\n", "S", "k", "\"abc"},
      {"quotes in the middle", "[S]\r\nk=a\"b\"c\r\n", "S", "k", "a\"b\"c"},
      {"backslash is no escape", "[S]\r\nLocation=c:\\\r\n", "S", "Location", "c:\\"},
  });
}

TEST(IniDocument, NamesIgnoreCase) {
  const std::string t = "[Programm]\r\nVerlauffarbe=$75C5F0\r\nTitelfarbe=$FF0000\r\n[ÄRGER]\r\nÖl=1\r\n";
  expectLookups({
      {"key case", t, "Programm", "VerlaufFarbe", "$75C5F0"},
      {"key lower", t, "Programm", "verlauffarbe", "$75C5F0"},
      {"sample key", t, "Programm", "TitelFarbe", "$FF0000"},
      {"section case", t, "PROGRAMM", "titelfarbe", "$FF0000"},
      {"Latin-1 section", t, "ärger", "Öl", "1"},
      {"Latin-1 key", t, "ÄRGER", "öl", "1"},
      {"other key", t, "Programm", "Titel", ""},
      {"sharp s is not ss", "[S]\r\nstraße=1\r\n", "S", "STRASSE", ""},
  });
  EXPECT_EQ(core::foldIniName("ÀÞ×ß"), "àþ×ß");
}

TEST(IniDocument, FirstOccurrenceCounts) {
  const std::string t =
      "[A]\r\nk=first\r\nK=second\r\n"
      "[B]\r\nb=1\r\n"
      "[a]\r\nk=third\r\nnew=in repeated section\r\n"
      "[B]\r\nb=2\r\n";
  expectLookups({
      {"repeated key", t, "A", "k", "first"},
      {"repeated section ignored as a whole", t, "A", "new", ""},
      {"other section unaffected", t, "B", "b", "1"},
  });
  const auto doc = core::IniDocument::parse(t);
  EXPECT_TRUE(doc.hasSection("a"));
  EXPECT_TRUE(doc.hasSection("b"));
  EXPECT_FALSE(doc.hasSection("c"));
}

TEST(IniDocument, MissingSectionsAndKeys) {
  const auto doc = core::IniDocument::parse("[Leer]\r\n[Voll]\r\nk=v\r\n");
  EXPECT_TRUE(doc.hasSection("Leer"));
  EXPECT_EQ(doc.ReadIniString("Leer", "k"), "");
  EXPECT_EQ(doc.ReadIniString("Fehlt", "k"), "");
  EXPECT_FALSE(doc.hasSection("Fehlt"));
  const auto empty = core::IniDocument::parse("");
  EXPECT_FALSE(empty.hasSection(""));
  EXPECT_EQ(empty.ReadIniString("", ""), "");
}

TEST(IniDocument, ACopyOutlivesItsOriginal) {
  auto original = std::make_unique<core::IniDocument>(core::IniDocument::parse("[Voll]\r\nk=v\r\n"));
  EXPECT_EQ(original->ReadIniString("Voll", "k"), "v");  // the section is now looked up
  EXPECT_FALSE(original->hasSection("Fehlt"));
  const core::IniDocument copy = *original;
  original.reset();
  EXPECT_EQ(copy.ReadIniString("Voll", "k"), "v");
  EXPECT_FALSE(copy.hasSection("Fehlt"));
}

TEST(IniDocument, LongValuesAreCutAtCharacters) {
  struct Case {
    const char* what;
    std::string value;
    std::string expected;
  };
  const std::string a2047(2047, 'a');
  std::string umlauts2048;
  for (int i = 0; i < 2048; ++i) umlauts2048 += "ä";
  std::string umlauts2047;
  for (int i = 0; i < 2047; ++i) umlauts2047 += "ä";
  const std::vector<Case> cases = {
      {"2047 kept", a2047, a2047},
      {"2048 cut", a2047 + "b", a2047},
      {"10 MB cut", std::string(10u << 20, 'x'), std::string(2047, 'x')},
      {"two-byte characters counted as characters", umlauts2048, umlauts2047},
      {"cut after unquoting", "\"" + a2047 + "\"", a2047},
      {"cut keeps the opening quote's text", "\"" + a2047 + "bc", "\"" + std::string(2046, 'a')},
  };
  for (const Case& c : cases) {
    const auto doc = core::IniDocument::parse("[S]\r\nk=" + c.value + "\r\nnext=1\r\n");
    const std::string got = doc.ReadIniString("S", "k");
    EXPECT_EQ(got.size(), c.expected.size()) << c.what;
    EXPECT_TRUE(got == c.expected) << c.what;
    EXPECT_EQ(doc.ReadIniString("S", "next"), "1") << c.what;
  }
  // A Windows-1252 file: each byte becomes one character, two bytes in UTF-8.
  const auto ansi = core::IniDocument::parse("[S]\r\nk=" + std::string(3000, '\xE4') + "\r\n");
  EXPECT_EQ(ansi.ReadIniString("S", "k"), umlauts2047);
}

TEST(IniDocument, EncodingOfTheFile) {
  expectLookups({
      {"Windows-1252 value", "[S]\r\nk=\xD6\x66\x66nen \x96 gut\r\n", "S", "k", "Öffnen – gut"},
      {"Windows-1252 key", "[S]\r\n\xC4nderung=1\r\n", "S", "änderung", "1"},
      {"UTF-8 value", "[S]\r\nk=Öffnen – gut\r\n", "S", "k", "Öffnen – gut"},
      {"UTF-8 BOM before the first section", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v"},
      {"Windows-1252 euro and an undefined byte", "[S]\r\nk=\x80\x81\r\n", "S", "k", "€\xC2\x81"},
      {"overlong UTF-8 is Windows-1252", "[S]\r\nk=\xC0\xAF\r\n", "S", "k", "À¯"},
      {"BOM with a Windows-1252 rest", "\xEF\xBB\xBF[S]\r\nk=\xE4\r\n", "S", "k", "ä"},
  });
}

// Bytes that are no configuration must read as a (mostly) empty document.
TEST(IniDocument, ArbitraryBytesDoNotHurt) {
  std::string noise;
  unsigned state = 12345;
  for (int i = 0; i < 1 << 20; ++i) {
    state = state * 1103515245u + 12345u;
    noise += static_cast<char>(state >> 16);
  }
  const std::string picture = std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + noise;
  const std::vector<std::string> inputs = {
      picture,
      std::string(1000, '\0'),
      std::string(1000, '['),
      std::string(1000, ']'),
      std::string(1000, '='),
      "[" + std::string(1u << 20, 'n') + "]\r\n" + std::string(1u << 20, 'k') + "=v",
      "\xC3",
      "[S]\r\nk=\xF4\x90\x80\x80",
  };
  for (const std::string& in : inputs) {
    const auto doc = core::IniDocument::parse(in);
    (void)doc.ReadIniString("Programm", "Version");
    (void)doc.hasSection("Gruppen");
  }
  const auto doc = core::IniDocument::parse(picture + "\r\n[Programm]\r\nVersion=4.02\r\n");
  EXPECT_EQ(doc.ReadIniString("Programm", "Version"), "4.02");
}

}  // namespace

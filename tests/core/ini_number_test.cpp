// Number conversion of configuration values, the count limit and the version rule.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/error.h"
#include "core/ini/ini_number.h"
#include "core/version.h"

namespace core = tavilo::core;

namespace {

TEST(IniNumber, Syntax) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {
      {"0", 0},
      {"500", 500},
      {"007", 7},
      {"+12", 12},
      {"-12", -12},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$FFC1C1", 16761281},
      {"$ffc1c1", 16761281},
      {"0x1F", 31},
      {"0X1f", 31},
      {"x1F", 31},
      {"X1F", 31},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},
      {"$000000001", 1},
      {"$100000000", std::nullopt},
      {"-$10", -16},
      {"+0x10", 16},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"x", std::nullopt},
      {"0x", std::nullopt},
      {"$G", std::nullopt},
      {"$-5", std::nullopt},
      {"0xx5", std::nullopt},
      {"abc", std::nullopt},
      {"ja", std::nullopt},
      {"true", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {"1e3", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"--5", std::nullopt},
      {"#FF", std::nullopt},
      {"h10", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(core::parseIniNumber(c.text), c.expected) << "\"" << c.text << "\"";
    EXPECT_EQ(core::lenientInteger(c.text), c.expected.value_or(0)) << "\"" << c.text << "\"";
    if (c.expected) {
      EXPECT_EQ(core::strictInteger(c.text), *c.expected) << "\"" << c.text << "\"";
    } else {
      try {
        core::strictInteger(c.text);
        ADD_FAILURE() << "no error for \"" << c.text << "\"";
      } catch (const core::Error& e) {
        EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' ist kein gültiger Integerwert");
      }
    }
  }
}

TEST(IniNumber, ClampCount) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {0, 0}, {2, 2}, {9999, 9999}, {10000, 10000}, {10001, 10000}, {INT32_MAX, 10000}, {-5, -5},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(core::clampCount(in), out) << in;
  EXPECT_EQ(core::kMaxCount, 10000);
}

TEST(Version, Rule) {
  const std::pair<const char*, bool> cases[] = {
      {"4.02", true}, {"3", true}, {"9", true}, {"A", true}, {"beta", true}, {"\xC3\xA4", true},
      {"2.9", false}, {"2.0", false}, {"2", false}, {"10", false}, {"1.5", false}, {"", false},
      {" 4", false}, {"-4", false}, {".5", false},
  };
  for (const auto& [v, accepted] : cases) EXPECT_EQ(core::versionAccepted(v), accepted) << "\"" << v << "\"";
  EXPECT_TRUE(core::versionAccepted(core::ProgVersion));
}

}  // namespace

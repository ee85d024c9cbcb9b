#include "platform/posix/xsettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pf = tavilo::platform;

namespace {

// Builds an _XSETTINGS_SETTINGS property in either byte order.
class Settings {
 public:
  explicit Settings(bool big) : big_(big) {}
  Settings& integer(const std::string& name, std::int32_t value) {
    head(0, name);
    number(static_cast<std::uint32_t>(value), 4);
    ++count_;
    return *this;
  }
  Settings& text(const std::string& name, const std::string& value) {
    head(1, name);
    number(static_cast<std::uint32_t>(value.size()), 4);
    body_ += value;
    pad();
    ++count_;
    return *this;
  }
  Settings& color(const std::string& name) {
    head(2, name);
    body_ += std::string(8, '\x11');
    ++count_;
    return *this;
  }
  std::string bytes() const {
    Settings s(big_);
    s.body_ += static_cast<char>(big_ ? 1 : 0);
    s.body_ += std::string(3, '\0');
    s.number(7, 4);  // serial
    s.number(count_, 4);
    return s.body_ + body_;
  }

 private:
  void head(int type, const std::string& name) {
    body_ += static_cast<char>(type);
    body_ += '\0';
    number(static_cast<std::uint32_t>(name.size()), 2);
    body_ += name;
    pad();
    number(3, 4);  // last change
  }
  void number(std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      const int shift = 8 * (big_ ? bytes - 1 - i : i);
      body_ += static_cast<char>((v >> shift) & 0xFF);
    }
  }
  void pad() {
    while (body_.size() % 4) body_ += '\0';
  }
  bool big_;
  std::string body_;
  std::uint32_t count_ = 0;
};

TEST(XSettings, FindsAnIntegerPastOtherKindsOfSettingsInBothByteOrders) {
  for (bool big : {false, true}) {
    const std::string data = Settings(big)
                                 .text("Net/ThemeName", "Adwaita")
                                 .color("Gtk/Colour")
                                 .integer("Net/DoubleClickDistance", 6)
                                 .integer("Net/DoubleClickTime", 350)
                                 .bytes();
    EXPECT_EQ(pf::xsettingsInteger(data, "Net/DoubleClickTime"), 350) << big;
    EXPECT_EQ(pf::xsettingsInteger(data, "Net/DoubleClickDistance"), 6) << big;
    EXPECT_EQ(pf::xsettingsInteger(data, "Net/ThemeName"), std::nullopt) << "a text is no integer";
    EXPECT_EQ(pf::xsettingsInteger(data, "Net/Fehlt"), std::nullopt);
    for (std::size_t cut = 0; cut < data.size(); ++cut)
      EXPECT_EQ(pf::xsettingsInteger(data.substr(0, cut), "Net/DoubleClickTime"), std::nullopt) << "cut at " << cut;
  }
  EXPECT_EQ(pf::xsettingsInteger("", "Net/DoubleClickTime"), std::nullopt);
  EXPECT_EQ(pf::xsettingsInteger(std::string(16, '\x07'), "x"), std::nullopt) << "no byte order";
}

}  // namespace

#include "platform/posix/xsettings.h"

#include <cstdint>

namespace tavilo::platform {

namespace {

class Reader {
 public:
  Reader(std::string_view data, bool bigEndian) : data_(data), big_(bigEndian) {}
  bool skip(std::size_t n) {
    if (data_.size() - pos_ < n) return false;
    pos_ += n;
    return true;
  }
  bool padTo4() { return skip((4 - pos_ % 4) % 4); }
  std::optional<std::uint32_t> number(std::size_t bytes) {
    if (data_.size() - pos_ < bytes) return std::nullopt;
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
      const auto b = static_cast<unsigned char>(data_[pos_ + (big_ ? i : bytes - 1 - i)]);
      v = (v << 8) | b;
    }
    pos_ += bytes;
    return v;
  }
  std::optional<std::string_view> text(std::size_t n) {
    if (data_.size() - pos_ < n) return std::nullopt;
    const std::string_view t = data_.substr(pos_, n);
    pos_ += n;
    return t;
  }

 private:
  std::string_view data_;
  bool big_;
  std::size_t pos_ = 0;
};

enum : std::uint32_t { kInteger = 0, kString = 1, kColor = 2 };

}  // namespace

std::optional<int> xsettingsInteger(std::string_view data, std::string_view name) {
  if (data.empty() || static_cast<unsigned char>(data[0]) > 1) return std::nullopt;
  Reader r(data, data[0] == 1);
  if (!r.skip(4) || !r.number(4)) return std::nullopt;  // byte order, serial
  const auto count = r.number(4);
  if (!count) return std::nullopt;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const auto type = r.number(1);
    if (!type || !r.skip(1)) return std::nullopt;
    const auto nameLength = r.number(2);
    if (!nameLength) return std::nullopt;
    const auto settingName = r.text(*nameLength);
    if (!settingName || !r.padTo4() || !r.number(4)) return std::nullopt;  // last-change serial
    if (*type == kInteger) {
      const auto value = r.number(4);
      if (!value) return std::nullopt;
      if (*settingName == name) return static_cast<int>(static_cast<std::int32_t>(*value));
    } else if (*type == kString) {
      const auto length = r.number(4);
      if (!length || !r.skip(*length) || !r.padTo4()) return std::nullopt;
    } else if (*type == kColor) {
      if (!r.skip(8)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace tavilo::platform

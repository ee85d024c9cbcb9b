#include "core/web_address.h"

#include "platform/ascii.h"

namespace tavilo::core {

namespace {

bool beginsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::equalIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::string_view webProtocolPrefix(WebProtocol protocol) {
  switch (protocol) {
    case WebProtocol::Mail: return "mailto:";
    case WebProtocol::Http: return "http://";
    case WebProtocol::Ftp: return "ftp://";
    case WebProtocol::File: return "file:";
    case WebProtocol::Plain: break;
  }
  return "";
}

std::string webLinkTarget(WebProtocol protocol, std::string_view address) {
  const std::string_view prefix = webProtocolPrefix(protocol);
  std::string target;
  // A secure address keeps its scheme rather than becoming "http://https://".
  const bool secure = protocol == WebProtocol::Http && beginsWith(address, "https://");
  if (!beginsWith(address, prefix) && !secure) target = prefix;
  target += address;
  return target;
}

std::string shortenedAddress(std::string_view address) {
  for (std::string_view scheme : {"http://", "https://"}) {
    if (beginsWith(address, scheme)) {
      address.remove_prefix(scheme.size());
      break;
    }
  }
  if (!address.empty() && address.back() == '/') address.remove_suffix(1);
  return std::string(address);
}

}  // namespace tavilo::core

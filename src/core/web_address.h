// What a link label of the info window opens and shows.
#ifndef TAVILO_CORE_WEB_ADDRESS_H
#define TAVILO_CORE_WEB_ADDRESS_H

#include <string>
#include <string_view>

namespace tavilo::core {

enum class WebProtocol { Plain, Mail, Http, Ftp, File };

// "", "mailto:", "http://", "ftp://" or "file:".
std::string_view webProtocolPrefix(WebProtocol protocol);

// The protocol's prefix followed by `address`; the prefix is left out when
// the address begins with it already (a scheme's letter case not counting),
// and an http label's "https://" address stays as it is.
std::string webLinkTarget(WebProtocol protocol, std::string_view address);

// A homepage address as a label shows it: without its "http://" or
// "https://" and without one trailing '/'.
std::string shortenedAddress(std::string_view address);

}  // namespace tavilo::core

#endif

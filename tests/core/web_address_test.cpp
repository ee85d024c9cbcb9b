// The info window's link labels and its placement.
#include <gtest/gtest.h>

#include "core/layout/window_placement.h"
#include "core/web_address.h"

namespace core = tavilo::core;
using core::WebProtocol;

namespace {

TEST(WebAddress, PrefixIsAddedUnlessTheAddressHasIt) {
  struct Case {
    WebProtocol protocol;
    const char* address;
    const char* target;
  };
  const Case cases[] = {
      {WebProtocol::Mail, "info@tavilo.example", "mailto:info@tavilo.example"},
      {WebProtocol::Mail, "mailto:info@tavilo.example", "mailto:info@tavilo.example"},
      {WebProtocol::Mail, "MAILTO:info@tavilo.example", "MAILTO:info@tavilo.example"},
      {WebProtocol::Http, "www.tavilo.example/", "http://www.tavilo.example/"},
      {WebProtocol::Http, "http://www.tavilo.example/", "http://www.tavilo.example/"},
      {WebProtocol::Http, "https://www.tavilo.example/", "https://www.tavilo.example/"},
      {WebProtocol::Ftp, "ftp.tavilo.example", "ftp://ftp.tavilo.example"},
      {WebProtocol::File, "/media/cd/liesmich.txt", "file:/media/cd/liesmich.txt"},
      {WebProtocol::Plain, "http://a.example", "http://a.example"},
      {WebProtocol::Http, "", "http://"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::webLinkTarget(c.protocol, c.address), c.target) << c.address;
}

TEST(WebAddress, HomepageIsShownWithoutSchemeAndTrailingSlash) {
  EXPECT_EQ(core::shortenedAddress("http://www.tavilo.example/"), "www.tavilo.example");
  EXPECT_EQ(core::shortenedAddress("HTTPS://www.tavilo.example/start/"), "www.tavilo.example/start");
  EXPECT_EQ(core::shortenedAddress("www.tavilo.example"), "www.tavilo.example");
  EXPECT_EQ(core::shortenedAddress("ftp://ftp.tavilo.example/"), "ftp://ftp.tavilo.example");
}

TEST(WindowPlacement, CentredOverTheOwnerAndPulledBackAtTheRightEdge) {
  EXPECT_EQ(core::centredOver({100, 50, 700, 500}, 322, 255, 0, 0), (core::Rect{289, 172, 322, 255}));
  EXPECT_EQ(core::centredOver({-400, -300, 500, 400}, 322, 255, 0, 0), (core::Rect{0, 0, 322, 255}))
      << "left and top stop at the screen's origin";
  EXPECT_EQ(core::centredOver({1200, 900, 500, 400}, 322, 255, 0, 0), (core::Rect{1289, 972, 322, 255}))
      << "right and bottom are left to the pull-back";
  EXPECT_EQ(core::pulledBackLeft(1289, 322, 1280), 1280 - 322 - 5);
  EXPECT_EQ(core::pulledBackLeft(958, 322, 1280), 958) << "right edge exactly at the screen's edge";
  EXPECT_EQ(core::pulledBackLeft(959, 322, 1280), 953);
  EXPECT_EQ(core::pulledBackLeft(-50, 322, 1280), -50) << "only the right edge is corrected";
}

}  // namespace

#include "core/layout/main_layout.h"

namespace tavilo::core {

namespace {

// A percentage far beyond 100 makes a panel larger than any window can be;
// kept within that, the sums below stay integers and the panels drawable.
constexpr long double kMaxExtent = 32767;

int extent(long double x) { return R(x < -kMaxExtent ? -kMaxExtent : (x > kMaxExtent ? kMaxExtent : x)); }

}  // namespace

MainLayout computeMainLayout(const MainLayoutInput& in) {
  MainLayout out;
  const long double W = in.outerWidth;
  const long double H = in.outerHeight;
  const int bw = in.borderWidth;
  const int clientW = clientExtent(in.outerWidth, bw);
  const int clientH = clientExtent(in.outerHeight, bw);

  // Aligned children: title bar on top, status line at the very bottom, the
  // bottom bar above it, the two panels between.
  out.titleBar = {bw, bw, clientW, in.titleBarHeight};
  out.statusBar = {bw, bw + clientH - in.statusBarHeight, clientW, in.statusBarHeight};
  out.bottomBar = {bw, out.statusBar.top - in.bottomBarHeight, clientW, in.bottomBarHeight};
  const int panelTop = bw + in.titleBarHeight;
  const int panelHeight = out.bottomBar.top - panelTop;

  // 1-2: the left panel's share of the outer width; the right one fills the rest.
  const int leftWidth = extent(W / 100 * in.leftPercent);
  out.leftPanel = {bw, panelTop, leftWidth, panelHeight};
  out.rightPanel = {bw + leftWidth, panelTop, clientW - leftWidth, panelHeight};

  // 3: headings.
  out.groupHeadingWidth = out.leftPanel.width - 20;
  out.entryHeadingWidth = out.rightPanel.width - 20;

  // 4-6: picture panel under the group list.
  const int b = in.imagePercent;
  const int imageHeight = extent((H - 170) / 100 * b);
  const int gapLeft = b != 0 ? 20 : 10;
  out.groupList = {10, in.groupListTop, out.leftPanel.width - 20,
                   out.leftPanel.height - in.groupListTop - imageHeight - gapLeft};
  out.imagePanel = {10, out.groupList.top + out.groupList.height + 10, out.groupList.width, imageHeight};

  // 7-9: description panel under the entry list.
  const int c = in.remarkPercent;
  const int remarkHeight = extent((H - 170) / 100 * c);
  const int gapRight = c != 0 ? 20 : 10;
  out.entryList = {10, in.entryListTop, out.rightPanel.width - 20,
                   out.rightPanel.height - in.entryListTop - remarkHeight - gapRight};
  out.remarkPanel = {10, out.entryList.top + out.entryList.height + 10, out.entryList.width, remarkHeight};

  // 10: the four action buttons around the outer middle.
  out.buttonLefts[0] = R(W / 2 - 215);
  out.buttonLefts[1] = R(W / 2 - 105);
  out.buttonLefts[2] = R(W / 2 + 5);
  out.buttonLefts[3] = R(W / 2 + 115);

  // 11: title and logo.
  out.logoLeft = in.logoLeft;
  out.titleLeft = in.titleLeft;
  if (in.logoPos == "rechts") {
    out.logoLeft = in.minButtonLeft - in.logoWidth - 10;
    out.titleLeft = 10;
  } else if (in.haveLogoFile) {
    out.logoLeft = 10;
    out.titleLeft = out.logoLeft + in.logoWidth + 10;
  } else {
    out.titleLeft = 10;
  }

  // 12: close button at the title bar's right end.
  out.closeButtonLeft = out.titleBar.width - in.closeButtonWidth - 5;
  return out;
}

int usedButtonLeft(int outerWidth, bool visible) {
  const int h = outerWidth / 2;
  return visible ? h - 105 : h - 205;
}

int browseButtonLeft(int outerWidth) { return outerWidth / 2 + 5; }

}  // namespace tavilo::core

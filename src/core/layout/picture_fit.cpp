#include "core/layout/picture_fit.h"

namespace tavilo::core {

Rect fitPicture(int panelWidth, int panelHeight, int mx, int my, const Rect& control, int pw, int ph) {
  const int W = panelWidth - 2 * mx;
  const int H = panelHeight - 2 * my;
  Rect c = control;
  c.left = (panelWidth - c.width) / 2;
  c.top = (panelHeight - c.height) / 2;
  if (pw <= 0 || ph <= 0) return c;
  const long double r = static_cast<long double>(pw) / ph;

  const auto fitHeight = [&] {
    c.height = H;
    c.width = R(H * r);
    c.top = my;
    c.left = (W - c.width) / 2 + mx;
  };
  const auto fitWidth = [&] {
    c.width = W;
    c.height = R(W / r);
    c.top = (H - c.height) / 2 + my;
    c.left = mx;
  };

  if (pw > W && ph > H) {
    if (pw > ph) {
      fitHeight();
      if (c.width > W) fitWidth();
    } else {
      fitWidth();
      if (c.height > H) fitHeight();
    }
  } else if (pw <= panelWidth && ph <= panelHeight) {
    // Fits: drawn at its own size, centred, whatever size the previous picture had.
    c = {(panelWidth - pw) / 2, (panelHeight - ph) / 2, pw, ph};
  } else if (pw > W) {
    fitWidth();
  } else if (ph > H) {
    fitHeight();
  }
  return c;
}

}  // namespace tavilo::core

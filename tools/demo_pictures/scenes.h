// The demo medium's other pictures: a beach photo and a mountain view painted pixel by
// pixel, a small tile pattern, the medium's logo and its stand-by picture.
#ifndef TAVILO_TOOLS_DEMO_PICTURES_SCENES_H
#define TAVILO_TOOLS_DEMO_PICTURES_SCENES_H

#include <cmath>

#include "canvas.h"
#include "program_windows.h"

namespace tavilo::demo {

// 640 x 400: sky, sun, clouds, sea, sand, a palm and a sail on the horizon.
inline core::Picture paintBeach() {
  constexpr int W = 640, H = 400;
  constexpr float horizon = 196, shore = 282;
  const Colour skyTop = rgb(38, 104, 188), skyLow = rgb(178, 214, 236), sunGlow = rgb(255, 236, 190);
  const Colour seaFar = rgb(40, 120, 170), seaNear = rgb(40, 170, 180), foam = rgb(236, 246, 246);
  const Colour sandDry = rgb(232, 208, 160), sandWet = rgb(196, 168, 124);
  const float sunX = 470, sunY = 86;
  Canvas c(W, H);
  c.fill([&](float x, float y) {
    if (y < horizon) {
      Colour sky = mix(skyTop, skyLow, std::pow(y / horizon, 1.4f));
      const float d = std::hypot(x - sunX, y - sunY);
      sky = mix(sky, sunGlow, 0.75f * std::exp(-d / 70));
      const float cloud = smooth(0.56f, 0.78f, fractal(x / 90, y / 30, 11)) * smooth(horizon, 40, y);
      return mix(sky, rgb(250, 250, 252), cloud * 0.85f);
    }
    if (y < shore) {
      const float t = (y - horizon) / (shore - horizon);
      Colour sea = mix(seaFar, seaNear, t);
      const float wave = std::sin(x / (6 + 30 * t) + y * 0.9f + 3 * fractal(x / 40, y / 8, 5));
      sea = mix(sea, rgb(200, 230, 236), 0.25f * smooth(0.7f, 1.0f, wave));
      const float glitter = std::exp(-std::abs(x - sunX) / (30 + 120 * t));
      sea = mix(sea, sunGlow, 0.5f * glitter * smooth(0.5f, 1.0f, wave));
      const float edge = shore - 6 * std::sin(x / 37) - 4 * fractal(x / 25, 0, 3);
      return mix(sea, foam, smooth(edge - 10, edge, y));
    }
    const float t = (y - shore) / (H - shore);
    Colour sand = mix(sandWet, sandDry, smooth(0, 0.35f, t));
    const float grain = hash2(static_cast<int>(x), static_cast<int>(y), 3) - 0.5f;
    sand = mix(sand, rgb(120, 96, 70), 0.10f * fractal(x / 30, y / 12, 9));
    return Colour{sand.r + 14 * grain, sand.g + 14 * grain, sand.b + 12 * grain};
  });
  c.disc(sunX, sunY, 26, rgb(255, 250, 224));
  // A sail far out.
  for (int y = 176; y < 194; ++y)
    for (int x = 120; x < 134; ++x)
      if (x - 120 < (y - 176) * 0.75f) c.set(x, y, rgb(250, 250, 250));
  for (int x = 116; x < 138; ++x) c.set(x, 194, rgb(90, 70, 60));
  // The palm: a curved trunk of discs and drooping fronds.
  const Colour trunk = rgb(96, 70, 44), leaf = rgb(34, 96, 40);
  for (float t = 0; t <= 1; t += 0.004f) {
    const float x = 90 + 60 * t + 40 * t * t, y = 380 - 250 * t;
    c.disc(x, y, 9 - 4 * t, mix(trunk, rgb(130, 100, 64), 0.5f + 0.5f * std::sin(t * 80)));
  }
  const float topX = 190, topY = 130;
  for (int f = 0; f < 7; ++f) {
    const float angle = -2.9f + f * 0.82f, len = 95 + 12 * std::sin(f * 1.7f);
    for (float t = 0; t <= 1; t += 0.005f) {
      const float x = topX + std::cos(angle) * len * t;
      const float y = topY + std::sin(angle) * len * t * 0.6f + 55 * t * t;
      c.disc(x, y, 6 * (1 - t) + 1.2f, mix(leaf, rgb(70, 140, 60), t * 0.6f));
    }
  }
  c.disc(topX, topY, 8, rgb(80, 60, 30));
  // A red and white parasol on the sand.
  for (int y = 300; y < 334; ++y)
    for (int x = 440; x < 540; ++x) {
      const float dx = x - 490.0f, dy = y - 334.0f, d = std::hypot(dx, dy * 2.2f);
      if (d < 50 && dy < 0)
        c.set(x, y, (static_cast<int>((std::atan2(dy, dx) + 3.2f) * 2.6f) % 2) ? rgb(220, 50, 40) : rgb(250, 246, 240),
              clamp01(50 - d));
    }
  for (int y = 334; y < 372; ++y) c.set(490, y, rgb(70, 60, 50)), c.set(491, y, rgb(90, 80, 70));
  return c.picture();
}

// 200 x 120: mountain ridges with snow, a lake with their reflection, a meadow.
inline core::Picture paintMountains() {
  constexpr int W = 200, H = 120;
  constexpr float lake = 84;
  // Ridged noise: sharp crests where the noise crosses its middle.
  auto ridge = [](float x, unsigned seed, float base, float height) {
    const float n = 1 - std::abs(2 * fractal(x / 70, 0.5f, seed, 5) - 1);
    return base - height * n * n;
  };
  auto scene = [&](float x, float y) -> Colour {
    const Colour sky = mix(rgb(60, 120, 196), rgb(206, 226, 242), y / lake);
    const float far = ridge(x, 21, 80, 66), near = ridge(x + 300, 33, 86, 30);
    if (y > near) return mix(rgb(46, 78, 58), rgb(30, 58, 42), fractal(x / 6, y / 6, 4));
    if (y > far) {
      const float shade = fractal(x / 5, y / 5, 8);
      Colour rock = mix(rgb(128, 124, 140), rgb(84, 82, 100), shade);
      const float snowLine = 34 + 10 * fractal(x / 18, 1, 6);
      if (y < snowLine) rock = mix(rock, rgb(246, 248, 252), smooth(snowLine, snowLine - 5, y) * (0.75f + 0.25f * shade));
      return mix(rock, sky, 0.25f * (1 - (y - far) / 20));
    }
    return sky;
  };
  Canvas c(W, H);
  c.fill([&](float x, float y) {
    if (y < lake) return scene(x, y);
    if (y > 104) return mix(rgb(96, 136, 64), rgb(66, 104, 46), fractal(x / 10, y / 5, 14));
    const float mirrored = 2 * lake - y + 1.2f * std::sin(x / 3 + y * 1.7f);
    return mix(scene(x, std::max(mirrored, 0.0f)), rgb(30, 70, 110), 0.45f);
  });
  return c.picture();
}

// 64 x 64: a tile pattern of a few exact colours.
inline core::Picture paintPattern() {
  const Colour colours[] = {rgb(240, 200, 60), rgb(40, 110, 180), rgb(220, 80, 60), rgb(250, 248, 240),
                            rgb(60, 150, 90), rgb(30, 40, 60)};
  Canvas c(64, 64);
  c.fill([&](float x, float y) {
    const int tx = static_cast<int>(x) / 16, ty = static_cast<int>(y) / 16;
    const float cx = std::fmod(x, 16.0f) - 8, cy = std::fmod(y, 16.0f) - 8;
    const Colour ground = colours[(tx + ty) % 2 ? 1 : 3];
    if (std::abs(cx) + std::abs(cy) < 6) return colours[(tx + 2 * ty) % 3 == 0 ? 0 : (tx + ty) % 2 ? 2 : 4];
    if (std::abs(cx) + std::abs(cy) < 7.5f) return colours[5];
    return ground;
  });
  return c.picture();
}

// 120 x 80 with transparency: a silver disc with a rainbow sheen and a bold orange "V".
inline core::Picture paintLogo() {
  constexpr int W = 120, H = 80;
  constexpr float cx = 44, cy = 40, outer = 36, hole = 6;
  Canvas c(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      // Four-by-four samples give the disc's soft edges.
      float cover = 0;
      for (int s = 0; s < 16; ++s) {
        const float d = std::hypot(x + (s % 4 + 0.5f) / 4 - cx, y + (s / 4 + 0.5f) / 4 - cy);
        if (d <= outer && d >= hole) cover += 1.0f / 16;
      }
      if (cover <= 0) continue;
      const float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d = std::hypot(dx, dy);
      const float a = std::atan2(dy, dx);
      Colour disc = mix(rgb(236, 238, 244), rgb(176, 182, 196), 0.5f + 0.5f * std::sin(2 * a));
      const Colour rainbow = rgb(static_cast<int>(180 + 70 * std::sin(3 * a)), static_cast<int>(180 + 70 * std::sin(3 * a + 2.1f)),
                                 static_cast<int>(180 + 70 * std::sin(3 * a + 4.2f)));
      disc = mix(disc, rainbow, 0.35f * smooth(12, 20, d));
      if (d < 14) disc = mix(rgb(210, 214, 224), rgb(160, 166, 180), smooth(hole, 14, d));
      if (d > outer - 1.5f) disc = rgb(120, 126, 140);
      c.set(x, y, disc, cover);
    }
  const core::Picture letter = drawWithFltkAlpha(W, H, [] {
    fl_font(FL_HELVETICA_BOLD_ITALIC, 64);
    // A dark rim first, so the letter stays readable on light and dark title bars.
    fl_color(fl_rgb_color(70, 30, 0));
    for (int d = 0; d < 9; ++d)
      if (d != 4) fl_draw("V", 60 + d % 3 - 1, 64 + d / 3 - 1);
    fl_color(fl_rgb_color(246, 140, 30));
    fl_draw("V", 60, 64);
  });
  c.paste(letter, 0, 0);
  return c.picture();
}

// 230 x 150: the medium's stand-by picture with its name.
inline core::Picture drawStandby() {
  return drawWithFltk(230, 150, [] {
    for (int y = 0; y < 150; ++y) {
      const float t = y / 149.0f;
      fl_color(fl_rgb_color(static_cast<uchar>(19 + 30 * t), static_cast<uchar>(69 + 60 * t),
                            static_cast<uchar>(139 + 50 * t)));
      fl_xyline(0, y, 229);
    }
    // A disc and its hole.
    fl_color(fl_rgb_color(215, 222, 236));
    fl_pie(18, 40, 70, 70, 0, 360);
    fl_color(fl_rgb_color(170, 190, 220));
    fl_arc(30, 52, 46, 46, 0, 360);
    fl_color(fl_rgb_color(246, 140, 30));
    fl_pie(44, 66, 18, 18, 0, 360);
    fl_color(fl_rgb_color(19, 69, 139));
    fl_pie(49, 71, 8, 8, 0, 360);
    drawText("Velmora", 98, 44, 128, 28, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, FL_HELVETICA_BOLD, 22, FL_WHITE);
    drawText("Software-CD", 98, 70, 128, 20, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, FL_HELVETICA, 15,
             fl_rgb_color(230, 236, 246));
    drawText("Bitte w\xC3\xA4hlen Sie einen Eintrag.", 0, 118, 230, 20, FL_ALIGN_CENTER, FL_HELVETICA, 12,
             fl_rgb_color(220, 228, 240));
  });
}

}  // namespace tavilo::demo

#endif

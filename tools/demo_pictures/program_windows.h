// The demo medium's screenshots of made-up programs, drawn with FLTK: a calculator, a
// note pad and an installer, each in a plain window frame with a blue caption bar.
#ifndef TAVILO_TOOLS_DEMO_PICTURES_PROGRAM_WINDOWS_H
#define TAVILO_TOOLS_DEMO_PICTURES_PROGRAM_WINDOWS_H

#include <FL/fl_draw.H>

#include <initializer_list>

namespace tavilo::demo {

inline const Fl_Color kFace = fl_rgb_color(240, 240, 240);
inline const Fl_Color kText = fl_rgb_color(24, 24, 24);

inline void drawText(const char* text, int x, int y, int w, int h, Fl_Align align, Fl_Font font, int size,
                     Fl_Color colour) {
  fl_font(font, size);
  fl_color(colour);
  fl_draw(text, x, y, w, h, align, nullptr, 0);
}

// Border, caption bar with icon, title and the three window buttons; the client area is
// filled with the face colour. Returns the caption bar's height.
inline int drawWindowFrame(int w, int h, const char* title) {
  constexpr int kBar = 24;
  fl_color(kFace);
  fl_rectf(0, 0, w, h);
  for (int x = 1; x < w - 1; ++x) {
    const float t = static_cast<float>(x) / w;
    fl_color(fl_rgb_color(static_cast<uchar>(19 + t * 70), static_cast<uchar>(69 + t * 80),
                          static_cast<uchar>(139 + t * 80)));
    fl_yxline(x, 1, kBar);
  }
  fl_color(fl_rgb_color(70, 84, 110));
  fl_rect(0, 0, w, h);
  // The program icon: a small light square with a corner fold.
  fl_color(fl_rgb_color(250, 250, 250));
  fl_rectf(6, 6, 13, 13);
  fl_color(fl_rgb_color(230, 140, 40));
  fl_rectf(8, 13, 9, 4);
  drawText(title, 25, 1, w - 90, kBar, FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP, FL_HELVETICA_BOLD,
           12, FL_WHITE);
  const int top = 5, bw = 18, bh = 15;
  for (int i = 0; i < 3; ++i) {
    const int x = w - 6 - (3 - i) * (bw + 2);
    fl_draw_box(FL_UP_BOX, x, top, bw, bh, i == 2 ? fl_rgb_color(200, 70, 50) : fl_rgb_color(214, 222, 236));
    fl_color(i == 2 ? FL_WHITE : kText);
    fl_line_style(FL_SOLID, 2);
    if (i == 0) fl_xyline(x + 5, top + 10, x + 12);
    if (i == 1) fl_rect(x + 5, top + 4, 8, 7);
    if (i == 2) fl_line(x + 5, top + 4, x + 12, top + 11), fl_line(x + 12, top + 4, x + 5, top + 11);
    fl_line_style(0);
  }
  return kBar + 1;
}

inline int drawMenuBar(int y, int w, std::initializer_list<const char*> items) {
  constexpr int kHeight = 19;
  fl_color(kFace);
  fl_rectf(1, y, w - 2, kHeight);
  fl_font(FL_HELVETICA, 12);
  int x = 8;
  for (const char* item : items) {
    drawText(item, x, y, 200, kHeight, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, FL_HELVETICA, 12, kText);
    x += static_cast<int>(fl_width(item)) + 14;
  }
  fl_color(fl_rgb_color(210, 210, 210));
  fl_xyline(1, y + kHeight, w - 2);
  return y + kHeight + 1;
}

inline void drawButton(int x, int y, int w, int h, const char* label, Fl_Color face, Fl_Color ink,
                       int size = 13, bool isDefault = false) {
  fl_draw_box(FL_UP_BOX, x, y, w, h, face);
  if (isDefault) {
    fl_color(fl_rgb_color(40, 90, 170));
    fl_rect(x - 1, y - 1, w + 2, h + 2);
  }
  drawText(label, x, y, w, h, FL_ALIGN_CENTER, FL_HELVETICA, size, ink);
}

// 400 x 300: "Taschenrechner" with a display and 29 keys.
inline void drawCalculator() {
  const int w = 400, h = 300;
  int y = drawWindowFrame(w, h, "Taschenrechner");
  y = drawMenuBar(y, w, {"Bearbeiten", "Ansicht", "?"});
  fl_draw_box(FL_DOWN_BOX, 14, y + 8, w - 28, 42, FL_WHITE);
  drawText("M", 20, y + 10, 20, 16, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, FL_HELVETICA, 10, fl_rgb_color(120, 120, 120));
  drawText("1.234,56", 20, y + 10, w - 48, 38, FL_ALIGN_RIGHT | FL_ALIGN_INSIDE, FL_HELVETICA, 26, kText);
  const char* keys[5][6] = {
      {"MC", "MR", "MS", "M+", "\xE2\x86\x90", "C"},
      {"7", "8", "9", "\xC3\xB7", "\xE2\x88\x9A", "%"},
      {"4", "5", "6", "\xC3\x97", "x\xC2\xB2", "1/x"},
      {"1", "2", "3", "\xE2\x88\x92", "\xC2\xB1", "CE"},
      {"0", "", ",", "+", "=", ""},
  };
  const int kw = 56, kh = 32, gap = 6, left = (w - (6 * kw + 5 * gap)) / 2, top = y + 62;
  const Fl_Color digit = fl_rgb_color(250, 250, 250), op = fl_rgb_color(222, 232, 246),
                 memory = fl_rgb_color(232, 232, 232), equals = fl_rgb_color(240, 170, 90);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 6; ++c) {
      const char* k = keys[r][c];
      if (!*k) continue;
      int kx = left + c * (kw + gap), kwidth = kw;
      if (r == 4 && c == 0) kwidth = 2 * kw + gap;  // the wide zero
      if (r == 4 && c == 4) kwidth = 2 * kw + gap;  // the wide equals
      const bool isDigit = (k[0] >= '0' && k[0] <= '9' && k[1] == '\0') || (k[0] == ',' && !k[1]);
      const bool red = r == 0 && c == 5;
      const Fl_Color face = r == 0 ? memory : isDigit ? digit : (r == 4 && c == 4) ? equals : op;
      const Fl_Color ink = red || (r == 3 && c == 5) ? fl_rgb_color(190, 30, 30)
                           : r == 0 ? fl_rgb_color(30, 60, 140) : kText;
      drawButton(kx, top + r * (kh + gap), kwidth, kh, k, face, ink, isDigit ? 15 : 13);
    }
}

// 300 x 220: the medium's notes opened in a plain text window.
inline void drawNotepad() {
  const int w = 300, h = 220;
  int y = drawWindowFrame(w, h, "notizen.txt \xE2\x80\x93 Notizblock");
  y = drawMenuBar(y, w, {"Datei", "Bearbeiten", "Format", "Ansicht", "Hilfe"});
  const int statusH = 18, bottom = h - 1 - statusH, scroll = 15;
  fl_draw_box(FL_DOWN_BOX, 2, y + 1, w - 4, bottom - y - 1, FL_WHITE);
  // Vertical scroll bar with its two arrows and a thumb.
  const int sx = w - 4 - scroll;
  fl_color(fl_rgb_color(232, 232, 232));
  fl_rectf(sx, y + 3, scroll, bottom - y - 5);
  fl_draw_box(FL_UP_BOX, sx, y + 3, scroll, scroll, kFace);
  fl_draw_box(FL_UP_BOX, sx, bottom - 2 - scroll, scroll, scroll, kFace);
  fl_draw_box(FL_UP_BOX, sx, y + 3 + scroll, scroll, 60, fl_rgb_color(210, 214, 222));
  fl_color(kText);
  fl_polygon(sx + 4, y + 12, sx + 11, y + 12, sx + 7, y + 7);
  fl_polygon(sx + 4, bottom - 2 - scroll + 5, sx + 11, bottom - 2 - scroll + 5, sx + 7, bottom - 2 - scroll + 10);
  const char* lines[] = {
      "Notizen zur Velmora Software-CD",
      "",
      "- Alle Programme laufen direkt",
      "  von der CD.",
      "- \xE2\x80\x9EKopieren\xE2\x80\x9C legt die Beispiel-",
      "  dateien auf der Festplatte ab.",
      "- Fragen: hilfe@tavilo.example",
      "",
      "Noch erledigen:",
      "- Fotos f\xC3\xBCr die n\xC3\xA4" "chste CD",
      "  ausw\xC3\xA4hlen",
  };
  int ly = y + 5;
  for (const char* line : lines) {
    drawText(line, 7, ly, sx - 9, 14, FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP, FL_COURIER, 12, kText);
    ly += 14;
  }
  // The text cursor after "Fragen: ..." and the status bar.
  fl_color(kText);
  fl_yxline(7 + 30 * 7, y + 5 + 6 * 14 + 1, y + 5 + 7 * 14 - 1);
  fl_color(fl_rgb_color(205, 205, 205));
  fl_xyline(1, bottom, w - 2);
  drawText("Zeile 7, Spalte 31", 8, bottom + 1, w - 16, statusH - 1, FL_ALIGN_RIGHT | FL_ALIGN_INSIDE,
           FL_HELVETICA, 11, fl_rgb_color(70, 70, 70));
  drawText("UTF-8", 8, bottom + 1, 80, statusH - 1, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, FL_HELVETICA, 11,
           fl_rgb_color(70, 70, 70));
}

// 360 x 270: the first page of the tools' installer.
inline void drawInstaller() {
  const int w = 360, h = 270;
  const int y = drawWindowFrame(w, h, "Setup \xE2\x80\x93 Velmora Werkzeuge");
  const int buttonsTop = h - 42, bannerW = 112;
  // The banner: a deep blue gradient with a parcel and a disc.
  for (int by = y; by < buttonsTop - 1; ++by) {
    const float t = static_cast<float>(by - y) / (buttonsTop - y);
    fl_color(fl_rgb_color(static_cast<uchar>(20 + 40 * t), static_cast<uchar>(60 + 70 * t),
                          static_cast<uchar>(130 + 90 * t)));
    fl_xyline(1, by, bannerW);
  }
  const int px = 26, py = y + 70;
  fl_color(fl_rgb_color(214, 170, 110));
  fl_polygon(px, py + 18, px + 40, py + 18, px + 40, py + 62, px, py + 62);
  fl_color(fl_rgb_color(238, 200, 140));
  fl_polygon(px, py + 18, px + 20, py + 4, px + 60, py + 4, px + 40, py + 18);
  fl_color(fl_rgb_color(180, 134, 80));
  fl_polygon(px + 40, py + 18, px + 60, py + 4, px + 60, py + 48, px + 40, py + 62);
  fl_color(fl_rgb_color(240, 244, 250));
  fl_pie(px + 30, py + 40, 44, 44, 0, 360);
  fl_color(fl_rgb_color(150, 180, 220));
  fl_arc(px + 36, py + 46, 32, 32, 0, 360);
  fl_color(fl_rgb_color(20, 60, 130));
  fl_pie(px + 47, py + 57, 10, 10, 0, 360);
  fl_color(FL_WHITE);
  fl_rectf(bannerW + 1, y, w - bannerW - 2, buttonsTop - y - 1);
  const int tx = bannerW + 12, tw = w - tx - 12;
  drawText("Willkommen beim Setup der Velmora Werkzeuge", tx, y + 12, tw, 40,
           FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP, FL_HELVETICA_BOLD, 14, kText);
  drawText("Dieser Assistent installiert Velmora Werkzeuge 2.1 in Ihren pers\xC3\xB6nlichen Ordner.\n\n"
           "Schlie\xC3\x9F" "en Sie bitte alle anderen Programme.\n\n"
           "Klicken Sie auf \xE2\x80\x9EWeiter\xE2\x80\x9C, um fortzufahren, oder auf \xE2\x80\x9E"
           "Abbrechen\xE2\x80\x9C, um das Setup zu beenden.",
           tx, y + 56, tw, 150, FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP, FL_HELVETICA, 11,
           kText);
  fl_color(fl_rgb_color(160, 160, 160));
  fl_xyline(1, buttonsTop - 1, w - 2);
  fl_color(FL_WHITE);
  fl_xyline(1, buttonsTop, w - 2);
  const int bw = 78, bh = 24, btop = buttonsTop + 9;
  drawButton(w - 3 * (bw + 8) - 4, btop, bw, bh, "< Zur\xC3\xBC" "ck", kFace, fl_rgb_color(160, 160, 160), 12);
  drawButton(w - 2 * (bw + 8) - 6, btop, bw, bh, "Weiter >", kFace, kText, 12, true);
  drawButton(w - (bw + 8), btop, bw, bh, "Abbrechen", kFace, kText, 12);
}

}  // namespace tavilo::demo

#endif

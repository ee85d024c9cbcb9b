// JPEG through libjpeg: greyscale, YCbCr/RGB and CMYK/YCCK pictures. libjpeg
// reports errors by calling back; the callbacks jump back to runDecoder, whose
// frame holds no C++ object with a destructor, and the caller throws afterwards.
//
// A progressive file may repeat its scans without end, and libjpeg goes over
// the whole picture for each one: the work one picture may cost is bounded
// (scans, and pixels times passes), checked from libjpeg's progress callback.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "core/error.h"
#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

constexpr std::string_view kFormat = "JPEG";
// Declared pixels beyond which a file is refused; up to them it is decoded
// within kMaxPictureBytes (at 1/2, 1/4 or 1/8 of its size).
constexpr std::uint64_t kMaxJpegPixels = 64ull << 20;
// Progressive pictures keep all coefficients in memory; beyond this libjpeg stops.
constexpr long kMaxDecoderMemory = 96L << 20;
// Ordinary progressive files have up to a few dozen scans.
constexpr int kMaxScans = 256;
// Pixels times passes (each scan, and the output pass), about a second's work:
// a 4096 x 4096 picture may have 15 scans, a 2048 x 2048 one 63, and one of
// 1024 x 512 or fewer pixels the full 256.
constexpr std::uint64_t kMaxWork = 1ull << 28;

enum class Failure { None, Damaged, TooLarge, TooLargeProgressive, TooMuchWork };

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  Failure failure = Failure::None;
};

struct Session;

struct ProgressMonitor {
  jpeg_progress_mgr base;
  Session* session;
};

struct Session {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  ProgressMonitor progress;
  std::int64_t width = 0, height = 0;
  int scanLimit = kMaxScans;
  const ShownSize* shown = nullptr;  // never throws (see ShownSize)
};

// The scans a picture of this size may have (each costs a pass over all its
// pixels, and one more pass makes the output).
int scanLimitFor(std::int64_t width, std::int64_t height) {
  const auto pixels = static_cast<std::uint64_t>(std::max<std::int64_t>(width * height, 1));
  return static_cast<int>(std::clamp<std::uint64_t>(kMaxWork / pixels, 2, kMaxScans + 1) - 1);
}

extern "C" void onJpegError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  // The coefficients of a large progressive picture exceed the decoder's memory.
  if (err->base.msg_code == JERR_NO_BACKING_STORE || err->base.msg_code == JERR_OUT_OF_MEMORY)
    err->failure = reinterpret_cast<j_decompress_ptr>(cinfo)->progressive_mode ? Failure::TooLargeProgressive
                                                                                : Failure::TooLarge;
  std::longjmp(err->jump, 1);
}

extern "C" void onJpegProgress(j_common_ptr cinfo) {
  Session& s = *reinterpret_cast<ProgressMonitor*>(cinfo->progress)->session;
  if (s.cinfo.input_scan_number > s.scanLimit) {
    s.err.failure = Failure::TooMuchWork;
    std::longjmp(s.err.jump, 1);
  }
}

// A file that ends early is damaged; libjpeg would only warn and pad it with grey.
extern "C" void onJpegMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

extern "C" void onJpegOutput(j_common_ptr) {}

std::uint8_t product(unsigned a, unsigned b) { return static_cast<std::uint8_t>((a * b + 127) / 255); }

// The kind of row is settled once, not per pixel.
// Colour pictures come as RGBA straight from libjpeg where it offers that
// (libjpeg-turbo's extensions), else as RGB that convertRow widens.
#ifdef JCS_ALPHA_EXTENSIONS
constexpr J_COLOR_SPACE kRgbOut = JCS_EXT_RGBA;
#else
constexpr J_COLOR_SPACE kRgbOut = JCS_RGB;
#endif

void convertRow(const JSAMPLE* s, std::uint8_t* d, int width, int components, bool adobeCmyk) {
  if (components == 1) {
    for (int x = 0; x < width; ++x, d += 4) d[0] = d[1] = d[2] = s[x], d[3] = 255;
  } else if (components == 3) {
    for (int x = 0; x < width; ++x, d += 4, s += 3) d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = 255;
  } else {
    for (int x = 0; x < width; ++x, d += 4) {
      // Adobe's writers store CMYK inverted; others store it plainly.
      const JSAMPLE* q = s + x * 4;
      const unsigned c = adobeCmyk ? q[0] : 255u - q[0], m = adobeCmyk ? q[1] : 255u - q[1];
      const unsigned y = adobeCmyk ? q[2] : 255u - q[2], k = adobeCmyk ? q[3] : 255u - q[3];
      d[0] = product(c, k), d[1] = product(m, k), d[2] = product(y, k), d[3] = 255;
    }
  }
}

bool runDecoder(Session& s, std::string_view bytes, Picture& out, std::vector<JSAMPLE>& row) {
  s.cinfo.err = jpeg_std_error(&s.err.base);
  s.err.base.error_exit = onJpegError;
  s.err.base.emit_message = onJpegMessage;
  s.err.base.output_message = onJpegOutput;
  if (setjmp(s.err.jump)) {
    jpeg_destroy_decompress(&s.cinfo);
    if (s.err.failure == Failure::None) s.err.failure = Failure::Damaged;
    return false;
  }
  jpeg_create_decompress(&s.cinfo);
  s.cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  s.progress.base.progress_monitor = onJpegProgress;
  s.progress.session = &s;
  s.cinfo.progress = &s.progress.base;
  jpeg_mem_src(&s.cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&s.cinfo, TRUE);
  s.width = s.cinfo.image_width;
  s.height = s.cinfo.image_height;
  if (s.width > kMaxPictureSide || s.height > kMaxPictureSide || s.width < 1 || s.height < 1 ||
      static_cast<std::uint64_t>(s.width * s.height) > kMaxJpegPixels) {
    jpeg_destroy_decompress(&s.cinfo);
    s.err.failure = Failure::TooLarge;
    return false;
  }
  s.scanLimit = scanLimitFor(s.width, s.height);
  switch (s.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE: s.cinfo.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: s.cinfo.out_color_space = JCS_CMYK; break;
    default: s.cinfo.out_color_space = kRgbOut; break;
  }
  // A picture too large to hold is decoded smaller by libjpeg's scaled inverse
  // DCT, which costs less than the full size.
  s.cinfo.scale_num = 1;
  for (s.cinfo.scale_denom = 1;; s.cinfo.scale_denom *= 2) {
    jpeg_calc_output_dimensions(&s.cinfo);
    if (std::uint64_t{s.cinfo.output_width} * s.cinfo.output_height * 4 <= kMaxPictureBytes) break;
    if (s.cinfo.scale_denom == 8) {
      jpeg_destroy_decompress(&s.cinfo);
      s.err.failure = Failure::TooLarge;
      return false;
    }
  }
  // Shown smaller than it is: the smallest of 1/2, 1/4 and 1/8 that still gives
  // the size shown, as libjpeg makes it (the size divided, rounded up).
  if (s.shown) {
    const auto [shownWidth, shownHeight] = (*s.shown)(static_cast<int>(s.width), static_cast<int>(s.height));
    while (s.cinfo.scale_denom < 8) {
      const std::int64_t d = s.cinfo.scale_denom * 2;
      if ((s.width + d - 1) / d < shownWidth || (s.height + d - 1) / d < shownHeight) break;
      s.cinfo.scale_denom = static_cast<unsigned>(d);
    }
    jpeg_calc_output_dimensions(&s.cinfo);
  }
  jpeg_start_decompress(&s.cinfo);
  const int width = static_cast<int>(s.cinfo.output_width);
  const int components = s.cinfo.output_components;
  out.width = width;
  out.height = static_cast<int>(s.cinfo.output_height);
  if (s.cinfo.scale_denom > 1) {
    out.fullWidth = static_cast<int>(s.width);
    out.fullHeight = static_cast<int>(s.height);
  }
  out.rgba.resize(static_cast<std::size_t>(out.width) * out.height * 4);
  if (s.cinfo.out_color_space == kRgbOut && kRgbOut != JCS_RGB) {
    // libjpeg writes the rows as they are kept, several at a time.
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
      JSAMPROW rows[4];
      for (int k = 0; k < 4; ++k)
        rows[k] = out.rgba.data() +
                  static_cast<std::size_t>(std::min(s.cinfo.output_scanline + k, s.cinfo.output_height - 1)) * width * 4;
      jpeg_read_scanlines(&s.cinfo, rows, std::min<JDIMENSION>(4, s.cinfo.output_height - s.cinfo.output_scanline));
    }
  } else {
    row.resize(static_cast<std::size_t>(width) * components);
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
      const auto y = s.cinfo.output_scanline;
      JSAMPROW rows[1] = {row.data()};
      jpeg_read_scanlines(&s.cinfo, rows, 1);
      convertRow(row.data(), out.rgba.data() + static_cast<std::size_t>(y) * width * 4, width, components,
                 s.cinfo.saw_Adobe_marker);
    }
  }
  jpeg_finish_decompress(&s.cinfo);
  jpeg_destroy_decompress(&s.cinfo);
  return true;
}

}  // namespace

Picture decodeJpeg(std::string_view bytes, const ShownSize& shown) {
  if (!bytes.starts_with("\xFF\xD8")) picture_detail::throwNotFormat(kFormat, bytes);
  Session session{};
  if (shown) session.shown = &shown;
  Picture picture;
  std::vector<JSAMPLE> row;
  if (!runDecoder(session, bytes, picture, row)) {
    if (session.err.failure == Failure::TooLarge) picture_detail::throwTooLarge(session.width, session.height);
    if (session.err.failure == Failure::TooLargeProgressive)
      throw Error("Das schrittweise aufgebaute JPEG-Bild ist zu groß (" + std::to_string(session.width) + " x " +
                  std::to_string(session.height) + " Bildpunkte).");
    if (session.err.failure == Failure::TooMuchWork)
      throw Error("Das JPEG-Bild hat zu viele Durchläufe: mehr als " + std::to_string(session.scanLimit) + " bei " +
                  std::to_string(session.width) + " x " + std::to_string(session.height) + " Bildpunkten.");
    picture_detail::throwDamaged(kFormat);
  }
  return picture;
}

}  // namespace tavilo::core

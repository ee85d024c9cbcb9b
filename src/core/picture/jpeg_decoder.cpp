// JPEG through libjpeg: greyscale, YCbCr/RGB and CMYK/YCCK pictures. libjpeg
// reports errors by calling back; the callbacks jump back to runDecoder, whose
// frame holds no C++ object with a destructor, and the caller throws afterwards.
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

constexpr std::string_view kFormat = "JPEG";
// Progressive pictures keep all coefficients in memory; beyond this libjpeg stops.
constexpr long kMaxDecoderMemory = 512L << 20;

enum class Failure { None, Damaged, TooLarge };

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

struct Session {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  Failure failure = Failure::None;
  std::int64_t width = 0, height = 0;
};

extern "C" void onJpegError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// A file that ends early is damaged; libjpeg would only warn and pad it with grey.
extern "C" void onJpegMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

extern "C" void onJpegOutput(j_common_ptr) {}

std::uint8_t product(unsigned a, unsigned b) { return static_cast<std::uint8_t>((a * b + 127) / 255); }

void convertRow(const JSAMPLE* s, std::uint8_t* d, int width, int components, bool adobeCmyk) {
  for (int x = 0; x < width; ++x, d += 4) {
    if (components == 1) {
      d[0] = d[1] = d[2] = s[x];
    } else if (components == 3) {
      d[0] = s[x * 3], d[1] = s[x * 3 + 1], d[2] = s[x * 3 + 2];
    } else {
      // Adobe's writers store CMYK inverted; others store it plainly.
      const JSAMPLE* q = s + x * 4;
      const unsigned c = adobeCmyk ? q[0] : 255u - q[0], m = adobeCmyk ? q[1] : 255u - q[1];
      const unsigned y = adobeCmyk ? q[2] : 255u - q[2], k = adobeCmyk ? q[3] : 255u - q[3];
      d[0] = product(c, k), d[1] = product(m, k), d[2] = product(y, k);
    }
    d[3] = 255;
  }
}

bool runDecoder(Session& s, std::string_view bytes, Picture& out, std::vector<JSAMPLE>& row) {
  s.cinfo.err = jpeg_std_error(&s.err.base);
  s.err.base.error_exit = onJpegError;
  s.err.base.emit_message = onJpegMessage;
  s.err.base.output_message = onJpegOutput;
  if (setjmp(s.err.jump)) {
    jpeg_destroy_decompress(&s.cinfo);
    s.failure = Failure::Damaged;
    return false;
  }
  jpeg_create_decompress(&s.cinfo);
  s.cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&s.cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&s.cinfo, TRUE);
  s.width = s.cinfo.image_width;
  s.height = s.cinfo.image_height;
  if (s.width > kMaxPictureSide || s.height > kMaxPictureSide || s.width < 1 || s.height < 1 ||
      static_cast<std::uint64_t>(s.width * s.height) * 4 > kMaxPictureBytes) {
    jpeg_destroy_decompress(&s.cinfo);
    s.failure = Failure::TooLarge;
    return false;
  }
  switch (s.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE: s.cinfo.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: s.cinfo.out_color_space = JCS_CMYK; break;
    default: s.cinfo.out_color_space = JCS_RGB; break;
  }
  jpeg_start_decompress(&s.cinfo);
  const int width = static_cast<int>(s.cinfo.output_width);
  const int components = s.cinfo.output_components;
  out.width = width;
  out.height = static_cast<int>(s.cinfo.output_height);
  out.rgba.resize(static_cast<std::size_t>(out.width) * out.height * 4);
  row.resize(static_cast<std::size_t>(width) * components);
  while (s.cinfo.output_scanline < s.cinfo.output_height) {
    const auto y = s.cinfo.output_scanline;
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&s.cinfo, rows, 1);
    convertRow(row.data(), out.rgba.data() + static_cast<std::size_t>(y) * width * 4, width, components,
               s.cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&s.cinfo);
  jpeg_destroy_decompress(&s.cinfo);
  return true;
}

}  // namespace

Picture decodeJpeg(std::string_view bytes) {
  if (!bytes.starts_with("\xFF\xD8")) picture_detail::throwNotFormat(kFormat, bytes);
  Session session{};
  Picture picture;
  std::vector<JSAMPLE> row;
  if (!runDecoder(session, bytes, picture, row)) {
    if (session.failure == Failure::TooLarge) checkPictureSize(session.width, session.height);
    picture_detail::throwDamaged(kFormat);
  }
  return picture;
}

}  // namespace tavilo::core

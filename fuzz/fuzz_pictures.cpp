// Feeds arbitrary bytes to every picture decoder and scales what decodes. Each call
// must end in a picture or a core::Error; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/error.h"
#include "core/picture/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavilo::core;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Gif, PictureFormat::Jpeg, PictureFormat::Png}) {
    try {
      const Picture p = decodePicture(bytes, format);
      if (p.width <= 0 || p.height <= 0 ||
          p.rgba.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 4)
        std::abort();
      const Picture small = resizePicture(p, 1 + p.width % 37, 1 + p.height % 23);
      if (small.rgba.empty()) std::abort();
    } catch (const Error&) {
    }
  }
  return 0;
}

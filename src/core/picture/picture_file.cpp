#include <new>
#include <string>

#include "core/error.h"
#include "core/files/file_name.h"
#include "core/picture/picture_internal.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tavilo::core {
namespace {

// Generous for the largest bitmap accepted, with its headers; anything larger
// cannot be a picture we accept, and it is held whole while it is decoded.
constexpr std::int64_t kMaxFileBytes = static_cast<std::int64_t>(kMaxPictureBytes) + (16 << 20);

std::string unreadable(const std::string& path) {
  return formatMessage("Bilddatei kann nicht gelesen werden: %s", path);
}

std::string readPictureFile(const std::string& path) {
  platform::File file = platform::File::openRead(path);
  if (!file.isOpen()) throw Error(unreadable(path));
  const platform::FileStatus status = file.status();
  if (!status.valid || !status.isRegular) throw Error(unreadable(path));
  if (status.size > kMaxFileBytes)
    throw Error(formatMessage("Bilddatei kann nicht geladen werden: %s\n", path) +
                "Die Datei ist zu groß für ein Bild.");
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.size));
  char buffer[1 << 16];
  for (;;) {
    const std::int64_t n = file.read(buffer, sizeof buffer);
    if (n < 0) throw Error(unreadable(path));
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (static_cast<std::int64_t>(bytes.size()) > kMaxFileBytes)  // the file grew meanwhile
      throw Error(unreadable(path));
  }
  return bytes;
}

}  // namespace

Picture decodePicture(std::string_view bytes, PictureFormat format, const ShownSize& shown) {
  switch (format) {
    case PictureFormat::Bmp: return decodeBmp(bytes);
    case PictureFormat::Gif: return decodeGif(bytes);
    case PictureFormat::Jpeg: return decodeJpeg(bytes, shown);
    case PictureFormat::Png: return decodePng(bytes);
  }
  return {};
}

std::string pictureExtension(std::string_view path) {
  const std::string_view ext = fileExtension(path);
  return std::string(ext.empty() ? ext : ext.substr(1));
}

std::optional<PictureFormat> pictureFormatForExtension(std::string_view extension) {
  const std::string e = lowerAscii(extension);
  if (e == "bmp") return PictureFormat::Bmp;
  if (e == "gif") return PictureFormat::Gif;
  if (e == "jpg" || e == "jpeg") return PictureFormat::Jpeg;
  if (e == "png") return PictureFormat::Png;
  return std::nullopt;
}

std::optional<PictureFormat> sniffPictureFormat(std::string_view bytes) {
  const std::string_view name = picture_detail::sniffFormat(bytes);
  if (name == "BMP") return PictureFormat::Bmp;
  if (name == "GIF") return PictureFormat::Gif;
  if (name == "JPEG") return PictureFormat::Jpeg;
  if (name == "PNG") return PictureFormat::Png;
  return std::nullopt;
}

Picture decodePictureFile(const std::string& path, const ShownSize& shown) {
  const std::string extension = pictureExtension(path);
  const std::optional<PictureFormat> format = pictureFormatForExtension(extension);
  if (!format) throw Error(formatMessage("Unbekannte Bilddateierweiterung (.%s)", extension));
  return decodePictureFile(path, *format, shown);
}

Picture decodePictureFile(const std::string& path, PictureFormat format, const ShownSize& shown) {
  const std::string bytes = readPictureFile(path);
  try {
    return decodePicture(bytes, format, shown);
  } catch (const Error& e) {
    throw Error(formatMessage("Bilddatei kann nicht geladen werden: %s\n", path) + e.what());
  } catch (const std::bad_alloc&) {
    throw Error(formatMessage("Bilddatei kann nicht geladen werden: %s\n", path) +
                "Der Arbeitsspeicher reicht für das Bild nicht aus.");
  }
}

}  // namespace tavilo::core

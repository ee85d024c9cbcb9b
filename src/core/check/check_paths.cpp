// Findings about the files a medium names: paths as the menu resolves them,
// pictures as its loader decodes them, programs as its launch starts them.
#include <algorithm>

#include "core/check/check_context.h"
#include "core/error.h"
#include "core/menu/catalogue.h"
#include "core/picture/picture.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tavilo::core::check_detail {

namespace {

bool isAbsolute(std::string_view v) {
  const char first = static_cast<char>(v.empty() ? 0 : v[0] | 0x20);
  const bool driveLetter = v.size() >= 2 && v[1] == ':' && first >= 'a' && first <= 'z';
  return driveLetter || (!v.empty() && (v.front() == '/' || v.front() == '\\'));
}

bool isWebAddress(std::string_view v) {
  const std::string lower = lowerAscii(v.substr(0, 8));
  for (const std::string_view start : {"http:", "https:", "ftp:", "mailto:", "file:", "www."})
    if (lower.starts_with(start)) return true;
  return false;
}

// Whether ".." components lead above the folder the path starts in.
bool leavesFolder(std::string_view v) {
  int depth = 0;
  std::size_t pos = 0;
  while (pos <= v.size()) {
    std::size_t end = v.find_first_of("/\\", pos);
    if (end == std::string_view::npos) end = v.size();
    const std::string_view part = v.substr(pos, end - pos);
    if (part == "..") {
      if (--depth < 0) return true;
    } else if (!part.empty() && part != ".") {
      ++depth;
    }
    pos = end + 1;
  }
  return false;
}

// The first bytes of a file; empty when it cannot be read.
std::string headOf(const std::string& path, std::size_t n) {
  platform::File file = platform::File::openRead(path);
  std::string head(n, '\0');
  const std::int64_t got = file.isOpen() ? file.read(head.data(), n) : -1;
  head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return head;
}

const char* formatName(PictureFormat f) {
  switch (f) {
    case PictureFormat::Bmp: return "BMP";
    case PictureFormat::Gif: return "GIF";
    case PictureFormat::Jpeg: return "JPEG";
    case PictureFormat::Png: return "PNG";
  }
  return "";
}

const char* extensionFor(PictureFormat f) {
  switch (f) {
    case PictureFormat::Bmp: return ".bmp";
    case PictureFormat::Gif: return ".gif";
    case PictureFormat::Jpeg: return ".jpg";
    case PictureFormat::Png: return ".png";
  }
  return "";
}

// The loader's reason, without the line that names the file.
std::string reasonOf(const Error& e) {
  const std::string text = e.what();
  const std::size_t lastBreak = text.rfind('\n');
  return lastBreak == std::string::npos ? text : text.substr(lastBreak + 1);
}

std::string pictureProblem(const std::string& path, bool asGif) {
  const std::string ext = pictureExtension(path);
  const std::optional<PictureFormat> format = asGif ? PictureFormat::Gif : pictureFormatForExtension(ext);
  if (!format)
    return "is no picture the menu can show (only .bmp, .gif, .jpg, .jpeg and .png): it fails with "
           "\"Unbekannte Bilddateierweiterung (." + ext + ")\"";
  const std::optional<PictureFormat> held = sniffPictureFormat(headOf(path, 16));
  if (held && *held != *format)
    return std::string("holds a ") + formatName(*held) + " picture, but the menu decodes it as " +
           formatName(*format) + (asGif ? " (a logo named .gif always is)" : " by its name") +
           " and fails; name it " + extensionFor(*held);
  try {
    decodePictureFile(path, *format);
  } catch (const Error& e) {
    return "cannot be shown: the picture loader fails with \"" + reasonOf(e) + "\"";
  }
  return {};
}

}  // namespace

std::string onMedium(const CheckContext& ctx, const std::string& path) {
  return path.starts_with(ctx.programDir) ? path.substr(ctx.programDir.size()) : path;
}

std::optional<std::string> checkPathValue(CheckContext& ctx, std::size_t line, std::string_view key,
                                          const std::string& value, bool folderAllowed,
                                          std::string_view missingEffect) {
  const std::string subject = keyValue(key, value);
  if (isWebAddress(value)) {
    ctx.error(line, subject + " is a web address: the menu appends it to its own folder as a file name; "
                              "web addresses belong in a Link");
    return std::nullopt;
  }
  if (isAbsolute(value)) {
    ctx.error(line, subject + " is an absolute path: the menu appends it to its own folder, so it names "
                              "nothing; write it relative to the medium's root");
    return std::nullopt;
  }
  if (leavesFolder(value)) {
    ctx.error(line, subject + " leads out of the medium's folder: on the burned medium it names nothing");
    return std::nullopt;
  }
  const std::string resolved = platform::resolveMediumPath(ctx.programDir, value);
  if (!platform::fileExists(resolved) && !(folderAllowed && platform::isFolder(resolved))) {
    ctx.error(line, subject + (platform::isFolder(resolved) ? " names a folder, not a file" : " names no file") +
                        std::string(missingEffect));
    return std::nullopt;
  }
  // Compared with either separator as '/': on Windows the resolved path keeps '\\'.
  const auto slashed = [](std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  };
  if (slashed(resolved) != slashed(ctx.programDir + value)) {
    std::string spelled = onMedium(ctx, resolved);
    if (value.find('\\') != std::string::npos) std::replace(spelled.begin(), spelled.end(), '/', '\\');
    ctx.warning(line, subject + " is found only by ignoring letter case: on the medium it is \"" + spelled +
                          "\"; write it so, for file systems and copies that keep case");
  }
  return resolved;
}

void checkPicture(CheckContext& ctx, std::size_t line, const std::string& subject, const std::string& path,
                  bool asGif) {
  const std::string cacheKey = (asGif ? "gif:" : "file:") + path;
  auto it = ctx.pictures.find(cacheKey);
  if (it == ctx.pictures.end()) it = ctx.pictures.emplace(cacheKey, pictureProblem(path, asGif)).first;
  if (!it->second.empty()) ctx.error(line, subject + " " + it->second);
}

void checkStartable(CheckContext& ctx, std::size_t line, const std::string& subject, const std::string& path,
                    bool program) {
  using platform::StartNote;
  const std::string dropped = program ? ", and the file it should show is dropped" : "";
  switch (const StartNote note = platform::startNote(path)) {
    case StartNote::Starts:
      return;
    case StartNote::WindowsProgram: {
      const std::string text = subject + " is a Windows program: on Linux it cannot be started, the menu hands it "
                                         "to the desktop to open" + dropped;
      if (program) ctx.error(line, text);
      else ctx.warning(line, text);
      return;
    }
    case StartNote::ScriptLineEnds:
      ctx.error(line, subject + " is a script with Windows line ends (CR LF): /bin/sh cannot run it; save it "
                                "with LF line ends");
      return;
    case StartNote::NoExecute:
    case StartNote::NoExtension:
    case StartNote::Document:
      if (program)
        ctx.error(line, subject + " is neither executable nor a script (#! or .sh): the menu hands it to the "
                                  "desktop to open instead of starting it" + dropped);
      else if (note == StartNote::NoExecute)
        ctx.error(line, subject + " is a program without execute permission: the menu hands it to the desktop to "
                                  "open instead of starting it; give it execute permission or start it by a script");
      else if (note == StartNote::NoExtension)
        ctx.warning(line, subject + " has no extension and is neither executable nor a script: the menu hands it "
                                    "to the desktop to open instead of starting it");
      return;
    case StartNote::Registered:
    case StartNote::Unregistered:
    case StartNote::Extensionless:
      if (program)
        ctx.error(line, subject + " is no program (.exe, .com, .bat or .cmd): Windows opens it with the program "
                                  "registered for its extension instead of starting it" + dropped);
      else if (note == StartNote::Unregistered)
        ctx.warning(line, subject + " has an extension (" + extensionOf(path) + ") that no program is registered "
                                    "for on this computer: Windows opens it only where one is");
      else if (note == StartNote::Extensionless)
        ctx.warning(line, subject + " has no extension: Windows opens a file with the program registered for its "
                                    "extension and has none for it");
      return;
  }
}

}  // namespace tavilo::core::check_detail

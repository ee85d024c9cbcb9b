// The one error type that crosses the platform seam: what kind of failure it
// was (what callers test), the system's own code (errno, or GetLastError on
// Windows) and the system's text for it. Included by platform/platform.h.
#ifndef TAVILO_PLATFORM_SYSTEM_ERROR_H
#define TAVILO_PLATFORM_SYSTEM_ERROR_H

#include <string>

namespace tavilo::platform {

enum class ErrorKind {
  NoError,  // X11 defines None and InputOutput as macros: names avoid them
  NotFound,
  AccessDenied,
  NoSpace,         // the medium is full
  QuotaExceeded,   // the user's share of the medium is used up
  ReadOnlyMedium,
  IoFailure,     // the medium failed to read or write
  IsFolder,
  NotFolder,
  Exists,          // an entry of that name is in the way
  NameTooLong,
  TooLarge,        // larger than the file system takes
  TooManyLinks,
  TooManyOpenFiles,
  OutOfMemory,
  NotRegularFile,  // a device, pipe or socket where a file was wanted
  Busy,            // in use by the system or another program
  Other,
};

class SystemError {
 public:
  SystemError() = default;
  // A failure the program notices itself; it carries no system code.
  SystemError(ErrorKind kind) : kind_(kind) {}  // NOLINT: implicit on purpose
  // The system's code as the failing call left it.
  static SystemError fromNative(int code);

  ErrorKind kind() const { return kind_; }
  int code() const { return code_; }
  // The system's message for code(); for a failure without code, "".
  std::string text() const;
  bool failed() const { return kind_ != ErrorKind::NoError; }

  friend bool operator==(const SystemError&, const SystemError&) = default;

 private:
  ErrorKind kind_ = ErrorKind::NoError;
  int code_ = 0;
};

}  // namespace tavilo::platform

#endif

// The POSIX side of SystemError: errno values sorted into the kinds callers
// test, and strerror for the system's text.
#include <cerrno>
#include <cstring>

#include "platform/platform.h"

namespace tavilo::platform {

namespace {

ErrorKind kindOf(int code) {
  switch (code) {
    case 0: return ErrorKind::NoError;
    case ENOENT: return ErrorKind::NotFound;
    case EACCES:
    case EPERM: return ErrorKind::AccessDenied;
    case ENOSPC: return ErrorKind::NoSpace;
#ifdef EDQUOT
    case EDQUOT: return ErrorKind::QuotaExceeded;
#endif
    case EROFS: return ErrorKind::ReadOnlyMedium;
    case EIO: return ErrorKind::IoFailure;
    case EISDIR: return ErrorKind::IsFolder;
    case ENOTDIR: return ErrorKind::NotFolder;
    case EEXIST: return ErrorKind::Exists;
    case ENAMETOOLONG: return ErrorKind::NameTooLong;
    case EFBIG: return ErrorKind::TooLarge;
    case ELOOP: return ErrorKind::TooManyLinks;
    case EMFILE:
    case ENFILE: return ErrorKind::TooManyOpenFiles;
    case ENOMEM: return ErrorKind::OutOfMemory;
    case ENXIO:  // what opening a socket, or a device without its driver, says
    case ENODEV: return ErrorKind::NotRegularFile;
    case EBUSY:
    case ETXTBSY: return ErrorKind::Busy;
    default: return ErrorKind::Other;
  }
}

}  // namespace

SystemError SystemError::fromNative(int code) {
  SystemError e(kindOf(code));
  e.code_ = code;
  return e;
}

std::string SystemError::text() const {
  if (code_ == 0) return {};
  char buf[256];
  return ::strerror_r(code_, buf, sizeof buf);
}

}  // namespace tavilo::platform

// Volume identity of walked folders on Windows: the volume serial number. A
// volume mounted in a folder is a reparse point there, which a walk never
// enters anyway.
#include "platform/platform.h"

namespace tavilo::platform {

MountGuard::MountGuard(const Folder& start, bool) : useMountIds_(false) { device_ = start.identity().device; }

bool MountGuard::sameMount(const Folder& sub) const {
  const FileIdentity id = sub.identity();
  return id.valid && id.device == device_;
}

}  // namespace tavilo::platform

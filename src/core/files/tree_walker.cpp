#include "core/files/tree_walker.h"

#include <algorithm>
#include <utility>

#include "core/files/file_utils_paths.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

// Open handles kept per walk: well below the 1024 of a usual process limit.
constexpr std::size_t kOpenLevels = 64;

class Walk {
 public:
  Walk(pf::Folder start, const std::string& path, WalkVisitor& visitor, const WalkOptions& options)
      : mounts_(start, options.useMountIds), stack_(std::move(start)), path_(path), visitor_(visitor),
        options_(options) {}

  WalkEnd run() {
    if (!list()) return WalkEnd::Stopped;
    while (!frames_.empty()) {
      Frame& frame = frames_.back();
      if (frame.next == frame.subs.size()) {
        frames_.pop_back();
        if (frames_.empty()) break;
        const std::string name = std::move(frames_.back().entered);
        path_.resize(frames_.back().pathLength);
        if (!stack_.pop()) return WalkEnd::LostParent;
        if (visitor_.leave(here(), name) == WalkStep::Stop) return WalkEnd::Stopped;
        continue;
      }
      const std::string& name = frame.subs[frame.next++];
      pf::Folder sub = options_.fileSystem->openSub(stack_.top(), name);
      // Gone, or a link or file now: nothing to enter. Unreadable: nothing found.
      if (!sub.isOpen() || !mounts_.sameMount(sub)) continue;
      if (options_.leaveOut.valid && sub.identity() == options_.leaveOut) continue;
      const WalkStep step = visitor_.enter(here(), name);
      if (step == WalkStep::Stop) return WalkEnd::Stopped;
      if (step == WalkStep::Skip) continue;
      frame.entered = name;
      path_ = AddBackslash(path_) + name;
      stack_.push(std::move(sub));
      if (!list()) return WalkEnd::Stopped;
    }
    return WalkEnd::Done;
  }

 private:
  struct Frame {
    std::vector<std::string> subs;
    std::size_t next = 0;
    std::size_t pathLength = 0;
    std::string entered;
  };

  WalkFolder here() const { return {stack_.top(), path_, stack_.depth()}; }

  // Lists the top folder, hands its files to the visitor and queues its
  // sub-folders; false when the visitor stops.
  bool list() {
    if (options_.makeWritable) stack_.top().addOwnerWrite();
    std::vector<pf::DirEntry> entries = options_.fileSystem->list(stack_.top());
    Frame frame;
    frame.pathLength = path_.size();
    for (const pf::DirEntry& e : entries) {
      if (!e.isFolder) {
        if (visitor_.file(here(), e) == WalkStep::Stop) return false;
      } else if (options_.recursive && !e.hidden && !e.system) {
        frame.subs.push_back(e.name);
      }
    }
    if (options_.subFoldersLastFirst) std::reverse(frame.subs.begin(), frame.subs.end());
    frames_.push_back(std::move(frame));
    return true;
  }

  pf::MountGuard mounts_;
  FolderStack stack_;
  std::vector<Frame> frames_;
  std::string path_;
  WalkVisitor& visitor_;
  const WalkOptions& options_;
};

}  // namespace

WalkStep WalkVisitor::file(const WalkFolder&, const pf::DirEntry&) { return WalkStep::Go; }
WalkStep WalkVisitor::enter(const WalkFolder&, const std::string&) { return WalkStep::Go; }
WalkStep WalkVisitor::leave(const WalkFolder&, const std::string&) { return WalkStep::Go; }

WalkEnd walkTree(const std::string& path, WalkVisitor& visitor, const WalkOptions& options) {
  return walkTree(pf::Folder::open(path), path, visitor, options);
}

WalkEnd walkTree(pf::Folder start, const std::string& path, WalkVisitor& visitor, const WalkOptions& options) {
  if (!start.isOpen()) return WalkEnd::NoStart;
  return Walk(std::move(start), path, visitor, options).run();
}

FolderStack::FolderStack(pf::Folder start) {
  const pf::FileIdentity id = start.identity();
  levels_.push_back({std::move(start), id});
}

void FolderStack::push(pf::Folder sub) {
  const pf::FileIdentity id = sub.identity();
  levels_.push_back({std::move(sub), id});
  if (levels_.size() > kOpenLevels) levels_[levels_.size() - 1 - kOpenLevels].folder = pf::Folder();
}

bool FolderStack::pop() {
  if (levels_.size() < 2) return false;
  Level& parent = levels_[levels_.size() - 2];
  if (!parent.folder.isOpen()) {
    pf::Folder again = levels_.back().folder.openParent();
    if (!again.isOpen() || again.identity() != parent.id) return false;
    parent.folder = std::move(again);
  }
  levels_.pop_back();
  return true;
}

}  // namespace tavilo::core

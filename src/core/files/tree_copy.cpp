#include "core/files/tree_copy.h"


#include "core/files/file_utils_paths.h"
#include "core/files/tree_walker.h"
#include "core/user_messages.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

// The target's identity when it exists, so that a walk of the source leaves it out.
pf::FileIdentity identityOf(const std::string& folder) { return pf::Folder::open(folder).identity(); }

class Counter : public WalkVisitor {
 public:
  explicit Counter(const CountProgressFn& progress) : progress_(progress) {}
  WalkStep file(const WalkFolder&, const pf::DirEntry&) override {
    ++files;
    return WalkStep::Go;
  }
  WalkStep enter(const WalkFolder&, const std::string&) override {
    return progress_ && progress_(files) == CopyFlow::Stop ? WalkStep::Stop : WalkStep::Go;
  }
  std::size_t files = 0;

 private:
  const CountProgressFn& progress_;
};

// Walks the source and keeps a stack of target folders level with it.
class Copier : public WalkVisitor {
 public:
  Copier(pf::Folder target, const TreeCopyPlan& plan, const TreeProgressFn& progress, TreeCopyResult& result,
         pf::FileSystem& fs)
      : targets_(std::move(target)), progress_(progress), result_(result), fs_(fs) {
    state_.filesTotal = plan.files;
  }

  WalkStep file(const WalkFolder& in, const pf::DirEntry& entry) override {
    state_.file = AddBackslash(in.path) + entry.name;
    state_.bytesDone = state_.bytesTotal = 0;
    if (progress_ && progress_(state_) == CopyFlow::Stop) return stop();
    ByteProgressFn bytes;
    if (progress_) {
      bytes = [this](std::uint64_t done, std::uint64_t total) {
        state_.bytesDone = done;
        state_.bytesTotal = total;
        return progress_(state_);
      };
    }
    const CopyResult r = copyFileBetween(in.folder, entry.name, targets_.top(), entry.name, bytes, fs_);
    if (r.status == CopyResult::Status::Stopped) return stop();
    ++state_.filesDone;
    if (r.done()) ++result_.copied;
    else result_.failures.push_back({state_.file, r.reason()});
    if (r.timeNotSet) plainMessageBox("Fehler");
    return WalkStep::Go;
  }

  WalkStep enter(const WalkFolder& in, const std::string& name) override {
    const pf::Folder& here = targets_.top();
    // A link in the target in place of the folder is not followed.
    pf::Folder sub = here.makeFolder(name) ? here.openSub(name) : pf::Folder();
    if (!sub.isOpen()) {
      result_.failures.push_back({AddBackslash(in.path) + name, copyErrorText(here.error())});
      return WalkStep::Skip;
    }
    targets_.push(std::move(sub));
    return WalkStep::Go;
  }

  WalkStep leave(const WalkFolder& in, const std::string& name) override {
    if (targets_.pop()) return WalkStep::Go;
    result_.failures.push_back({AddBackslash(in.path) + name, copyErrorText(pf::ErrorKind::NotFound)});
    return WalkStep::Stop;
  }

 private:
  WalkStep stop() {
    result_.stopped = true;
    return WalkStep::Stop;
  }

  FolderStack targets_;
  const TreeProgressFn& progress_;
  TreeCopyResult& result_;
  pf::FileSystem& fs_;
  TreeCopyProgress state_;
};

}  // namespace

TreeCopyPlan planTreeCopy(const std::string& source, const std::string& target, const CountProgressFn& progress,
                          pf::FileSystem& fileSystem) {
  TreeCopyPlan plan;
  plan.source = source;
  plan.target = target;
  Counter counter(progress);
  WalkOptions options;
  options.leaveOut = identityOf(target);
  options.fileSystem = &fileSystem;
  const WalkEnd end = walkTree(source, counter, options);
  plan.sourceFound = end != WalkEnd::NoStart;
  plan.stopped = end == WalkEnd::Stopped;
  plan.files = counter.files;
  return plan;
}

TreeCopyResult runTreeCopy(const TreeCopyPlan& plan, const TreeProgressFn& progress, pf::FileSystem& fileSystem) {
  TreeCopyResult result;
  pf::Folder source = pf::Folder::open(plan.source);
  if (!source.isOpen()) {
    result.failures.push_back({plan.source, copyErrorText(source.error())});
    return result;
  }
  pf::createFolders(plan.target);
  pf::Folder target = pf::Folder::open(plan.target);
  if (!target.isOpen()) {
    result.failures.push_back({plan.target, copyErrorText(target.error())});
    return result;
  }
  WalkOptions options;
  options.leaveOut = target.identity();
  options.fileSystem = &fileSystem;
  Copier copier(std::move(target), plan, progress, result, fileSystem);
  if (walkTree(std::move(source), plan.source, copier, options) == WalkEnd::LostParent)
    result.failures.push_back({plan.source, copyErrorText(pf::ErrorKind::NotFound)});
  return result;
}

}  // namespace tavilo::core

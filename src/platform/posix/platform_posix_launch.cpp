// Starting and opening on POSIX: the desktop's opener for folders, addresses
// and documents; executables started directly. Always an argument vector,
// never a shell command line built from configuration text.
#include "platform/platform.h"

#include "platform/ascii.h"

#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <map>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace tavilo::platform {

namespace {

bool hasUriScheme(const std::string& text) {
  static constexpr std::array<std::string_view, 5> kSchemes = {"http:", "https:", "ftp:", "mailto:", "file:"};
  for (std::string_view scheme : kSchemes) {
    if (text.size() < scheme.size()) continue;
    if (equalIgnoringAsciiCase(std::string_view(text).substr(0, scheme.size()), scheme)) return true;
  }
  return false;
}

// What the Windows shell makes of an address written without its scheme, as
// "www.tavilo.example": it guesses the scheme from the first name, as browsers
// do. xdg-open would take such a text for a missing file. Anything that exists
// as a file or folder stays what it is.
std::string withGuessedScheme(const std::string& target) {
  const std::string_view first = std::string_view(target).substr(0, 4);
  const bool web = target.size() > 4 && equalIgnoringAsciiCase(first, "www.");
  const bool ftp = target.size() > 4 && equalIgnoringAsciiCase(first, "ftp.");
  if ((!web && !ftp) || fileStatus(target, true).valid) return target;
  return (web ? "http://" : "ftp://") + target;
}

bool beginsWithShebang(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char head[2] = {};
  const bool shebang = ::read(fd, head, 2) == 2 && head[0] == '#' && head[1] == '!';
  ::close(fd);
  return shebang;
}

bool endsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// posix_spawn with a fresh session, default signals, stdin from /dev/null
// and `folder` (when not empty) as its working folder.
bool spawn(const std::vector<std::string>& args, bool searchPath, const std::string& folder,
           pid_t* started = nullptr) {
  if (args.empty()) return false;
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attr);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGCHLD);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  pid_t pid = 0;
  const int rc = searchPath ? posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ)
                            : posix_spawn(&pid, argv[0], &actions, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  if (rc == 0 && started) *started = pid;
  return rc == 0;
}

// The desktop openers still running, with what each was given.
std::map<pid_t, std::string>& openers() {
  static std::map<pid_t, std::string> running;
  return running;
}
// What no opener could even be started for, until the next reaping.
std::vector<std::string>& notStarted() {
  static std::vector<std::string> targets;
  return targets;
}

bool openWithDesktop(const std::string& target, const std::string& folder) {
  pid_t pid = 0;
  if (!spawn({"xdg-open", target}, true, folder, &pid)) {
    notStarted().push_back(target);
    return false;
  }
  openers()[pid] = target;
  return true;
}

// xdg-open's exit codes for "the file does not exist", "no program for it"
// and "the program failed"; other codes are the opened program's own.
bool openerFailed(int status) {
  if (!WIFEXITED(status)) return false;
  const int code = WEXITSTATUS(status);
  return code >= 2 && code <= 4;
}

// Where a started process runs: the folder asked for, else the folder of a
// local file, else the person's home folder; never the menu's own current
// folder, which the copy window's lists change.
std::string workingFolderFor(const std::string& file, const std::string& asked) {
  if (isFolder(asked)) return asked;
  if (!hasUriScheme(file)) {
    const std::size_t slash = file.find_last_of('/');
    if (slash != std::string::npos) {
      const std::string parent = slash == 0 ? "/" : file.substr(0, slash);
      if (isFolder(parent)) return parent;
    }
  }
  return homeFolder();
}

}  // namespace

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home && isFolder(home)) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && isFolder(pw->pw_dir)) return pw->pw_dir;
  return "/";
}

std::vector<std::string> splitParameters(const std::string& text) {
  // Blanks separate words; single and double quotes group and are removed.
  // A backslash is an ordinary character, so Windows paths survive.
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (char c : text) {
    if (quote) {
      if (c == quote) quote = 0;
      else word += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
      inWord = true;
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

OpenKind openKind(const std::string& file) {
  struct stat st;
  if (file.empty() || hasUriScheme(file) || ::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    return OpenKind::Desktop;
  if (::access(file.c_str(), X_OK) == 0) return OpenKind::Direct;
  if (beginsWithShebang(file) || endsWith(file, ".sh")) return OpenKind::Shell;
  return OpenKind::Desktop;
}

StartNote startNote(const std::string& file) {
  std::string head(256, '\0');
  File f = File::openRead(file);
  const std::int64_t got = f.isOpen() ? f.read(head.data(), head.size()) : -1;
  head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  const std::size_t slash = file.rfind('/');
  const std::size_t dot = file.rfind('.');
  std::string ext = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? "" : file.substr(dot);
  for (char& c : ext) c = lowerAscii(c);
  if (head.starts_with("MZ") || ext == ".exe" || ext == ".com" || ext == ".bat" || ext == ".cmd" || ext == ".msi")
    return StartNote::WindowsProgram;
  const OpenKind kind = openKind(file);
  if (kind != OpenKind::Desktop) {
    const std::size_t lineEnd = head.find('\n');
    const bool script = head.starts_with("#!") || ext == ".sh";
    const bool crlf = lineEnd != std::string::npos && lineEnd > 0 && head[lineEnd - 1] == '\r';
    return script && crlf ? StartNote::ScriptLineEnds : StartNote::Starts;
  }
  if (head.starts_with("\x7f" "ELF")) return StartNote::NoExecute;
  return ext.empty() ? StartNote::NoExtension : StartNote::Document;
}

// Desktop openers on X11 take no owner window.
void setShellOwner(std::uintptr_t) {}

bool shellOpen(const std::string& file, const std::string& parameters, const std::string& workingFolder) {
  if (file.empty()) return false;
  const std::string folder = workingFolderFor(file, workingFolder);
  const OpenKind kind = openKind(file);
  if (kind != OpenKind::Desktop) {
    std::vector<std::string> args{file};
    for (std::string& w : splitParameters(parameters)) args.push_back(std::move(w));
    if (kind == OpenKind::Shell) {
      args.insert(args.begin(), "/bin/sh");
      return spawn(args, false, folder);
    }
    if (spawn(args, false, folder)) return true;  // else, say a Windows program, the desktop may know it
  }
  return openWithDesktop(withGuessedScheme(file), folder);
}

std::vector<std::string> reapChildren() {
  std::vector<std::string> failed;
  failed.swap(notStarted());
  int status = 0;
  pid_t pid;
  while ((pid = ::waitpid(-1, &status, WNOHANG)) > 0) {
    const auto it = openers().find(pid);
    if (it == openers().end()) continue;
    if (openerFailed(status)) failed.push_back(it->second);
    openers().erase(it);
  }
  return failed;
}

}  // namespace tavilo::platform

#include "platform/posix/proc_tables.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tavilo::platform {

namespace {

std::string readAll(const char* path) {
  std::string text;
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return text;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
    else if (n == 0 || errno != EINTR) break;
  }
  ::close(fd);
  return text;
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

}  // namespace

std::vector<std::vector<std::string>> readProcTable(const char* path) {
  std::vector<std::vector<std::string>> lines;
  const std::string text = readAll(path);
  std::vector<std::string> fields;
  std::string field;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') {
      if (!field.empty()) fields.push_back(std::move(field));
      field.clear();
      if (c == '\n' && !fields.empty()) lines.push_back(std::move(fields)), fields.clear();
    } else {
      field += c;
    }
  }
  if (!field.empty()) fields.push_back(std::move(field));
  if (!fields.empty()) lines.push_back(std::move(fields));
  return lines;
}

std::string unescapeMountField(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size() && isOctal(s[i + 1]) && isOctal(s[i + 2]) && isOctal(s[i + 3])) {
      out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

}  // namespace tavilo::platform

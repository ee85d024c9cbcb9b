// Records what core routines show through MyMessageBox and the plain box, and
// answers with a scripted result. Plugged in for its lifetime.
#ifndef TAVILO_TESTS_SUPPORT_MESSAGE_RECORDER_H
#define TAVILO_TESTS_SUPPORT_MESSAGE_RECORDER_H

#include <ostream>
#include <string>
#include <vector>

#include "core/user_messages.h"

namespace tavilo::testing {

struct ShownMessage {
  int icon = -1;
  std::string caption, text, question;
  int buttons = -1;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
  friend std::ostream& operator<<(std::ostream& os, const ShownMessage& m) {
    return os << "{icon " << m.icon << ", caption \"" << m.caption << "\", text \"" << m.text << "\", question \""
              << m.question << "\", buttons " << m.buttons << "}";
  }
};

class MessageRecorder {
 public:
  explicit MessageRecorder(int answer = core::mrYes) : answer_(answer) {
    core::setMyMessageBox([this](core::TMsgType icon, const std::string& caption, const std::string& text,
                                 const std::string& question, core::TMsgBtn buttons) {
      messages.push_back({icon, caption, text, question, buttons});
      return answer_;
    });
    core::setPlainMessageBox([this](const std::string& text) { plain.push_back(text); });
  }
  ~MessageRecorder() {
    core::setMyMessageBox({});
    core::setPlainMessageBox({});
  }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  void answer(int result) { answer_ = result; }

  // One line per message, fields separated by '\x1f', for a child's report.
  std::string serialize() const {
    std::string s;
    for (const ShownMessage& m : messages)
      s += std::to_string(m.icon) + '\x1f' + m.caption + '\x1f' + m.text + '\x1f' + m.question + '\x1f' +
           std::to_string(m.buttons) + '\x1e';
    return s;
  }
  static std::vector<ShownMessage> parse(const std::string& s) {
    std::vector<ShownMessage> out;
    std::size_t start = 0;
    while (start < s.size()) {
      const auto end = s.find('\x1e', start);
      if (end == std::string::npos) break;
      std::vector<std::string> f;
      std::size_t b = start;
      for (;;) {
        const auto sep = s.find('\x1f', b);
        if (sep == std::string::npos || sep > end) {
          f.push_back(s.substr(b, end - b));
          break;
        }
        f.push_back(s.substr(b, sep - b));
        b = sep + 1;
      }
      if (f.size() == 5) out.push_back({std::stoi(f[0]), f[1], f[2], f[3], std::stoi(f[4])});
      start = end + 1;
    }
    return out;
  }

  std::vector<ShownMessage> messages;
  std::vector<std::string> plain;

 private:
  int answer_;
};

}  // namespace tavilo::testing

#endif

#include "core/user_messages.h"

#include <utility>

namespace tavilo::core {

namespace {

// Function-local statics: a box may be asked for during static
// initialisation of another unit (the tests' child processes do that).
MessageBoxFn& messageBox() {
  static MessageBoxFn fn;
  return fn;
}

PlainBoxFn& plainBox() {
  static PlainBoxFn fn;
  return fn;
}

int defaultAnswer(TMsgBtn buttonSet) {
  switch (buttonSet) {
    case mbJa: return mrYes;
    case mbNein:
    case mbJaNein:
    case mbJaNeinAbbruch: return mrNo;
    case mbOK: return mrOk;
    default: return mrCancel;
  }
}

}  // namespace

void setMyMessageBox(MessageBoxFn fn) { messageBox() = std::move(fn); }

int MyMessageBox(TMsgType iconType, const std::string& caption, const std::string& text, const std::string& question,
                 TMsgBtn buttonSet) {
  // A copy, so that a box that plugs in another one while it runs stays alive.
  if (const MessageBoxFn fn = messageBox()) return fn(iconType, caption, text, question, buttonSet);
  return defaultAnswer(buttonSet);
}

void setPlainMessageBox(PlainBoxFn fn) { plainBox() = std::move(fn); }

void plainMessageBox(const std::string& text) {
  if (const PlainBoxFn fn = plainBox()) fn(text);
}

}  // namespace tavilo::core

// The two message boxes that core routines show, as functions that the GUI
// plugs in at start (core cannot draw). Tests plug in a recorder.
#ifndef TAVILO_CORE_USER_MESSAGES_H
#define TAVILO_CORE_USER_MESSAGES_H

#include <functional>
#include <string>

#include "core/message_kinds.h"

namespace tavilo::core {

using MessageBoxFn = std::function<int(TMsgType iconType, const std::string& caption, const std::string& text,
                                       const std::string& question, TMsgBtn buttonSet)>;
using PlainBoxFn = std::function<void(const std::string& text)>;

// An empty function restores the default.
void setMyMessageBox(MessageBoxFn fn);
// Shows the box and returns its modal result. Without a plugged-in box the
// answer is the cautious one: No where there is a No button, Yes for the
// Yes-only set, OK for the OK set, Cancel (the close box) otherwise.
int MyMessageBox(TMsgType iconType, const std::string& caption, const std::string& text, const std::string& question,
                 TMsgBtn buttonSet);

// The plain box with one OK button, captioned with the application title.
void setPlainMessageBox(PlainBoxFn fn);
void plainMessageBox(const std::string& text);

}  // namespace tavilo::core

#endif

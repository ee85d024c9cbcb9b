// The two message boxes that core routines show, as functions that the GUI
// plugs in at start (core cannot draw). Tests plug in a recorder.
#ifndef TAVILO_CORE_USER_MESSAGES_H
#define TAVILO_CORE_USER_MESSAGES_H

#include <functional>
#include <string>

namespace tavilo::core {

// MyMessageBox's icon types, button sets and modal results.
inline constexpr int kIconWarning = 0;
inline constexpr int kIconError = 1;
inline constexpr int kIconInformation = 2;
inline constexpr int kIconConfirmation = 3;

inline constexpr int kButtonsYes = 0;
inline constexpr int kButtonsNo = 1;
inline constexpr int kButtonsOk = 2;
inline constexpr int kButtonsYesNo = 3;
inline constexpr int kButtonsYesNoCancel = 4;

inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

using MessageBoxFn = std::function<int(int iconType, const std::string& caption, const std::string& text,
                                       const std::string& question, int buttonSet)>;
using PlainBoxFn = std::function<void(const std::string& text)>;

// An empty function restores the default.
void setMyMessageBox(MessageBoxFn fn);
// Shows the box and returns its modal result. Without a plugged-in box the
// answer is the cautious one: No where there is a No button, Yes for the
// Yes-only set, OK for the OK set, Cancel (the close box) otherwise.
int MyMessageBox(int iconType, const std::string& caption, const std::string& text, const std::string& question,
                 int buttonSet);

// The plain box with one OK button, captioned with the application title.
void setPlainMessageBox(PlainBoxFn fn);
void plainMessageBox(const std::string& text);

}  // namespace tavilo::core

#endif

#include "gui/native_window.h"

#include <FL/Fl_Window.H>
#include <FL/platform.H>

#include <type_traits>

namespace tavilo::gui {

namespace {

// X11 gives an integer id, Windows a pointer: both fit the portable handle.
template <typename Handle>
std::uintptr_t handleValue(Handle handle) {
  if constexpr (std::is_pointer_v<Handle>) return reinterpret_cast<std::uintptr_t>(handle);
  else return static_cast<std::uintptr_t>(handle);
}

}  // namespace

platform::NativeWindow nativeWindow(const Fl_Window& window) {
  return {nativeDisplay(), handleValue(fl_xid(&window))};
}

// On Windows FLTK's "display" is the program's module handle, there from the start.
void* nativeDisplay() { return reinterpret_cast<void*>(fl_display); }

void openDisplay() { fl_open_display(); }

std::uint32_t eventTimeMs() {
#ifdef _WIN32
  // The time of the message being handled (FLTK's platform header brings the Windows API).
  return static_cast<std::uint32_t>(GetMessageTime());
#else
  return static_cast<std::uint32_t>(fl_event_time);
#endif
}

}  // namespace tavilo::gui

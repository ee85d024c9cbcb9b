// The toolkit's system handles, taken in this one file (the only one that
// includes FLTK's platform header, with its window system's macros), and
// handed on in the platform's portable shape.
#ifndef TAVILO_GUI_NATIVE_WINDOW_H
#define TAVILO_GUI_NATIVE_WINDOW_H

#include <cstdint>

#include "platform/window.h"

class Fl_Window;

namespace tavilo::gui {

// A shown window's system handle; empty before it is shown.
platform::NativeWindow nativeWindow(const Fl_Window& window);
// The display connection (X11's Display*), null before it is opened; on
// Windows the program's module handle.
void* nativeDisplay();
// Opens the connection to the display when it is not open yet.
void openDisplay();
// The system's time stamp of the event being handled, in milliseconds.
std::uint32_t eventTimeMs();

}  // namespace tavilo::gui

#endif

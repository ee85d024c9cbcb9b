# Fails when a file under src/core or src/platform, or the medium checker,
# includes an FLTK header, or when a file under src/gui other than the main
# window's own files includes the main window's header (other windows read
# the shared values through the model they are given).
# Run as: cmake -DROOT=<source dir> -P CheckLayers.cmake
file(GLOB_RECURSE files ${ROOT}/src/core/* ${ROOT}/src/platform/*)
list(APPEND files ${ROOT}/tools/tavilo_check.cpp)
set(offenders "")
foreach(f ${files})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]FL/")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n  " text "${offenders}")
  message(FATAL_ERROR "FLTK included below the GUI layer:\n  ${text}")
endif()

file(GLOB_RECURSE files ${ROOT}/src/gui/*)
foreach(f ${files})
  get_filename_component(name ${f} NAME)
  if(name MATCHES "^main_window")
    continue()
  endif()
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]gui/main_window\\.h")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n  " text "${offenders}")
  message(FATAL_ERROR "The main window's header included by another window:\n  ${text}")
endif()

# The operating system is reached only through the platform layer: its
# headers appear only in a system's own folder under src/platform, and the
# toolkit's window-system header only in the one GUI file that hands its
# handles on (gui/native_window.cpp).
set(os_headers "unistd\\.h|fcntl\\.h|dirent\\.h|spawn\\.h|poll\\.h|sys/[^>\"]*|X11/[^>\"]*|fontconfig/[^>\"]*|windows\\.h")
set(native_headers "FL/x\\.H|FL/platform\\.H|FL/x11\\.H|FL/win32\\.H")
file(GLOB_RECURSE files ${ROOT}/src/*)
list(APPEND files ${ROOT}/tools/tavilo_check.cpp)
foreach(f ${files})
  file(RELATIVE_PATH rel ${ROOT} ${f})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${os_headers})[>\"]")
  if(hits AND NOT rel MATCHES "^src/platform/(posix|windows)/")
    list(APPEND offenders "${rel}: ${hits}")
  endif()
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${native_headers})[>\"]")
  if(hits AND NOT rel STREQUAL "src/gui/native_window.cpp")
    list(APPEND offenders "${rel}: ${hits}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n  " text "${offenders}")
  message(FATAL_ERROR "A system header outside the files allowed for it:\n  ${text}")
endif()

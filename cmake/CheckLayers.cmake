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

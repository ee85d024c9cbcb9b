# Fails when a file under src/core or src/platform includes an FLTK header.
# Run as: cmake -DROOT=<source dir> -P CheckLayers.cmake
file(GLOB_RECURSE files ${ROOT}/src/core/* ${ROOT}/src/platform/*)
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

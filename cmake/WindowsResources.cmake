# The Windows resources of Tavilo.exe and tavilo-check.exe: the program's icon
# (written by make_icon from the window icon's painter), a version resource
# and a manifest (common controls 6, per-monitor DPI awareness v2, which FLTK
# 1.4 expects, long paths).
set(tavilo_icon ${PROJECT_BINARY_DIR}/generated/tavilo.ico)
add_custom_command(OUTPUT ${tavilo_icon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/generated
  COMMAND ${TAVILO_ICON_WRITER} ${tavilo_icon}
  DEPENDS ${TAVILO_ICON_WRITER}
  COMMENT "Writing the program's icon"
  VERBATIM)

# The version in the resource's shape: 4.02 -> 4,2,0,0 and 4.2.0.0.
string(REPLACE "." ";" tavilo_version_parts "${PROJECT_VERSION}")
set(tavilo_version_numbers "")
foreach(i RANGE 3)
  list(LENGTH tavilo_version_parts n)
  set(part 0)
  if(i LESS n)
    list(GET tavilo_version_parts ${i} part)
    math(EXPR part "${part}")  # "02" -> 2
  endif()
  list(APPEND tavilo_version_numbers ${part})
endforeach()
string(REPLACE ";" "," TAVILO_RC_VERSION_COMMAS "${tavilo_version_numbers}")
string(REPLACE ";" "." TAVILO_RC_VERSION_DOTS "${tavilo_version_numbers}")

# tavilo_windows_resources(TARGET DESCRIPTION)
function(tavilo_windows_resources target description)
  set(TAVILO_RC_NAME ${target})
  set(TAVILO_RC_FILE ${target}.exe)
  set(TAVILO_RC_DESCRIPTION "${description}")
  set(TAVILO_RC_ICON ${tavilo_icon})
  set(TAVILO_RC_MANIFEST ${PROJECT_BINARY_DIR}/generated/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/src/app/resources/tavilo.manifest.in ${TAVILO_RC_MANIFEST} @ONLY)
  set(rc ${PROJECT_BINARY_DIR}/generated/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/src/app/resources/tavilo.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${tavilo_icon};${TAVILO_RC_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
endfunction()

tavilo_windows_resources(Tavilo "Tavilo: Startmenü für CDs, DVDs und USB-Sticks")
tavilo_windows_resources(tavilo-check "Tavilo: Prüfung eines Mediums")

# FLTK 1.4.5, built from its release source once per machine and toolchain and
# linked statically.
#
# The built library lands in a cache folder outside the build tree
# (TAVILO_FLTK_CACHE, else $XDG_CACHE_HOME/tavilo, else ~/.cache/tavilo), under
# a name that carries FLTK's commit, our options and the compilers. Every build
# folder of every checkout on the machine shares it: a second build, a second
# clone or CI's sanitizer build do not build FLTK again.
#
# Where the source comes from:
#   TAVILO_FLTK_SOURCE (CMake variable or environment): a .tar.gz of the
#     release (its checksum must match) or an unpacked source folder;
#   otherwise FLTK's public repository at the pinned commit (needs network).
#
# Sets tavilo_fltk_prefix to the installed FLTK (include/, lib/).

set(TAVILO_FLTK_VERSION 1.4.5)
set(TAVILO_FLTK_COMMIT a9b1113516ffd15fc7602a6d425a317df30f4720)
set(TAVILO_FLTK_REPOSITORY https://github.com/fltk/fltk.git)
set(TAVILO_FLTK_TARBALL_SHA256 7028ca80cff3eb73ce1b5aeab4cab492e85d47db427eae7a8cca5f6521b73f2c)

# Options, chosen rather than defaulted:
# - static libraries only, no test or example programs, no fluid, no
#   fltk-options, forms, OpenGL, SVG or documentation: nothing the program uses;
# - on Linux the X11 back end with Xft and fontconfig, as the program was
#   drawn with; no Wayland back end: it would bring Cairo, Pango and libdecor
#   into the binary's dependencies and draw text through Pango, and X11 programs
#   run on every Wayland desktop through Xwayland;
# - the system's libjpeg, libpng and zlib on Linux (the portable build links
#   their static archives), FLTK's bundled copies on Windows;
# - optimised for size (nothing of FLTK's is hot while the menu runs) and
#   with function and data sections, so the linker drops what the program
#   never calls.
set(tavilo_fltk_options
  -DCMAKE_BUILD_TYPE=Release
  -DFLTK_BUILD_SHARED_LIBS=OFF
  -DFLTK_BUILD_TEST=OFF
  -DFLTK_BUILD_EXAMPLES=OFF
  -DFLTK_BUILD_FLUID=OFF
  -DFLTK_BUILD_FLTK_OPTIONS=OFF
  -DFLTK_BUILD_FORMS=OFF
  -DFLTK_BUILD_GL=OFF
  -DFLTK_BUILD_HTML_DOCS=OFF
  -DFLTK_BUILD_PDF_DOCS=OFF
  -DFLTK_OPTION_SVG=OFF
  -DFLTK_OPTION_PRINT_SUPPORT=OFF
  -DFLTK_OPTION_STD=OFF
  "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
  "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
  "-DCMAKE_C_FLAGS_RELEASE=-Os -DNDEBUG"
  "-DCMAKE_CXX_FLAGS_RELEASE=-Os -DNDEBUG")
if(WIN32)
  list(APPEND tavilo_fltk_options
    -DFLTK_USE_SYSTEM_LIBJPEG=OFF -DFLTK_USE_SYSTEM_LIBPNG=OFF -DFLTK_USE_SYSTEM_ZLIB=OFF
    -DFLTK_GRAPHICS_GDIPLUS=ON)
else()
  list(APPEND tavilo_fltk_options
    -DFLTK_BACKEND_X11=ON -DFLTK_BACKEND_WAYLAND=OFF
    -DFLTK_USE_XFT=ON -DFLTK_USE_PANGO=OFF -DFLTK_GRAPHICS_CAIRO=OFF
    -DFLTK_USE_XINERAMA=ON -DFLTK_USE_XFIXES=ON -DFLTK_USE_XCURSOR=ON -DFLTK_USE_XRENDER=ON
    -DFLTK_USE_SYSTEM_LIBJPEG=ON -DFLTK_USE_SYSTEM_LIBPNG=ON -DFLTK_USE_SYSTEM_ZLIB=ON)
endif()
# A cross build makes FLTK with its own toolchain. A native build makes it
# with the system's default compilers, whichever compiler builds the project:
# clang and g++ share the C++ library here, so the fuzzers' clang build reuses
# the one FLTK.
if(CMAKE_CROSSCOMPILING)
  list(APPEND tavilo_fltk_options
    -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER}
    -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER})
  set(tavilo_fltk_compilers "${CMAKE_C_COMPILER_ID}-${CMAKE_C_COMPILER_VERSION};${CMAKE_CXX_COMPILER_ID}-${CMAKE_CXX_COMPILER_VERSION}")
else()
  set(tavilo_fltk_compilers "")
  foreach(compiler cc c++)
    execute_process(COMMAND ${compiler} --version OUTPUT_VARIABLE version ERROR_QUIET)
    string(REGEX REPLACE "\n.*" "" version "${version}")
    string(APPEND tavilo_fltk_compilers "${compiler}: ${version};")
  endforeach()
endif()
set(tavilo_fltk_key_text
  "${TAVILO_FLTK_COMMIT};${tavilo_fltk_options};${tavilo_fltk_compilers};${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
if(CMAKE_TOOLCHAIN_FILE)
  get_filename_component(tavilo_toolchain "${CMAKE_TOOLCHAIN_FILE}" ABSOLUTE)
  list(APPEND tavilo_fltk_options "-DCMAKE_TOOLCHAIN_FILE=${tavilo_toolchain}")
  file(READ "${tavilo_toolchain}" tavilo_toolchain_text)
  string(APPEND tavilo_fltk_key_text ";${tavilo_toolchain_text}")
endif()
string(SHA256 tavilo_fltk_key "${tavilo_fltk_key_text}")
string(SUBSTRING "${tavilo_fltk_key}" 0 12 tavilo_fltk_key)

# The cache folder.
if(DEFINED TAVILO_FLTK_CACHE)
  set(tavilo_fltk_cache "${TAVILO_FLTK_CACHE}")
elseif(DEFINED ENV{TAVILO_FLTK_CACHE})
  set(tavilo_fltk_cache "$ENV{TAVILO_FLTK_CACHE}")
elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(tavilo_fltk_cache "$ENV{XDG_CACHE_HOME}/tavilo")
elseif(DEFINED ENV{HOME} AND NOT "$ENV{HOME}" STREQUAL "")
  set(tavilo_fltk_cache "$ENV{HOME}/.cache/tavilo")
else()
  set(tavilo_fltk_cache "${PROJECT_BINARY_DIR}/fltk-cache")
endif()
set(tavilo_fltk_prefix
  "${tavilo_fltk_cache}/fltk-${TAVILO_FLTK_VERSION}-${CMAKE_SYSTEM_NAME}-${tavilo_fltk_key}")
set(tavilo_fltk_done "${tavilo_fltk_prefix}/.tavilo-complete")

function(tavilo_fltk_run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result
    OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "FLTK: ${what} failed:\n${output}")
  endif()
endfunction()

# Brings FLTK's source into `dir`.
function(tavilo_fltk_fetch dir)
  set(source "${TAVILO_FLTK_SOURCE}")
  if(source STREQUAL "" AND DEFINED ENV{TAVILO_FLTK_SOURCE})
    set(source "$ENV{TAVILO_FLTK_SOURCE}")
  endif()
  if(NOT source STREQUAL "" AND IS_DIRECTORY "${source}")
    file(COPY "${source}/" DESTINATION "${dir}")
  elseif(NOT source STREQUAL "")
    if(NOT EXISTS "${source}")
      message(FATAL_ERROR "FLTK: TAVILO_FLTK_SOURCE names ${source}, which does not exist")
    endif()
    file(SHA256 "${source}" sum)
    if(NOT sum STREQUAL TAVILO_FLTK_TARBALL_SHA256)
      message(FATAL_ERROR "FLTK: ${source} is not the FLTK ${TAVILO_FLTK_VERSION} release "
        "(sha256 ${sum}, expected ${TAVILO_FLTK_TARBALL_SHA256})")
    endif()
    file(ARCHIVE_EXTRACT INPUT "${source}" DESTINATION "${dir}.unpack")
    file(GLOB top LIST_DIRECTORIES true "${dir}.unpack/*")
    file(RENAME "${top}" "${dir}")
    file(REMOVE_RECURSE "${dir}.unpack")
  else()
    find_package(Git REQUIRED)
    message(STATUS "FLTK: cloning ${TAVILO_FLTK_REPOSITORY} at ${TAVILO_FLTK_COMMIT}")
    tavilo_fltk_run("git init" ${GIT_EXECUTABLE} init -q "${dir}")
    tavilo_fltk_run("git fetch (set TAVILO_FLTK_SOURCE to FLTK's release tarball on a machine without network)"
      ${GIT_EXECUTABLE} -C "${dir}" fetch -q --depth 1 ${TAVILO_FLTK_REPOSITORY} ${TAVILO_FLTK_COMMIT})
    tavilo_fltk_run("git checkout" ${GIT_EXECUTABLE} -C "${dir}" checkout -q FETCH_HEAD)
  endif()
endfunction()

if(NOT EXISTS "${tavilo_fltk_done}")
  file(MAKE_DIRECTORY "${tavilo_fltk_cache}")
  # Two configures at once (two build folders, two clones) wait for each other.
  file(LOCK "${tavilo_fltk_cache}/fltk.lock" GUARD PROCESS TIMEOUT 1800)
  if(NOT EXISTS "${tavilo_fltk_done}")
    message(STATUS "FLTK: building ${TAVILO_FLTK_VERSION} once into ${tavilo_fltk_prefix}")
    set(work "${tavilo_fltk_prefix}.work")
    file(REMOVE_RECURSE "${work}" "${tavilo_fltk_prefix}")
    tavilo_fltk_fetch("${work}/src")
    set(generator_args -G "${CMAKE_GENERATOR}")
    if(CMAKE_MAKE_PROGRAM)
      list(APPEND generator_args "-DCMAKE_MAKE_PROGRAM=${CMAKE_MAKE_PROGRAM}")
    endif()
    tavilo_fltk_run("configure" ${CMAKE_COMMAND} -S "${work}/src" -B "${work}/build"
      ${generator_args} ${tavilo_fltk_options}
      "-DCMAKE_INSTALL_PREFIX=${tavilo_fltk_prefix}")
    tavilo_fltk_run("build" ${CMAKE_COMMAND} --build "${work}/build" --parallel)
    tavilo_fltk_run("install" ${CMAKE_COMMAND} --install "${work}/build")
    file(WRITE "${tavilo_fltk_done}" "${tavilo_fltk_key_text}\n")
    file(REMOVE_RECURSE "${work}")
  endif()
  file(LOCK "${tavilo_fltk_cache}/fltk.lock" RELEASE)
endif()
message(STATUS "FLTK: ${tavilo_fltk_prefix}")

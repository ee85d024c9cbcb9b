# FLTK 1.4, built from source by Fltk.cmake and linked statically; X11, Xft and
# fontconfig stay dynamic, since every desktop has them. A portable build
# (TAVILO_PORTABLE, made by scripts/release.sh) also carries libjpeg, libpng,
# zlib, libstdc++ and libgcc, so that it runs where none of them is installed.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/DependenciesWindows.cmake)
  return()
endif()

find_package(X11 REQUIRED)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Fontconfig REQUIRED)
find_package(Threads REQUIRED)
find_package(benchmark QUIET)

include(${CMAKE_CURRENT_LIST_DIR}/Fltk.cmake)

foreach(lib Xft Xinerama Xcursor Xfixes Xrender)
  if(NOT TARGET X11::${lib})
    message(FATAL_ERROR "X11 library ${lib} not found")
  endif()
endforeach()

# tavilo::jpeg, tavilo::png, tavilo::zlib: the picture libraries, shared or
# from their static archives.
add_library(tavilo::jpeg INTERFACE IMPORTED)
add_library(tavilo::png INTERFACE IMPORTED)
add_library(tavilo::zlib INTERFACE IMPORTED)
if(TAVILO_PORTABLE)
  find_library(TAVILO_JPEG_STATIC NAMES libjpeg.a REQUIRED)
  find_library(TAVILO_PNG_STATIC NAMES libpng16.a libpng.a REQUIRED)
  find_library(TAVILO_ZLIB_STATIC NAMES libz.a REQUIRED)
  target_link_libraries(tavilo::jpeg INTERFACE ${TAVILO_JPEG_STATIC})
  target_link_libraries(tavilo::png INTERFACE ${TAVILO_PNG_STATIC} ${TAVILO_ZLIB_STATIC} m)
  target_link_libraries(tavilo::zlib INTERFACE ${TAVILO_ZLIB_STATIC})
  target_include_directories(tavilo::jpeg INTERFACE ${JPEG_INCLUDE_DIRS})
  target_include_directories(tavilo::png INTERFACE ${PNG_INCLUDE_DIRS})
  # -O2 rather than CMake's -O3: a tenth smaller, and neither the start nor a
  # copy waits on our own code.
  string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-static-libstdc++ -static-libgcc -Wl,--gc-sections -Wl,--as-needed)
else()
  target_link_libraries(tavilo::jpeg INTERFACE JPEG::JPEG)
  target_link_libraries(tavilo::png INTERFACE PNG::PNG)
  target_link_libraries(tavilo::zlib INTERFACE ZLIB::ZLIB)
endif()

# FLTK's own exported targets are not used: they name the shared picture
# libraries, where the portable build wants the static ones.
add_library(tavilo::fltk INTERFACE IMPORTED)
target_include_directories(tavilo::fltk SYSTEM INTERFACE ${tavilo_fltk_prefix}/include)
target_link_libraries(tavilo::fltk INTERFACE
  ${tavilo_fltk_prefix}/lib/libfltk_images.a ${tavilo_fltk_prefix}/lib/libfltk.a
  tavilo::png tavilo::zlib tavilo::jpeg
  X11::Xrender X11::Xcursor X11::Xfixes X11::Xext X11::Xft X11::Xinerama
  Fontconfig::Fontconfig X11::X11 Threads::Threads m dl)

# FLTK 1.3 from Debian's libfltk1.3-dev, linked statically; X11, Xft and
# fontconfig stay dynamic, since every desktop has them.
find_package(X11 REQUIRED)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Fontconfig REQUIRED)
find_package(Threads REQUIRED)
find_package(benchmark QUIET)

find_library(FLTK_STATIC_LIB NAMES libfltk.a REQUIRED)
find_library(FLTK_IMAGES_STATIC_LIB NAMES libfltk_images.a REQUIRED)
find_path(FLTK_INCLUDE_DIR FL/Fl.H REQUIRED)

foreach(lib Xft Xinerama Xcursor Xfixes Xrender)
  if(NOT TARGET X11::${lib})
    message(FATAL_ERROR "X11 library ${lib} not found")
  endif()
endforeach()

add_library(tavilo::fltk INTERFACE IMPORTED)
target_include_directories(tavilo::fltk INTERFACE ${FLTK_INCLUDE_DIR})
target_link_libraries(tavilo::fltk INTERFACE
  ${FLTK_IMAGES_STATIC_LIB} ${FLTK_STATIC_LIB}
  PNG::PNG ZLIB::ZLIB JPEG::JPEG
  X11::Xrender X11::Xcursor X11::Xfixes X11::Xext X11::Xft X11::Xinerama
  Fontconfig::Fontconfig X11::X11 Threads::Threads m dl)

# The same targets on Windows (mingw-w64): FLTK with its bundled libjpeg,
# libpng and zlib, all static, and the system libraries FLTK calls. The
# compiler's own libraries are linked statically by the toolchain file.
find_package(Threads REQUIRED)

include(${CMAKE_CURRENT_LIST_DIR}/Fltk.cmake)

set(tavilo_fltk_lib ${tavilo_fltk_prefix}/lib)
# FLTK installs its bundled libraries' headers under FL/images.
add_library(tavilo::zlib INTERFACE IMPORTED)
target_link_libraries(tavilo::zlib INTERFACE ${tavilo_fltk_lib}/libfltk_z.a)
target_include_directories(tavilo::zlib SYSTEM INTERFACE ${tavilo_fltk_prefix}/include/FL/images)
add_library(tavilo::jpeg INTERFACE IMPORTED)
target_link_libraries(tavilo::jpeg INTERFACE ${tavilo_fltk_lib}/libfltk_jpeg.a)
target_include_directories(tavilo::jpeg SYSTEM INTERFACE ${tavilo_fltk_prefix}/include/FL/images)
add_library(tavilo::png INTERFACE IMPORTED)
target_link_libraries(tavilo::png INTERFACE ${tavilo_fltk_lib}/libfltk_png.a tavilo::zlib)
target_include_directories(tavilo::png SYSTEM INTERFACE ${tavilo_fltk_prefix}/include/FL/images)

# FLTK's Windows headers warn under -Wextra: a SYSTEM include keeps -Werror.
add_library(tavilo::fltk INTERFACE IMPORTED)
target_include_directories(tavilo::fltk SYSTEM INTERFACE ${tavilo_fltk_prefix}/include)
target_link_libraries(tavilo::fltk INTERFACE
  ${tavilo_fltk_lib}/libfltk_images.a ${tavilo_fltk_lib}/libfltk.a
  tavilo::png tavilo::jpeg tavilo::zlib
  gdiplus ole32 uuid comctl32 ws2_32 gdi32 comdlg32 shell32 winspool user32 advapi32 Threads::Threads)

# As the portable Linux build: sections the linker can drop, -O2 rather than -O3.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

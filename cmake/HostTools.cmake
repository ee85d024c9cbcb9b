# The build's own tools in a cross build: the painter of the program's
# pictures and the icon writer run on the build machine, so they are compiled
# with its compiler rather than the target's.
# Sets TAVILO_GLYPH_PAINTER and TAVILO_ICON_WRITER to their paths.
find_program(TAVILO_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
find_program(TAVILO_HOST_CCACHE ccache)
set(tavilo_host_launcher "")
if(TAVILO_HOST_CCACHE)
  set(tavilo_host_launcher ${TAVILO_HOST_CCACHE})
endif()
set(tavilo_host_dir ${PROJECT_BINARY_DIR}/host)
file(GLOB tavilo_glyph_art CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/gui/glyphs/*.cpp)
file(GLOB tavilo_glyph_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/gui/glyphs/*.h
     ${PROJECT_SOURCE_DIR}/src/gui/glyphs.h)

# tavilo_host_tool(NAME SOURCE [LIBS...]): NAME built from SOURCE and the painters.
function(tavilo_host_tool name source)
  add_custom_command(OUTPUT ${tavilo_host_dir}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tavilo_host_dir}
    COMMAND ${tavilo_host_launcher} ${TAVILO_HOST_CXX} -std=c++20 -O2 -I${PROJECT_SOURCE_DIR}/src
            -o ${tavilo_host_dir}/${name} ${source} ${tavilo_glyph_art} ${ARGN}
    DEPENDS ${source} ${tavilo_glyph_art} ${tavilo_glyph_headers}
    COMMENT "Building ${name} for the build machine"
    VERBATIM)
endfunction()

tavilo_host_tool(make_glyph_pixels ${PROJECT_SOURCE_DIR}/tools/generators/make_glyph_pixels.cpp)
tavilo_host_tool(make_icon ${PROJECT_SOURCE_DIR}/tools/generators/make_icon.cpp -lz)
set(TAVILO_GLYPH_PAINTER ${tavilo_host_dir}/make_glyph_pixels)
set(TAVILO_ICON_WRITER ${tavilo_host_dir}/make_icon)

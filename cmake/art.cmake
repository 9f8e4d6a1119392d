# Toolbox pictures and cursors are kept as text pixel art (resources/art/<set>/)
# and turned into .bmp and .cur files at build time by a small generator built
# with the host's own C++ compiler.
find_program(CC_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
set(CC_ARTGEN ${CMAKE_BINARY_DIR}/host/ccartgen)
add_custom_command(OUTPUT ${CC_ARTGEN}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${CC_HOST_CXX} -std=c++17 -O1 -Wall -Wextra -Werror -o ${CC_ARTGEN}
            ${CMAKE_SOURCE_DIR}/resources/art/ccartgen.cpp
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/art/ccartgen.cpp
    COMMENT "Building the art generator for the host" VERBATIM)

# cc_art(<target> <rc source> <art set>): builds every picture of
# resources/art/<set> into <build>/art/<set>, where the resource script finds
# them by plain file name.
function(cc_art target rc set)
    file(GLOB arts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/art/${set}/*.txt)
    set(dir ${CMAKE_BINARY_DIR}/art/${set})
    set(outs)
    foreach(a ${arts})
        get_filename_component(n ${a} NAME)
        string(REGEX REPLACE "\\.txt$" "" n ${n})
        add_custom_command(OUTPUT ${dir}/${n}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
            COMMAND ${CC_ARTGEN} ${a} ${dir}/${n}
            DEPENDS ${CC_ARTGEN} ${a} VERBATIM)
        list(APPEND outs ${dir}/${n})
    endforeach()
    target_sources(${target} PRIVATE ${outs})
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${outs})
    set_property(SOURCE ${rc} APPEND PROPERTY INCLUDE_DIRECTORIES ${dir})
endfunction()

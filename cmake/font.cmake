# The Dot-Matrix typeface: resources/fonts/dotmatrix.txt (the glyph table)
# turned into <build>/bin/DotMatrix.ttf by scripts/make_font.py with fontTools,
# rebuilt when the table or the script changes. The glyph table is copied
# beside it for the test that checks the drawn dots. The demo installation
# copies the font beside the libraries (tools/demo/install_libs.cmake).

# Debian's python3-fonttools installs for the system's own interpreter, which
# need not be the first python3 on PATH: take the first one that has fontTools.
if(NOT CC_FONT_PYTHON)
    find_program(CC_PY_SYSTEM python3 PATHS /usr/bin NO_DEFAULT_PATH)
    find_program(CC_PY_PATH python3)
    foreach(py ${CC_PY_SYSTEM} ${CC_PY_PATH})
        execute_process(COMMAND ${py} -c "import fontTools.fontBuilder"
                        RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
        if(rc EQUAL 0)
            set(CC_FONT_PYTHON ${py} CACHE FILEPATH "Python 3 with fontTools, builds DotMatrix.ttf")
            break()
        endif()
    endforeach()
    if(NOT CC_FONT_PYTHON)
        message(FATAL_ERROR "fontTools is missing: the Dot-Matrix font cannot be built. "
                            "Install Debian's python3-fonttools (sh scripts/bootstrap.sh), "
                            "or pass -DCC_FONT_PYTHON=<python3 with fontTools>.")
    endif()
endif()

set(CC_FONT_TABLE ${CMAKE_SOURCE_DIR}/resources/fonts/dotmatrix.txt)
set(CC_FONT_FILE ${CMAKE_BINARY_DIR}/bin/DotMatrix.ttf)
add_custom_command(OUTPUT ${CC_FONT_FILE} ${CMAKE_BINARY_DIR}/bin/dotmatrix.txt
    COMMAND ${CC_FONT_PYTHON} ${CMAKE_SOURCE_DIR}/scripts/make_font.py ${CC_FONT_TABLE} ${CC_FONT_FILE}
    COMMAND ${CMAKE_COMMAND} -E copy ${CC_FONT_TABLE} ${CMAKE_BINARY_DIR}/bin/dotmatrix.txt
    DEPENDS ${CC_FONT_TABLE} ${CMAKE_SOURCE_DIR}/scripts/make_font.py
    COMMENT "Building the Dot-Matrix font" VERBATIM)
add_custom_target(cc_font ALL DEPENDS ${CC_FONT_FILE})

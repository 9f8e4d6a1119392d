# The SDK for panel applications: import libraries made from the export lists
# (undecorated names), and the install tree with its package config. A 32-bit
# and a 64-bit build install into one tree side by side:
#   32-bit build            64-bit build
#   bin/                    bin64/              KERV_CC.DLL, KERV_CC09.DLL, DotMatrix.ttf,
#                                               ccpanel and ccpanel.exe
#   <system>/windows/lib/   <system>64/windows/lib/
#                                               the same, laid out as the system path expects
#                                               (CC_ROOT = the prefix, CC_SYSTEM = <system>
#                                               or <system>64)
#   lib/                    lib64/              import libraries (.dll.a, and _delay.a bound
#                                               at the first call) and the .def files
#   include/kerv_cc.h                           shared
#   lib/cmake/KervCC/       KervCCConfig.cmake, KervCCConfigVersion.cmake (shared, the
#                           same from either build), KervCC-32.cmake / KervCC-64.cmake
#                           (each build's folders)
set(CC_SDK_VERSION 1.2.2)
set(CC_INSTALL_SYSTEM studio CACHE STRING
    "System folder of the installed 32-bit system path (CC_SYSTEM); the 64-bit build's has 64 appended")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CC_SDK_BITS 64)
    set(CC_INSTALL_SUFFIX 64)
else()
    set(CC_SDK_BITS 32)
    set(CC_INSTALL_SUFFIX "")
endif()
# This build's folders in the tree (used by tools/panel too).
set(CC_INSTALL_BINDIR bin${CC_INSTALL_SUFFIX})
set(CC_INSTALL_LIBDIR lib${CC_INSTALL_SUFFIX})
set(CC_SDK_SYSTEM ${CC_INSTALL_SYSTEM}${CC_INSTALL_SUFFIX})
set(CC_IMPLIB_DIR ${CMAKE_BINARY_DIR}/implib)

file(MAKE_DIRECTORY ${CC_IMPLIB_DIR})
set(CC_IMPLIBS)
foreach(name kerv_cc kerv_cc09)
    string(TOUPPER ${name} dll)
    set(def ${CC_DEF_DIR}/${name}.def)
    set(lib ${CC_IMPLIB_DIR}/lib${name}.dll.a)
    set(delay ${CC_IMPLIB_DIR}/lib${name}_delay.a)
    add_custom_command(OUTPUT ${lib} ${delay}
        # Relative output names: the archive's internal symbols are made from them.
        COMMAND ${CMAKE_DLLTOOL} --kill-at -d ${def} -D ${dll}.DLL -l lib${name}.dll.a
        COMMAND ${CMAKE_DLLTOOL} --kill-at -d ${def} -D ${dll}.DLL -y lib${name}_delay.a
        WORKING_DIRECTORY ${CC_IMPLIB_DIR} DEPENDS ${def} VERBATIM)
    list(APPEND CC_IMPLIBS ${lib} ${delay})
    install(FILES $<TARGET_FILE:${name}> DESTINATION ${CC_INSTALL_BINDIR})
    install(FILES $<TARGET_FILE:${name}> DESTINATION ${CC_SDK_SYSTEM}/windows/lib)
    install(FILES ${def} DESTINATION ${CC_INSTALL_LIBDIR})
endforeach()
add_custom_target(cc_implibs ALL DEPENDS ${CC_IMPLIBS})

install(FILES ${CC_IMPLIBS} DESTINATION ${CC_INSTALL_LIBDIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/DotMatrix.ttf DESTINATION ${CC_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/DotMatrix.ttf DESTINATION ${CC_SDK_SYSTEM}/windows/lib)
install(FILES ${CMAKE_SOURCE_DIR}/include/kerv_cc.h DESTINATION include)

include(CMakePackageConfigHelpers)
configure_file(${CMAKE_SOURCE_DIR}/cmake/KervCCConfig.cmake.in ${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfig.cmake @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/sdkconfig/KervCC-${CC_SDK_BITS}.cmake.new
    "# The ${CC_SDK_BITS}-bit build's folders in the tree (read by KervCCConfig.cmake).\n"
    "set(_kervcc_bindir ${CC_INSTALL_BINDIR})\n"
    "set(_kervcc_libdir ${CC_INSTALL_LIBDIR})\n"
    "set(_kervcc_system ${CC_SDK_SYSTEM})\n")
configure_file(${CMAKE_BINARY_DIR}/sdkconfig/KervCC-${CC_SDK_BITS}.cmake.new
    ${CMAKE_BINARY_DIR}/sdkconfig/KervCC-${CC_SDK_BITS}.cmake COPYONLY)
# Either word size's version file accepts a consumer of the other: the config
# picks the consumer's build, or says that the tree lacks it.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfigVersion.cmake
    VERSION ${CC_SDK_VERSION} COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES ${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfig.cmake ${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfigVersion.cmake
    ${CMAKE_BINARY_DIR}/sdkconfig/KervCC-${CC_SDK_BITS}.cmake DESTINATION lib/cmake/KervCC)

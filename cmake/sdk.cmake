# The SDK for panel applications: import libraries made from the export lists
# (undecorated stdcall names), and the install tree with its package config:
#   bin/                        KERV_CC.DLL, KERV_CC09.DLL, DotMatrix.ttf
#   <system>/windows/lib/       the same, laid out as the system path expects
#                               (CC_ROOT = the prefix, CC_SYSTEM = <system>)
#   lib/                        import libraries (.dll.a, and _delay.a bound at
#                               the first call) and the .def files
#   include/kerv_cc.h
#   lib/cmake/KervCC/           KervCCConfig.cmake, KervCCConfigVersion.cmake
set(CC_SDK_VERSION 1.2.2)
set(CC_INSTALL_SYSTEM studio CACHE STRING "System folder of the installed system path (CC_SYSTEM)")
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
    install(FILES $<TARGET_FILE:${name}> DESTINATION bin)
    install(FILES $<TARGET_FILE:${name}> DESTINATION ${CC_INSTALL_SYSTEM}/windows/lib)
    install(FILES ${def} DESTINATION lib)
endforeach()
add_custom_target(cc_implibs ALL DEPENDS ${CC_IMPLIBS})

install(FILES ${CC_IMPLIBS} DESTINATION lib)
install(FILES ${CMAKE_BINARY_DIR}/bin/DotMatrix.ttf DESTINATION bin)
install(FILES ${CMAKE_BINARY_DIR}/bin/DotMatrix.ttf DESTINATION ${CC_INSTALL_SYSTEM}/windows/lib)
install(FILES ${CMAKE_SOURCE_DIR}/include/kerv_cc.h DESTINATION include)

include(CMakePackageConfigHelpers)
configure_file(${CMAKE_SOURCE_DIR}/cmake/KervCCConfig.cmake.in ${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfig.cmake @ONLY)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfigVersion.cmake
    VERSION ${CC_SDK_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfig.cmake ${CMAKE_BINARY_DIR}/sdkconfig/KervCCConfigVersion.cmake
    DESTINATION lib/cmake/KervCC)

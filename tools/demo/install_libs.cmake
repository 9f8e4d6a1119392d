# Copies KERV_CC.DLL and the numbered siblings KERV_CC<n>.DLL from FROM to TO.
file(MAKE_DIRECTORY ${TO})
file(GLOB libs LIST_DIRECTORIES false ${FROM}/KERV_CC*.DLL)
foreach(lib ${libs})
    get_filename_component(name ${lib} NAME)
    if(name MATCHES "^KERV_CC[0-9]*\\.DLL$")
        file(COPY_FILE ${lib} ${TO}/${name} ONLY_IF_DIFFERENT)
    endif()
endforeach()

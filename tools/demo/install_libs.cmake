# Copies KERV_CC.DLL, the numbered siblings KERV_CC<n>.DLL and the Dot-Matrix
# font DotMatrix.ttf from FROM to TO.
file(MAKE_DIRECTORY ${TO})
file(COPY_FILE ${FROM}/DotMatrix.ttf ${TO}/DotMatrix.ttf ONLY_IF_DIFFERENT)
file(GLOB libs LIST_DIRECTORIES false ${FROM}/KERV_CC*.DLL)
foreach(lib ${libs})
    get_filename_component(name ${lib} NAME)
    if(name MATCHES "^KERV_CC[0-9]*\\.DLL$")
        file(COPY_FILE ${lib} ${TO}/${name} ONLY_IF_DIFFERENT)
    endif()
endforeach()

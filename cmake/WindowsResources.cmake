# Resources of the Windows images we build: one .rc template filled in for
# each, with the icon made from the program's drawing.
#
#   zornalit_windows_resources(target "file description")
#
# Does nothing elsewhere than on Windows.

set(ZORNALIT_PRODUCT_NAME "Зорналит")
set(ZORNALIT_PUBLISHER "Зорналит")

if(WIN32)
    enable_language(RC)
    # The icon tool runs on the build machine: in a cross build it is built
    # for the host beforehand and named here.
    if(CMAKE_CROSSCOMPILING)
        set(ZORNALIT_MAKE_ICON "" CACHE FILEPATH "make_icon built for the build machine")
        if(NOT EXISTS "${ZORNALIT_MAKE_ICON}")
            message(FATAL_ERROR "Для сборки под Windows нужен make_icon для этой машины: "
                "укажите его в ZORNALIT_MAKE_ICON (tools/windows/build.sh собирает его сам).")
        endif()
        set(make_icon "${ZORNALIT_MAKE_ICON}")
    else()
        set(make_icon "$<TARGET_FILE:make_icon>")
    endif()
    set(ZORNALIT_ICON_FILE "${CMAKE_BINARY_DIR}/zornalit.ico")
    set(icon_drawing "${PROJECT_SOURCE_DIR}/app/resources/icon.svg")
    add_custom_command(OUTPUT "${ZORNALIT_ICON_FILE}"
        COMMAND "${make_icon}" "${icon_drawing}" "${ZORNALIT_ICON_FILE}"
        DEPENDS "${icon_drawing}" "${ZORNALIT_MAKE_ICON}"
        VERBATIM)
    add_custom_target(zornalit_icon_file DEPENDS "${ZORNALIT_ICON_FILE}")
endif()

function(zornalit_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    get_target_property(type ${target} TYPE)
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    set(manifest "${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest")
    if(type STREQUAL "EXECUTABLE")
        set(ZORNALIT_FILE_TYPE VFT_APP)
        set(ZORNALIT_ORIGINAL_NAME "${output_name}.exe")
        # 1 is the manifest a program is started with (24: RT_MANIFEST).
        set(ZORNALIT_MANIFEST_LINE "1 24 \"${manifest}\"")
    else()
        # A library's manifest would only set up side-by-side loading for
        # its own calls; the process's settings are the program's.
        set(ZORNALIT_FILE_TYPE VFT_DLL)
        set(ZORNALIT_ORIGINAL_NAME "${output_name}.dll")
        set(ZORNALIT_MANIFEST_LINE "")
    endif()
    set(ZORNALIT_FILE_DESCRIPTION "${description}")
    set(ZORNALIT_INTERNAL_NAME "${output_name}")
    set(ZORNALIT_VERSION_MINOR "${PROJECT_VERSION_MINOR}")
    set(ZORNALIT_VERSION_PATCH "${PROJECT_VERSION_PATCH}")
    if(ZORNALIT_VERSION_MINOR STREQUAL "")
        set(ZORNALIT_VERSION_MINOR 0)
    endif()
    if(ZORNALIT_VERSION_PATCH STREQUAL "")
        set(ZORNALIT_VERSION_PATCH 0)
    endif()
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/windows/resources.rc.in" "${rc}" @ONLY)
    target_sources(${target} PRIVATE "${rc}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${ZORNALIT_ICON_FILE};${manifest}")
    add_dependencies(${target} zornalit_icon_file)
endfunction()

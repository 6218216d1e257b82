# amberlow_embed_bitmaps(NAME DIRECTORY)
# Builds every <id>.bmp of DIRECTORY into a target NAME that a binary links to load them by id:
# on Windows a resource script compiled by windres into the binary's own resources, elsewhere a
# table of the files' bytes that the headless back end finds at start-up.
function(amberlow_embed_bitmaps name directory)
    file(GLOB candidates CONFIGURE_DEPENDS "${directory}/*.bmp")
    set(bitmaps "")
    set(ids "")
    foreach(file IN LISTS candidates)
        get_filename_component(id "${file}" NAME_WE)
        if(id MATCHES "^[0-9]+$")
            list(APPEND bitmaps "${file}")
            list(APPEND ids "${id}")
        endif()
    endforeach()

    if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
        add_library(${name} INTERFACE)
        # windres refuses a script without resources.
        if(NOT bitmaps)
            return()
        endif()
        set(script "")
        foreach(file id IN ZIP_LISTS bitmaps ids)
            string(APPEND script "${id} BITMAP \"${file}\"\n")
        endforeach()
        set(rc "${CMAKE_CURRENT_BINARY_DIR}/${name}.rc")
        set(object "${CMAKE_CURRENT_BINARY_DIR}/${name}.res.o")
        file(CONFIGURE OUTPUT "${rc}" CONTENT "${script}")
        add_custom_command(OUTPUT "${object}"
            COMMAND ${CMAKE_RC_COMPILER} -O coff -i "${rc}" -o "${object}"
            DEPENDS "${rc}" ${bitmaps}
            COMMENT "Compiling bitmap resources ${name}")
        add_custom_target(${name}_compile DEPENDS "${object}")
        target_link_libraries(${name} INTERFACE "${object}")
        add_dependencies(${name} ${name}_compile)
    else()
        set(symbols "")
        set(entries "")
        foreach(file id IN ZIP_LISTS bitmaps ids)
            string(APPEND symbols
                "asm(\".section .rodata\\n.balign 4\\nbitmap_${id}:\\n.incbin \\\"${file}\\\"\\n"
                "bitmap_${id}_end:\\n.previous\\n\");\n"
                "extern \"C\" __attribute__((visibility(\"hidden\"))) const unsigned char bitmap_${id}[];\n"
                "extern \"C\" __attribute__((visibility(\"hidden\"))) const unsigned char bitmap_${id}_end[];\n")
            string(APPEND entries "    {${id}, bitmap_${id}, static_cast<std::size_t>(bitmap_${id}_end - bitmap_${id})},\n")
        endforeach()
        set(source "// Generated: the bitmaps of ${directory}.\n#include \"toolkit/platform/headless/embedded_bitmaps.h\"\n")
        if(bitmaps)
            string(APPEND source "\n${symbols}\nnamespace {\nconst toolkit::headless::EmbeddedBitmap table[] = {\n${entries}};\n"
                "const bool registered =\n    (toolkit::headless::registerEmbeddedBitmaps(table, std::size(table)), true);\n}\n")
            string(PREPEND source "#include <iterator>\n")
        endif()
        set(cpp "${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp")
        file(CONFIGURE OUTPUT "${cpp}" CONTENT "${source}" @ONLY)
        set_source_files_properties("${cpp}" PROPERTIES OBJECT_DEPENDS "${bitmaps}")
        add_library(${name} OBJECT "${cpp}")
        target_link_libraries(${name} PUBLIC amberlow_toolkit_platform)
        amberlow_warnings(${name})
    endif()
endfunction()

# Warnings and build options shared by every target of the project.

function(sw_project_options target)
    if(MSVC)
        # C4996: GetVersionExA and other calls the Windows SDK marks deprecated.
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /wd4996)
        target_compile_definitions(${target} PRIVATE _CRT_SECURE_NO_WARNINGS)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -pedantic-errors)
    endif()
    if(WIN32)
        target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX
                                                     _WIN32_WINNT=0x0501)
    endif()
    if(SW_SANITIZE AND NOT WIN32)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# MinGW: link the compiler's runtime statically so that nothing but the
# system's own DLLs is needed beside the programs.
function(sw_static_runtime target)
    if(MINGW)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()

# Exports through a .def file of decorated stdcall names (Name@bytes). MinGW
# exports them undecorated with --kill-at, and dlltool rewrites the import
# library so that callers' decorated references still resolve to the plain
# names; Visual Studio's linker takes the plain names and does both itself.
# 64-bit Windows has one calling convention and no decoration: there the
# plain names are all there is.
function(sw_export_definitions target def_file)
    if(MSVC OR CMAKE_SIZEOF_VOID_P EQUAL 8)
        file(READ ${def_file} definitions)
        string(REGEX REPLACE "@[0-9]+" "" definitions "${definitions}")
        get_filename_component(name ${def_file} NAME)
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name} "${definitions}")
        target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name})
    else()
        target_sources(${target} PRIVATE ${def_file})
        target_link_options(${target} PRIVATE -Wl,--kill-at)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_DLLTOOL} --kill-at --def ${def_file}
                    --dllname $<TARGET_FILE_NAME:${target}> --output-lib $<TARGET_LINKER_FILE:${target}>
            VERBATIM)
    endif()
endfunction()

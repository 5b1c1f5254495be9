# Warnings, definitions and link options of every target of the project, set
# once for the whole tree: each folder's targets inherit them.

if(MSVC)
    # C4996: GetVersionExA and other calls the Windows SDK marks deprecated.
    add_compile_options(/W4 /WX /permissive- /wd4996)
    add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
else()
    add_compile_options(-Wall -Wextra -Werror -pedantic-errors)
endif()

if(WIN32)
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
endif()

# MinGW: the compiler's runtime is linked statically, so that nothing but the
# system's own DLLs is needed beside the programs.
if(MINGW)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# The host build of the portable core runs its tests under AddressSanitizer
# and UBSan.
if(SW_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments all code for coverage; each fuzz target links
# libFuzzer's driver itself.
if(SW_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

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

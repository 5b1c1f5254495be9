# sw_program_resources(target): compiles the resources of swutil.exe (menu,
# strings, dialog templates) into the target. windres reports no included
# files to the build, so the dialog scripts and the id header are listed as
# dependencies here: editing one of them rebuilds the resources.
set(SW_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(sw_program_resources target)
    file(GLOB dialog_scripts CONFIGURE_DEPENDS ${SW_RESOURCE_DIR}/dialogs/*.rc)
    set_source_files_properties(${SW_RESOURCE_DIR}/swutil.rc PROPERTIES
        OBJECT_DEPENDS "${dialog_scripts};${SW_RESOURCE_DIR}/resource.h;${SW_RESOURCE_DIR}/toolbar.bmp;${SW_RESOURCE_DIR}/program.ico")
    target_sources(${target} PRIVATE ${SW_RESOURCE_DIR}/swutil.rc)
endfunction()

# sw_program_manifest(target): the programs' manifest (resources/spoolwright.manifest)
# compiled into the target.
function(sw_program_manifest target)
    set_source_files_properties(${SW_RESOURCE_DIR}/manifest.rc PROPERTIES
        OBJECT_DEPENDS "${SW_RESOURCE_DIR}/spoolwright.manifest")
    target_sources(${target} PRIVATE ${SW_RESOURCE_DIR}/manifest.rc)
endfunction()

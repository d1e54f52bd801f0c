# ormane_warnings: the warning flags every target of the project builds with.
add_library(ormane_warnings INTERFACE)
target_compile_options(ormane_warnings INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${ORMANE_WERROR}>:-Werror>)

# ormane_version: the generated header "ormane/version.h" (title, executable name, version).
configure_file(${CMAKE_SOURCE_DIR}/cmake/templates/version.h.in
               ${CMAKE_BINARY_DIR}/generated/ormane/version.h @ONLY)
add_library(ormane_version INTERFACE)
target_include_directories(ormane_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

# ormane_publish(<target> <folder> [<entry>...]): the target's sources and its users include
# its headers as "<folder>/x.h", and reach no other folder through it. The build tree's
# include/<target>/ holds only a link named after the folder (or, given entries, a folder of
# links to those entries alone), so that including a layer the target does not link fails
# at build time instead of quietly climbing the floors.
function(ormane_publish target folder)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    if(ARGN)
        set(links)
        foreach(entry IN LISTS ARGN)
            list(APPEND links ${folder}/${entry})
        endforeach()
    else()
        set(links ${folder})
    endif()
    foreach(link IN LISTS links)
        get_filename_component(parent ${root}/${link} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        if(NOT IS_SYMLINK ${root}/${link})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${link} ${root}/${link} SYMBOLIC)
        endif()
    endforeach()
    get_target_property(kind ${target} TYPE)
    if(kind STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
    else()
        target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
    endif()
endfunction()

# The WebAssembly build, made with emscripten (emcmake cmake ...): every layer below the Qt
# binding, the web binding, and the tests of the numeric core and the number layer, which
# run under Node. libbasfun is linked into the module behind the same entry point.
set(ORMANE_BUILD_GUI OFF CACHE BOOL "No Qt in the WebAssembly build" FORCE)
set(ORMANE_BUILD_BENCHMARKS OFF CACHE BOOL "No benchmarks in the WebAssembly build" FORCE)

# emscripten's JavaScript optimiser needs Debian's acorn module (node-acorn), which a Node.js
# other than Debian's own does not look for where Debian puts it.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# Without it a throw ends the module: the numeric core traps its failures as exceptions.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)

# em++ searches only its own system folder: Debian's Boost and nlohmann_json headers through
# a folder that holds nothing else (not the whole of /usr/include, whose C library is not
# the module's).
set(ormane_debian_headers ${CMAKE_BINARY_DIR}/debian-headers)
file(MAKE_DIRECTORY ${ormane_debian_headers})
foreach(library boost nlohmann)
    if(NOT EXISTS ${ormane_debian_headers}/${library})
        file(CREATE_LINK /usr/include/${library} ${ormane_debian_headers}/${library} SYMBOLIC)
    endif()
endforeach()

# The packages the native build finds on the system, found here instead (find_package reads
# these before looking anywhere else): the header-only ones as targets on that folder.
function(ormane_header_package package target)
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${package}-config.cmake "
if(NOT TARGET ${target})
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES \"${ormane_debian_headers}\"
        INTERFACE_INCLUDE_DIRECTORIES \"${ormane_debian_headers}\")
endif()
set(${package}_FOUND TRUE)
")
endfunction()
ormane_header_package(boost Boost::headers)
ormane_header_package(nlohmann_json nlohmann_json::nlohmann_json)

# GoogleTest compiled from Debian's sources (its libraries are native code).
file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/gtest-config.cmake [=[
if(NOT TARGET GTest::gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
set(GTest_FOUND TRUE)
]=])
foreach(package boost nlohmann_json gtest)
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${package}-config-version.cmake
         "set(PACKAGE_VERSION 99)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
endforeach()

# The tests run under Node, reading their data files from the real file system. Node 20
# would fetch the .wasm as a URL: the emscripten 3.1.6 loader predates its fetch.
find_program(ORMANE_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORMANE_NODE} --no-experimental-fetch)
set(ORMANE_TEST_LINK_OPTIONS -sNODERAWFS=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1)

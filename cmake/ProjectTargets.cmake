# ormane_warnings: the warning flags every target of the project builds with.
add_library(ormane_warnings INTERFACE)
target_compile_options(ormane_warnings INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${ORMANE_WERROR}>:-Werror>)

# ormane_version: the generated header "ormane/version.h" (title, executable name, version).
configure_file(${CMAKE_SOURCE_DIR}/cmake/templates/version.h.in
               ${CMAKE_BINARY_DIR}/generated/ormane/version.h @ONLY)
add_library(ormane_version INTERFACE)
target_include_directories(ormane_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

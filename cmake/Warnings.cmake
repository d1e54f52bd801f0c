# ormane_warnings: the warning flags every target of the project builds with.
add_library(ormane_warnings INTERFACE)
target_compile_options(ormane_warnings INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${ORMANE_WERROR}>:-Werror>)

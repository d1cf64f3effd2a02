# Warnings for every target of the project; they are errors in the Debug build.
add_library(lexel_warnings INTERFACE)
target_compile_options(lexel_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    $<$<CONFIG:Debug>:-Werror>)

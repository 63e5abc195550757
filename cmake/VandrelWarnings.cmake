# Compiler warnings and sanitizers shared by every target of the project.

add_library(vandrel_warnings INTERFACE)
target_compile_options(vandrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wformat=2
    $<$<BOOL:${VANDREL_WERROR}>:-Werror>)

if(VANDREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

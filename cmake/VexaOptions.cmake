# Project-wide compile settings, applied to every target through vexa_options.
add_library(vexa_options INTERFACE)
target_compile_options(vexa_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>
    $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra>)
if(VEXA_WERROR)
    target_compile_options(vexa_options INTERFACE -Werror)
endif()
if(VEXA_SANITIZE)
    target_compile_options(vexa_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(vexa_options INTERFACE -fsanitize=address,undefined)
endif()

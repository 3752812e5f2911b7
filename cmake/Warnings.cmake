# Warnings, warnings as errors (CI) and sanitizers, for every target of the project.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wpedantic)
    if(SENTARI_WERROR)
        add_compile_options(-Werror)
    endif()
endif()

if(SENTARI_SANITIZE)
    list(JOIN SENTARI_SANITIZE "," sanitizers)
    # A finding ends the program, so a test that trips one fails instead of printing and passing.
    add_compile_options(-fsanitize=${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${sanitizers})
endif()

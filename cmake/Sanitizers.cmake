# ORMANE_SANITIZE: the whole build (libraries, tests, programs) under ASan and UBSan.
if(ORMANE_SANITIZE)
    set(ormane_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                              -fno-omit-frame-pointer)
    add_compile_options(${ormane_sanitize_flags})
    add_link_options(${ormane_sanitize_flags})
endif()

# Installs a build into PREFIX and checks that the installed program stands on its own: the
# files where the desktop and the program look for them, nothing from the build tree in
# its search paths, and the installed executable computing and opening its window.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder to use> -DICON_SIZES=<list> -P install_check.cmake
file(REMOVE_RECURSE ${PREFIX})

function(run_or_fail)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 60)
    if(NOT code EQUAL 0)
        file(REMOVE_RECURSE ${PREFIX})
        message(FATAL_ERROR "${ARGN}\nexit code ${code}\n--- stdout\n${out}--- stderr\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

function(fail message)
    file(REMOVE_RECURSE ${PREFIX})
    message(FATAL_ERROR "${message}")
endfunction()

run_or_fail(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

# Only the product is installed: no test program, benchmark or build tool.
file(GLOB programs RELATIVE ${PREFIX}/bin ${PREFIX}/bin/*)
if(NOT programs STREQUAL "ormane")
    fail("bin/ holds \"${programs}\", not just ormane")
endif()
file(GLOB libraries RELATIVE ${PREFIX}/lib/ormane ${PREFIX}/lib/ormane/*)
if(NOT libraries STREQUAL "libbasfun.so")
    fail("lib/ormane/ holds \"${libraries}\", not just libbasfun.so")
endif()

set(expected
    share/ormane/help/style.css share/ormane/help/22.html share/ormane/help/en/11.html
    share/ormane/help/fr/1.html share/applications/ormane.desktop
    share/metainfo/io.github.ormane.Ormane.metainfo.xml
    share/icons/hicolor/scalable/apps/ormane.svg share/doc/ormane/copyright
    share/man/man1/ormane.1.gz)
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        fail("${file} is not installed")
    endif()
endforeach()
file(GLOB_RECURSE checks ${PREFIX}/share/ormane/help/checks/*)
if(checks)
    fail("the help pages' own checks are installed: ${checks}")
endif()
file(READ ${PREFIX}/share/doc/ormane/copyright copyright)
if(NOT copyright MATCHES "\nLicense: Expat\n Permission is hereby granted")
    fail("share/doc/ormane/copyright does not carry the licence:\n${copyright}")
endif()

# The manual page is compressed (gzip's signature), as Debian wants, and is the page of this
# version.
set(man_page ${PREFIX}/share/man/man1/ormane.1.gz)
file(READ ${man_page} head LIMIT 2 HEX)
if(NOT head STREQUAL "1f8b")
    fail("${man_page} is not compressed with gzip (starts ${head})")
endif()
find_program(GZIP gzip REQUIRED)
run_or_fail(${GZIP} -dc ${man_page})
if(NOT out MATCHES "\n\\.TH ORMANE 1 [^\n]*\"Ormane 2\\.1\\.0\"")
    fail("${man_page} is not the manual page of ormane 2.1.0:\n${out}")
endif()

# Each icon is a PNG of its size: the PNG signature, then the header chunk's width and height.
foreach(size IN LISTS ICON_SIZES)
    set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/ormane.png)
    if(NOT EXISTS ${icon})
        fail("no ${size}x${size} icon")
    endif()
    file(READ ${icon} head LIMIT 24 HEX)
    math(EXPR expected_side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${expected_side}" 2 -1 side)
    string(LENGTH "${side}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    string(TOLOWER "89504e470d0a1a0a0000000d49484452${zeros}${side}${zeros}${side}" header)
    if(NOT head STREQUAL header)
        fail("${icon} is not a ${size}x${size} PNG (starts ${head})")
    endif()
endforeach()

# No search path into the build tree is left in what was installed.
find_program(READELF readelf REQUIRED)
foreach(binary bin/ormane lib/ormane/libbasfun.so)
    run_or_fail(${READELF} --dynamic ${PREFIX}/${binary})
    if(out MATCHES "R(UN)?PATH")
        fail("${binary} keeps a library search path:\n${out}")
    endif()
endforeach()

# The installed program finds libbasfun in ../lib/ormane (the default example's prep needs
# it), its window opens and stays up on Qt's offscreen platform, and no setting of the
# person running the tests is read or written.
unset(ENV{LD_LIBRARY_PATH})
set(ENV{XDG_CONFIG_HOME} ${PREFIX}/config)
run_or_fail(${PREFIX}/bin/ormane --version)
if(NOT out MATCHES "2\\.1\\.0")
    fail("ormane --version says: ${out}")
endif()
run_or_fail(${PREFIX}/bin/ormane compute --json)
if(NOT out MATCHES "\"prep\": 0\\.7716258")
    fail("ormane compute --json gives no prep for the default example:\n${out}")
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${PREFIX}/bin/ormane RESULT_VARIABLE code OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 3)
if(NOT code MATCHES "timeout")
    fail("the installed window did not stay open: exit ${code}\n${out}${err}")
endif()

file(REMOVE_RECURSE ${PREFIX})

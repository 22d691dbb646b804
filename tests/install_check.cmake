# What `cmake --install` puts on a machine: both programs, the launcher and the icon.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch prefix> -P install_check.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

include(GNUInstallDirs)
foreach(program quorvex qvx)
    set(path ${PREFIX}/${CMAKE_INSTALL_BINDIR}/${program})
    if(NOT EXISTS ${path} OR IS_DIRECTORY ${path})
        message(FATAL_ERROR "no ${path}")
    endif()
endforeach()

set(launcher ${PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/quorvex.desktop)
set(icon ${PREFIX}/${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/quorvex.svg)
foreach(path ${launcher} ${icon})
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "no ${path}")
    endif()
endforeach()

# The launcher starts the installed program by name (a file it is given opens at start)
# and names the icon installed beside it.
file(STRINGS ${launcher} lines)
foreach(expected "[Desktop Entry]" "Type=Application" "Name=Quorvex" "Exec=quorvex %f"
                 "Icon=quorvex" "Terminal=false")
    list(FIND lines "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${launcher} lacks the line \"${expected}\"")
    endif()
endforeach()
list(GET lines 0 first)
if(NOT first STREQUAL "[Desktop Entry]")
    message(FATAL_ERROR "${launcher} does not open with its group header")
endif()

file(READ ${icon} picture)
if(NOT picture MATCHES "<svg[^>]*viewBox=")
    message(FATAL_ERROR "${icon} is not a scalable picture")
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, then checks the layout the installed program
# relies on and validates its desktop entry as the desktop's menus will read it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/kotsu libexec/kotsu/kotsu-jet-reader share/applications/kotsu.desktop
          share/icons/hicolor/scalable/apps/kotsu.svg share/icons/hicolor/48x48/apps/kotsu.png
          share/man/man1/kotsu.1.gz)
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/kotsu.desktop"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${rc}\n${out}")
endif()

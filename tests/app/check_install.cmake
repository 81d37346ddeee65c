# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, then checks the layout the installed program
# relies on, that no folder of the build machine is in its programs, and its desktop entry
# as the desktop's menus will read it.
file(REMOVE_RECURSE "${PREFIX}")
# Installed as the one component there is, so the manifest written is not the build
# folder's install_manifest.txt, from which a real `cmake --install` is undone.
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                        --component Unspecified
                RESULT_VARIABLE rc OUTPUT_QUIET)
file(REMOVE "${BUILD}/install_manifest_Unspecified.txt")
if(rc)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/kotsu libexec/kotsu/kotsu-jet-reader share/applications/kotsu.desktop
          share/icons/hicolor/scalable/apps/kotsu.svg share/icons/hicolor/48x48/apps/kotsu.png
          share/man/man1/kotsu.1.gz share/doc/kotsu/copyright share/doc/kotsu/changelog.gz)
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()

# A path of this machine in a program is a place it may look in on another machine, where
# anyone could create it. Qt keeps string literals in UTF-16, hence both encodings.
foreach(program bin/kotsu libexec/kotsu/kotsu-jet-reader)
    file(READ "${PREFIX}/${program}" bytes HEX)
    foreach(folder "${SOURCE}" "${BUILD}")
        string(HEX "${folder}" utf8)
        string(REGEX REPLACE "(..)" "\\100" utf16 "${utf8}")
        foreach(encoded utf8 utf16)
            string(FIND "${bytes}" "${${encoded}}" at)
            if(NOT at EQUAL -1)
                message(FATAL_ERROR "${program} holds ${folder} (${encoded})")
            endif()
        endforeach()
    endforeach()
endforeach()

find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/kotsu.desktop"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${rc}\n${out}")
endif()

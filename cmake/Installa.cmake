# SPDX-License-Identifier: GPL-3.0-or-later
# Installing. The program finds its word lists and sounds beside its own file,
# so it gets a folder of its own, <prefix>/lib/sequenzio, and the command on PATH
# is a link into it (the program resolves links to find home). The word lists
# are the teacher's to edit, so they live under the configuration folder
# (/etc/sequenzio/testi for a /usr install, where the package manager keeps an
# edited list on upgrade) and testi beside the program is a link to them. A
# read-only copy of the lists as shipped stays in the data folder, because the
# package manager does not bring back a list the teacher deleted: the checker
# says the command that copies one back.
# The Debian package is made by debian/rules from these same rules.

if(WIN32)
    # Windows: one folder, as the installer and the portable zip ship it. The
    # lists also come as a read-only copy, so a teacher can always get the
    # shipped ones back; Notepad opens the guide and the licence as .txt.
    install(TARGETS sequenzio sequenzio-elenchi sequenzio-elenchi-console sequenzio-lim
            RUNTIME DESTINATION .)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/suoni ${PROJECT_SOURCE_DIR}/data/testi
            DESTINATION .)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/testi/ DESTINATION testi-originali)
    target_compile_definitions(sequenzio-elenchi PRIVATE SEQUENZIO_ORIGINALI="testi-originali")
    install(FILES ${PROJECT_SOURCE_DIR}/LEGGIMI.md DESTINATION . RENAME LEGGIMI.txt)
    install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION . RENAME LICENZA.txt)
    return()
endif()

include(GNUInstallDirs)

set(SEQUENZIO_ID it.sequenzio.Sequenzio)
set(SEQUENZIO_CARTELLA lib/sequenzio CACHE STRING
    "Folder, under the prefix, holding the program with its testi/ and suoni/")
set(SEQUENZIO_PACCHETTO ${PROJECT_SOURCE_DIR}/packaging)
# GNUInstallDirs sends a /usr install's configuration to /etc, not /usr/etc; any
# other prefix keeps its own etc, so cmake --install --prefix can still move it.
if(CMAKE_INSTALL_FULL_SYSCONFDIR STREQUAL "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_SYSCONFDIR}")
    set(SEQUENZIO_ELENCHI ${CMAKE_INSTALL_SYSCONFDIR}/sequenzio)
else()
    set(SEQUENZIO_ELENCHI ${CMAKE_INSTALL_FULL_SYSCONFDIR}/sequenzio)
endif()

# The icon is the letters picture of the title window, enlarged pixel by pixel.
add_executable(sequenzio_icona ${SEQUENZIO_PACCHETTO}/icona.cpp)
target_link_libraries(sequenzio_icona PRIVATE sequenzio_finestre)
set(SEQUENZIO_LATI_ICONA 16 22 24 32 48 64 128 256)
set(icone)
foreach(lato IN LISTS SEQUENZIO_LATI_ICONA)
    set(icona ${PROJECT_BINARY_DIR}/icone/${lato}x${lato}/${SEQUENZIO_ID}.png)
    add_custom_command(OUTPUT ${icona}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icone/${lato}x${lato}
        # A sanitized build runs the tool too; Qt's one-off allocations are no fault of it.
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:sequenzio_icona> ${icona} ${lato}
        DEPENDS sequenzio_icona
        COMMENT "Drawing the ${lato}x${lato} application icon"
        VERBATIM)
    list(APPEND icone ${icona})
    install(FILES ${icona} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps)
endforeach()
add_custom_target(sequenzio_icone ALL DEPENDS ${icone})

# The list checker stands beside the program, so it reads the same testi; the
# whiteboard start, so it starts that very program.
install(TARGETS sequenzio sequenzio-elenchi sequenzio-lim RUNTIME DESTINATION ${SEQUENZIO_CARTELLA})
# The voice's module, which the program opens from its own folder.
if(TARGET sequenzio_voce_qt)
    install(TARGETS sequenzio_voce_qt LIBRARY DESTINATION ${SEQUENZIO_CARTELLA})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/suoni DESTINATION ${SEQUENZIO_CARTELLA})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/testi DESTINATION ${SEQUENZIO_ELENCHI})
set(SEQUENZIO_ORIGINALI ${CMAKE_INSTALL_DATADIR}/sequenzio/testi-originali)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/testi/ DESTINATION ${SEQUENZIO_ORIGINALI})
# Found from the checker's own folder, so a moved prefix keeps working.
file(RELATIVE_PATH originali_dal_programma /prefisso/${SEQUENZIO_CARTELLA}
     /prefisso/${SEQUENZIO_ORIGINALI})
target_compile_definitions(sequenzio-elenchi PRIVATE
                           SEQUENZIO_ORIGINALI="${originali_dal_programma}")

# Links are made at install time, when the prefix is final (cmake --install
# --prefix may change it). One inside the prefix is relative, so the tree keeps
# working wherever it is unpacked (DESTDIR); one leaving it, as /usr/lib to /etc,
# is absolute, as Debian wants links between top-level folders.
install(CODE [[
    function(sequenzio_collega destinazione origine)
        foreach(percorso destinazione origine)
            if(NOT IS_ABSOLUTE "${${percorso}}")
                set(${percorso} "${CMAKE_INSTALL_PREFIX}/${${percorso}}")
            endif()
        endforeach()
        cmake_path(IS_PREFIX CMAKE_INSTALL_PREFIX "${destinazione}" NORMALIZE interna)
        if(interna)
            cmake_path(GET origine PARENT_PATH sopra)
            file(RELATIVE_PATH destinazione "${sopra}" "${destinazione}")
        endif()
        set(origine "$ENV{DESTDIR}${origine}")
        if(IS_DIRECTORY "${origine}" AND NOT IS_SYMLINK "${origine}")
            # An older install kept the lists there: they may be edited, so
            # nothing is thrown away.
            message(FATAL_ERROR "${origine} is a folder: move what you need from it to "
                                "${destinazione}, remove it and install again")
        endif()
        message(STATUS "Installing: ${origine} -> ${destinazione}")
        cmake_path(GET origine PARENT_PATH sopra)
        file(MAKE_DIRECTORY "${sopra}")
        file(REMOVE "${origine}")
        file(CREATE_LINK "${destinazione}" "${origine}" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${origine}")
        set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
    endfunction()
]])
install(CODE "
    sequenzio_collega(\"${SEQUENZIO_CARTELLA}/sequenzio\" \"${CMAKE_INSTALL_BINDIR}/sequenzio\")
    sequenzio_collega(\"${SEQUENZIO_CARTELLA}/sequenzio-elenchi\"
                      \"${CMAKE_INSTALL_BINDIR}/sequenzio-elenchi\")
    sequenzio_collega(\"${SEQUENZIO_CARTELLA}/sequenzio-lim\" \"${CMAKE_INSTALL_BINDIR}/sequenzio-lim\")
    sequenzio_collega(\"${SEQUENZIO_ELENCHI}/testi\" \"${SEQUENZIO_CARTELLA}/testi\")
")

install(FILES ${SEQUENZIO_PACCHETTO}/${SEQUENZIO_ID}.desktop
              ${SEQUENZIO_PACCHETTO}/it.sequenzio.Elenchi.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SEQUENZIO_PACCHETTO}/${SEQUENZIO_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LEGGIMI.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sequenzio)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sequenzio
    FILES_MATCHING PATTERN "*.png")

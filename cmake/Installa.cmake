# SPDX-License-Identifier: GPL-3.0-or-later
# Installing and packaging. The program finds its word lists and sounds beside
# its own file, so it gets a folder of its own, <prefix>/lib/sequenzio, and the
# command on PATH is a link into it (the program resolves links to find home).

include(GNUInstallDirs)

set(SEQUENZIO_ID it.sequenzio.Sequenzio)
set(SEQUENZIO_CARTELLA lib/sequenzio CACHE STRING
    "Folder, under the prefix, holding the program with its testi/ and suoni/")
set(SEQUENZIO_PACCHETTO ${PROJECT_SOURCE_DIR}/packaging)

# The icon is the letters picture of the title window, enlarged pixel by pixel.
add_executable(sequenzio_icona ${SEQUENZIO_PACCHETTO}/icona.cpp)
target_link_libraries(sequenzio_icona PRIVATE sequenzio_schermi)
set(SEQUENZIO_LATI_ICONA 32 64 128)
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

install(TARGETS sequenzio RUNTIME DESTINATION ${SEQUENZIO_CARTELLA})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/testi ${PROJECT_SOURCE_DIR}/data/suoni
    DESTINATION ${SEQUENZIO_CARTELLA})

# A relative link keeps working wherever the tree is unpacked (DESTDIR, CPack).
file(RELATIVE_PATH verso_programma /${CMAKE_INSTALL_BINDIR} /${SEQUENZIO_CARTELLA}/sequenzio)
install(CODE "
    set(lanciatore \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sequenzio\")
    message(STATUS \"Installing: \${lanciatore} -> ${verso_programma}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${lanciatore}\")
    file(CREATE_LINK \"${verso_programma}\" \"\${lanciatore}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${lanciatore}\")
")

install(FILES ${SEQUENZIO_PACCHETTO}/${SEQUENZIO_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SEQUENZIO_PACCHETTO}/${SEQUENZIO_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sequenzio)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sequenzio
    FILES_MATCHING PATTERN "*.png")

# Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME sequenzio)
set(CPACK_PACKAGE_VENDOR "${SEQUENZIO_AUTORE}")
set(CPACK_PACKAGE_CONTACT "${SEQUENZIO_AUTORE} <${SEQUENZIO_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alphabetical order exercises for Italian children")
set(CPACK_PACKAGE_DESCRIPTION
    "Sequenzio is a small exercise program for children learning Italian: the pupil puts \
the letters of the alphabet, or words, into alphabetical order by clicking tiles. Four \
exercises; teachers can replace the word lists.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What the libraries linked in do not say: the font the windows ask for (Arial,
# met by its metric twin Liberation Sans), the Italian texts of Qt's own buttons
# and the platform plugins.
set(sequenzio_a_tempo_di_esecuzione "fonts-liberation, qt6-translations-l10n, qt6-qpa-plugins")
find_program(SEQUENZIO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(SEQUENZIO_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${sequenzio_a_tempo_di_esecuzione}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), libstdc++6, libc6, \
${sequenzio_a_tempo_di_esecuzione}")
endif()
include(CPack)

# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks the folder a user gets:
#   cmake -DBUILD=<build folder> -DSORGENTI=<source folder> -P tst_installazione.cmake
# Every fault found is listed before the test fails. The install goes through
# DESTDIR as a package build does, so a build configured for /usr and /etc (the
# Debian one) writes nothing outside the scratch folder either.

cmake_minimum_required(VERSION 3.21)

set(id it.sequenzio.Sequenzio)
set(radice ${BUILD}/tst_installazione)
set(prefisso ${radice}/prefisso)
set(cartella ${prefisso}/lib/sequenzio)
set(guasti)

macro(guasto testo)
    list(APPEND guasti "${testo}")
endmacro()

file(REMOVE_RECURSE ${radice})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${radice}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /prefisso
    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${esito}):\n${uscita}")
endif()

# The program, a plain file, with no link back into the build tree.
set(programma ${cartella}/sequenzio)
if(NOT EXISTS ${programma} OR IS_SYMLINK ${programma} OR IS_DIRECTORY ${programma})
    guasto("no program file at ${programma}")
else()
    file(READ_ELF ${programma} RPATH rpath RUNPATH runpath)
    foreach(percorso IN LISTS rpath runpath)
        string(FIND "${percorso}" "${BUILD}" dentro)
        if(NOT dentro EQUAL -1)
            guasto("the installed program still looks for libraries in ${percorso}")
        endif()
    endforeach()
    execute_process(COMMAND test -x ${programma} RESULT_VARIABLE eseguibile)
    if(NOT eseguibile EQUAL 0)
        guasto("${programma} is not executable")
    endif()
endif()

# No executable, built or installed, looks for libraries in a folder that
# depends on where it is started from: the loader reads an empty or relative
# entry of its search path against the current folder. Entries are absolute or
# start at the executable's own folder.
file(GLOB_RECURSE eseguibili LIST_DIRECTORIES false ${BUILD}/*)
list(FILTER eseguibili EXCLUDE REGEX "/CMakeFiles/|\\.(o|a|cpp|h|txt|cmake|wav|png|json)$")
foreach(eseguibile IN LISTS eseguibili)
    # Links are skipped: the files they lead to are listed too, and the one to
    # the lists leaves the scratch folder in a /usr install.
    if(IS_SYMLINK ${eseguibile})
        continue()
    endif()
    file(READ ${eseguibile} firma LIMIT 4 HEX)
    if(NOT firma STREQUAL "7f454c46")
        continue()
    endif()
    unset(rpath) # left untouched when the file has none
    unset(runpath)
    file(READ_ELF ${eseguibile} RPATH rpath RUNPATH runpath)
    foreach(voce rpath runpath)
        if(NOT DEFINED ${voce})
            continue()
        endif()
        string(TOUPPER ${voce} nome)
        # CMake hands the entries over as a list.
        string(REPLACE ";" ":" percorso "${${voce}}")
        if(percorso MATCHES "(^|:)(:|$)")
            guasto("${eseguibile}: ${nome} [${percorso}] holds an empty entry")
        endif()
        foreach(cartella_libri IN LISTS ${voce})
            if(NOT cartella_libri STREQUAL ""
               AND NOT cartella_libri MATCHES "^(/|\\$ORIGIN(/|$)|\\$\\{ORIGIN\\}(/|$))")
                guasto("${eseguibile}: ${nome} [${percorso}] holds the relative entry ${cartella_libri}")
            endif()
        endforeach()
    endforeach()
endforeach()

# The launchers on PATH must lead to those very files, the list checker's and
# the whiteboard start's too.
foreach(nome sequenzio sequenzio-elenchi sequenzio-lim)
    set(lanciatore ${prefisso}/bin/${nome})
    if(NOT IS_SYMLINK ${lanciatore})
        guasto("no link at ${lanciatore}")
    elseif(NOT EXISTS ${cartella}/${nome})
        guasto("missing ${cartella}/${nome}")
    else()
        file(REAL_PATH ${lanciatore} arrivo)
        file(REAL_PATH ${cartella}/${nome} atteso)
        if(NOT arrivo STREQUAL atteso)
            guasto("${lanciatore} leads to ${arrivo}, not to ${atteso}")
        endif()
        file(READ_SYMLINK ${lanciatore} bersaglio)
        if(IS_ABSOLUTE "${bersaglio}")
            guasto("${lanciatore} points to the absolute ${bersaglio}: it breaks once unpacked elsewhere")
        endif()
    endif()
endforeach()

# testi beside the program leads to the lists in a configuration folder, where
# the package manager keeps a teacher's edits: relative inside the prefix, so
# the tree can move, absolute only when it leaves the prefix (/usr to /etc).
set(elenchi ${cartella}/testi)
if(NOT IS_SYMLINK ${cartella}/testi)
    guasto("${cartella}/testi is not a link to the lists")
else()
    file(READ_SYMLINK ${cartella}/testi bersaglio)
    if(IS_ABSOLUTE "${bersaglio}")
        string(FIND "${bersaglio}" "/prefisso/" dentro)
        if(dentro EQUAL 0)
            guasto("${cartella}/testi points to the absolute ${bersaglio} inside the prefix")
        endif()
        set(elenchi ${radice}${bersaglio})
    else()
        file(REAL_PATH ${bersaglio} elenchi BASE_DIRECTORY ${cartella})
    endif()
    if(NOT elenchi MATCHES "/etc/sequenzio/testi$" OR NOT IS_DIRECTORY ${elenchi}
       OR IS_SYMLINK ${elenchi})
        guasto("${cartella}/testi leads to ${elenchi}, not to a folder etc/sequenzio/testi")
    endif()
endif()

# Every word list and sound, byte for byte, and nothing the program does not read.
set(liste)
foreach(famiglia_quante a:11 b:10 c:10)
    string(REPLACE ":" ";" coppia ${famiglia_quante})
    list(GET coppia 0 famiglia)
    list(GET coppia 1 quante)
    foreach(n RANGE 1 ${quante})
        list(APPEND liste testi/${famiglia}${n}.txt)
    endforeach()
endforeach()
list(LENGTH liste quante_liste)
if(NOT quante_liste EQUAL 31)
    guasto("the test itself expects 31 lists, it built ${quante_liste}")
endif()
set(suoni suoni/no.wav suoni/si1.wav suoni/si2.wav suoni/si3.wav suoni/si4.wav)
set(dove_testi ${elenchi})
set(dove_suoni ${cartella}/suoni)
foreach(dato IN LISTS liste suoni)
    string(REGEX REPLACE "^([a-z]+)/(.*)$" "\\1;\\2" parti ${dato})
    list(GET parti 0 sotto)
    list(GET parti 1 nome)
    set(installato ${dove_${sotto}}/${nome})
    if(NOT EXISTS ${installato})
        guasto("missing ${installato}")
    else()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
            ${SORGENTI}/data/${dato} ${installato} RESULT_VARIABLE diversi)
        if(NOT diversi EQUAL 0)
            guasto("${installato} differs from data/${dato}")
        endif()
    endif()
endforeach()
set(installati)
foreach(sotto testi suoni)
    file(GLOB_RECURSE trovati RELATIVE ${dove_${sotto}} ${dove_${sotto}}/*)
    list(TRANSFORM trovati PREPEND ${sotto}/)
    list(APPEND installati ${trovati})
endforeach()
list(REMOVE_ITEM installati ${liste} ${suoni})
if(installati)
    guasto("unexpected files among the lists and sounds: ${installati}")
endif()

# The lists as shipped stay in the data folder too, and the installed checker
# finds them there to tell how a deleted list comes back.
set(originali ${prefisso}/share/sequenzio/testi-originali)
foreach(dato IN LISTS liste)
    string(REPLACE "testi/" "" nome ${dato})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
        ${SORGENTI}/data/${dato} ${originali}/${nome} RESULT_VARIABLE diversi)
    if(NOT diversi EQUAL 0)
        guasto("${originali}/${nome} is not a copy of data/${dato}")
    endif()
endforeach()
file(REMOVE ${elenchi}/a1.txt)
# The lists are named: a link to /etc leads outside the scratch folder. No
# speech service is asked for a voice: under the sanitizers reading its list
# of voices takes minutes.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ASAN_OPTIONS=detect_leaks=0 SPEECHD_ADDRESS=unix_socket:/nessuna/presa
                        ${cartella}/sequenzio-elenchi ${elenchi}
    OUTPUT_VARIABLE rapporto ERROR_VARIABLE rapporto)
string(FIND "${rapporto}" "cp ${originali}/a1.txt " ripristino)
if(ripristino EQUAL -1)
    guasto("with a1.txt deleted the installed checker does not say how to copy it back:\n${rapporto}")
endif()

# Desktop entry and metainfo: where desktops look, naming each other and the icon.
set(desktop ${prefisso}/share/applications/${id}.desktop)
set(metainfo ${prefisso}/share/metainfo/${id}.metainfo.xml)
if(NOT EXISTS ${desktop})
    guasto("missing ${desktop}")
else()
    file(STRINGS ${desktop} righe)
    foreach(attesa "Exec=sequenzio" "Exec=sequenzio-lim" "Icon=${id}" "Type=Application"
                   "Name[it]=Sequenzio")
        if(NOT attesa IN_LIST righe)
            guasto("${desktop} lacks the line ${attesa}")
        endif()
    endforeach()
    set(categorie)
    foreach(riga IN LISTS righe)
        if(riga MATCHES "^Categories=(.*)$")
            set(categorie "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    foreach(categoria Education Languages)
        if(NOT categoria IN_LIST categorie)
            guasto("${desktop} is not in the ${categoria} category (${categorie})")
        endif()
    endforeach()
    find_program(desktop_file_validate desktop-file-validate)
    if(desktop_file_validate)
        execute_process(COMMAND ${desktop_file_validate} ${desktop}
                                ${prefisso}/share/applications/it.sequenzio.Elenchi.desktop
            RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
        if(NOT esito EQUAL 0 OR uscita)
            guasto("desktop-file-validate: ${uscita}")
        endif()
    endif()
endif()
if(NOT EXISTS ${metainfo})
    guasto("missing ${metainfo}")
else()
    file(READ ${metainfo} testo)
    foreach(attesa "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
                   "<binary>sequenzio</binary>")
        string(FIND "${testo}" "${attesa}" dove)
        if(dove EQUAL -1)
            guasto("${metainfo} lacks ${attesa}")
        endif()
    endforeach()
    find_program(appstreamcli appstreamcli)
    if(appstreamcli)
        execute_process(COMMAND ${appstreamcli} validate --no-net --no-color ${metainfo}
            RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
        if(NOT esito EQUAL 0)
            guasto("appstreamcli validate: ${uscita}")
        endif()
    endif()
endif()

# The icons: PNG files whose header says the size their folder promises.
foreach(lato 16 22 24 32 48 64 128 256)
    set(icona ${prefisso}/share/icons/hicolor/${lato}x${lato}/apps/${id}.png)
    if(NOT EXISTS ${icona})
        guasto("missing ${icona}")
        continue()
    endif()
    file(READ ${icona} testa LIMIT 24 HEX)
    string(SUBSTRING "${testa}" 0 16 firma)
    string(SUBSTRING "${testa}" 24 8 blocco)
    string(SUBSTRING "${testa}" 32 8 larghezza)
    string(SUBSTRING "${testa}" 40 8 altezza)
    math(EXPR larghezza "0x${larghezza}")
    math(EXPR altezza "0x${altezza}")
    if(NOT firma STREQUAL "89504e470d0a1a0a" OR NOT blocco STREQUAL "49484452")
        guasto("${icona} is not a PNG file")
    elseif(NOT larghezza EQUAL lato OR NOT altezza EQUAL lato)
        guasto("${icona} is ${larghezza}x${altezza}")
    endif()
endforeach()

if(guasti)
    list(JOIN guasti "\n  " elenco)
    message(FATAL_ERROR "The installed program is not complete:\n  ${elenco}")
endif()
file(REMOVE_RECURSE ${radice})
message(STATUS "Installed layout checked in ${radice}")

# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer: makensis -DVERSIONE=x.y.z -DCARTELLA=<installed folder>
#   -DICONA=<sequenzio.ico> -DUSCITA=<setup.exe> sequenzio.nsi
# Installs for every user of the machine in Program Files, with testi and suoni
# beside the program as on Linux, and a read-only copy of the lists as shipped.
# Uninstalling keeps every list a teacher changed or added, as the Debian
# package keeps its edited configuration files.
# A 64-bit installer: the program is 64-bit only, and Windows itself turns
# such a file away on a 32-bit system.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
SetCompressorDictSize 64
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh

!define NOME "Sequenzio"
!define EDITORE "Il gruppo di Sequenzio"
!define CHIAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sequenzio"

Name "${NOME}"
OutFile "${USCITA}"
InstallDir "$PROGRAMFILES64\${NOME}"
InstallDirRegKey HKLM "${CHIAVE}" "InstallLocation"
BrandingText "${NOME} ${VERSIONE}"
VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=1040 "ProductName" "${NOME}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${NOME}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "CompanyName" "${EDITORE}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ABORTWARNING
# The programs' own icon on the installer and the uninstaller too.
!define MUI_ICON "${ICONA}"
!define MUI_UNICON "${ICONA}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\sequenzio.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Avvia Sequenzio"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "Sequenzio"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${CARTELLA}\*.*"
    # The shipped lists stay as they came, so that a teacher can always get one back.
    FindFirst $0 $1 "$INSTDIR\testi-originali\*.txt"
    ${DoWhile} $1 != ""
        SetFileAttributes "$INSTDIR\testi-originali\$1" READONLY
        FindNext $0 $1
    ${Loop}
    FindClose $0

    WriteUninstaller "$INSTDIR\disinstalla.exe"
    CreateDirectory "$SMPROGRAMS\${NOME}"
    CreateShortcut "$SMPROGRAMS\${NOME}\Sequenzio.lnk" "$INSTDIR\sequenzio.exe"
    CreateShortcut "$SMPROGRAMS\${NOME}\Sequenzio su lavagna (LIM).lnk" "$INSTDIR\sequenzio-lim.exe" \
        "" "$INSTDIR\sequenzio.exe"
    CreateShortcut "$SMPROGRAMS\${NOME}\Controlla gli elenchi di Sequenzio.lnk" \
        "$INSTDIR\sequenzio-elenchi.exe" "--finestra"
    CreateShortcut "$SMPROGRAMS\${NOME}\Guida (LEGGIMI).lnk" "$INSTDIR\LEGGIMI.txt"

    WriteRegStr HKLM "${CHIAVE}" "DisplayName" "${NOME}"
    WriteRegStr HKLM "${CHIAVE}" "DisplayVersion" "${VERSIONE}"
    WriteRegStr HKLM "${CHIAVE}" "Publisher" "${EDITORE}"
    WriteRegStr HKLM "${CHIAVE}" "DisplayIcon" "$INSTDIR\sequenzio.exe"
    WriteRegStr HKLM "${CHIAVE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${CHIAVE}" "UninstallString" '"$INSTDIR\disinstalla.exe"'
    WriteRegStr HKLM "${CHIAVE}" "QuietUninstallString" '"$INSTDIR\disinstalla.exe" /S'
    WriteRegDWORD HKLM "${CHIAVE}" "NoModify" 1
    WriteRegDWORD HKLM "${CHIAVE}" "NoRepair" 1
    WriteRegDWORD HKLM "${CHIAVE}" "EstimatedSize" ${KIB}
SectionEnd

# $R0 becomes 1 when the files $R1 and $R2 hold the same bytes, else 0.
Function un.Uguali
    StrCpy $R0 0
    ClearErrors
    FileOpen $R3 $R1 r
    ${If} ${Errors}
        Return
    ${EndIf}
    FileOpen $R4 $R2 r
    ${If} ${Errors}
        FileClose $R3
        Return
    ${EndIf}
    FileSeek $R3 0 END $R5
    FileSeek $R4 0 END $R6
    ${If} $R5 == $R6
        FileSeek $R3 0 SET
        FileSeek $R4 0 SET
        StrCpy $R0 1
        ${DoWhile} $R5 > 0
            FileReadByte $R3 $R7
            FileReadByte $R4 $R8
            ${If} $R7 != $R8
                StrCpy $R0 0
                ${Break}
            ${EndIf}
            IntOp $R5 $R5 - 1
        ${Loop}
    ${EndIf}
    FileClose $R4
    FileClose $R3
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    # A list still as it was shipped goes; a changed or added one stays.
    FindFirst $0 $1 "$INSTDIR\testi-originali\*.txt"
    ${DoWhile} $1 != ""
        StrCpy $R1 "$INSTDIR\testi\$1"
        StrCpy $R2 "$INSTDIR\testi-originali\$1"
        Call un.Uguali
        ${If} $R0 == 1
            Delete "$INSTDIR\testi\$1"
        ${EndIf}
        SetFileAttributes "$INSTDIR\testi-originali\$1" NORMAL
        Delete "$INSTDIR\testi-originali\$1"
        FindNext $0 $1
    ${Loop}
    FindClose $0
    RMDir "$INSTDIR\testi-originali"
    RMDir "$INSTDIR\testi"
    RMDir /r "$INSTDIR\suoni"
    Delete "$INSTDIR\sequenzio.exe"
    Delete "$INSTDIR\sequenzio-elenchi.exe"
    Delete "$INSTDIR\sequenzio-elenchi.com"
    Delete "$INSTDIR\sequenzio-lim.exe"
    Delete "$INSTDIR\LEGGIMI.txt"
    Delete "$INSTDIR\LICENZA.txt"
    Delete "$INSTDIR\disinstalla.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${NOME}\*.lnk"
    RMDir "$SMPROGRAMS\${NOME}"
    DeleteRegKey HKLM "${CHIAVE}"
SectionEnd

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileRegolare.h"

#include <QDir>

#include <array>

#include <windows.h>

FileRegolare FileRegolare::leggi(const QString& percorso, qsizetype massimo) {
    FileRegolare file;
    const QString nativo = QDir::toNativeSeparators(percorso);
    // Shared for writing and deleting, so that a teacher's editor saving the
    // file meanwhile is never refused; a folder does not open this way.
    const HANDLE maniglia =
        CreateFileW(reinterpret_cast<const wchar_t*>(nativo.utf16()), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (maniglia == INVALID_HANDLE_VALUE) {
        const DWORD errore = GetLastError();
        file.esito = errore == ERROR_FILE_NOT_FOUND || errore == ERROR_PATH_NOT_FOUND
                         ? Esito::Mancante
                         : Esito::Illeggibile;
        return file;
    }
    // The handle is checked, not the name: a pipe or a console device put in a
    // list's place is turned away before a read could wait on it.
    file.esito = Esito::Illeggibile;
    if (GetFileType(maniglia) != FILE_TYPE_DISK) {
        CloseHandle(maniglia);
        return file;
    }
    // One byte past the bound tells whether the file goes on.
    std::array<char, 1 << 16> blocco;
    while (file.dati.size() <= massimo) {
        const qsizetype chiesti = qMin<qsizetype>(blocco.size(), massimo + 1 - file.dati.size());
        DWORD letti = 0;
        if (!ReadFile(maniglia, blocco.data(), DWORD(chiesti), &letti, nullptr)) {
            CloseHandle(maniglia);
            file.dati.clear();
            return file;
        }
        if (letti == 0)
            break;
        file.dati.append(blocco.data(), qsizetype(letti));
    }
    CloseHandle(maniglia);
    file.troncato = file.dati.size() > massimo;
    if (file.troncato)
        file.dati.truncate(massimo);
    file.esito = Esito::Letto;
    return file;
}

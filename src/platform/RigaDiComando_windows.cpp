// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RigaDiComando.h"

#include <QByteArray>
#include <QDir>

#include <windows.h>

namespace {

bool valida(HANDLE maniglia) {
    return maniglia != nullptr && maniglia != INVALID_HANDLE_VALUE;
}

void scriviSu(DWORD quale, QStringView testo) {
    const HANDLE maniglia = GetStdHandle(quale);
    if (!valida(maniglia) || testo.isEmpty())
        return;
    DWORD modo = 0;
    DWORD scritti = 0;
    if (GetConsoleMode(maniglia, &modo)) {
        // A console window shows UTF-16 as it is, whatever its code page.
        WriteConsoleW(maniglia, testo.utf16(), DWORD(testo.size()), &scritti, nullptr);
        return;
    }
    // A file or pipe gets the console's code page, which is what cmd's "type"
    // and PowerShell read it back with; UTF-8 where there is no console.
    UINT pagina = GetConsoleOutputCP();
    if (pagina == 0)
        pagina = CP_UTF8;
    const auto sorgente = reinterpret_cast<const wchar_t*>(testo.utf16());
    const int lunghezza =
        WideCharToMultiByte(pagina, 0, sorgente, int(testo.size()), nullptr, 0, nullptr, nullptr);
    QByteArray byte(lunghezza, Qt::Uninitialized);
    WideCharToMultiByte(pagina, 0, sorgente, int(testo.size()), byte.data(), lunghezza, nullptr,
                        nullptr);
    WriteFile(maniglia, byte.constData(), DWORD(byte.size()), &scritti, nullptr);
}

void apriConsole(DWORD quale) {
    if (valida(GetStdHandle(quale)))
        return; // given by whoever started the program: a file, a pipe, a console
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (valida(console))
        SetStdHandle(quale, console);
}

} // namespace

bool RigaDiComando::terminale() {
    // A program built for the desktop has no console of its own; started from
    // cmd or PowerShell it joins theirs. Already having one is as good.
    if (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED) {
        apriConsole(STD_OUTPUT_HANDLE);
        apriConsole(STD_ERROR_HANDLE);
    }
    return valida(GetStdHandle(STD_OUTPUT_HANDLE));
}

bool RigaDiComando::schermo() {
    return true; // every Windows session has its desktop
}

void RigaDiComando::senzaFinestre() {}

bool RigaDiComando::argomentoIntatto(const QString&, int, const char* const*) {
    // Qt reads the arguments from the UTF-16 command line: nothing is lost.
    return true;
}

QString RigaDiComando::comandoCopia(const QString& file, const QString& cartella,
                                    bool amministratore) {
    const QString comando =
        QStringLiteral("copy \"%1\" \"%2\\\"")
            .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(cartella));
    return amministratore ? comando + QStringLiteral(" (nel Prompt dei comandi aperto con \"Esegui "
                                                     "come amministratore\")")
                          : comando;
}

QString RigaDiComando::comandoModificaDaAmministratore(const QString& file) {
    return QStringLiteral("notepad \"%1\" nel Prompt dei comandi aperto con \"Esegui come "
                          "amministratore\"")
        .arg(QDir::toNativeSeparators(file));
}

void RigaDiComando::scrivi(QStringView testo) {
    scriviSu(STD_OUTPUT_HANDLE, testo);
}

void RigaDiComando::scriviErrore(QStringView testo) {
    scriviSu(STD_ERROR_HANDLE, testo);
}

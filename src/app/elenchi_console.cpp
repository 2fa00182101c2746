// SPDX-License-Identifier: GPL-3.0-or-later
// sequenzio-elenchi.com: the list checker for cmd and PowerShell. The checker
// itself is built for the desktop, so that its window opens with no console
// beside it; but a shell does not wait for such a program, nor hand on its exit
// status. Typed as "sequenzio-elenchi", this console program comes first (.com
// before .exe), runs the checker beside it on the same console, waits, and
// ends with its status.

#include <string>

#include <windows.h>

int wmain() {
    std::wstring programma(32768, L'\0');
    const DWORD lunghezza = GetModuleFileNameW(nullptr, programma.data(), DWORD(programma.size()));
    if (lunghezza == 0 || lunghezza >= programma.size())
        return 2;
    programma.resize(lunghezza);
    const std::wstring::size_type punto = programma.rfind(L'.');
    if (punto == std::wstring::npos)
        return 2;
    programma.replace(punto, std::wstring::npos, L".exe");

    // The arguments exactly as typed, after this program's own name.
    const wchar_t* riga = GetCommandLineW();
    bool virgolette = false;
    for (; *riga && (virgolette || (*riga != L' ' && *riga != L'\t')); ++riga) {
        if (*riga == L'"')
            virgolette = !virgolette;
    }
    std::wstring comando = L"\"" + programma + L"\"" + riga;

    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    avvio.dwFlags = STARTF_USESTDHANDLES;
    avvio.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    avvio.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    avvio.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(programma.c_str(), comando.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &avvio, &processo))
        return 2;
    WaitForSingleObject(processo.hProcess, INFINITE);
    DWORD esito = 2;
    GetExitCodeProcess(processo.hProcess, &esito);
    CloseHandle(processo.hThread);
    CloseHandle(processo.hProcess);
    return int(esito);
}

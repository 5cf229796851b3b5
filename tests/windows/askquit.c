/* Asks every running varnholt.exe to quit the way the installer does: the
 * registered message "Varnholt.QuitForInstall", broadcast with the process
 * ID as wParam. Prints how many copies were asked; exits 1 when none runs. */
#include <windows.h>
#include <tlhelp32.h>
#include <stdio.h>

int main(void)
{
    const UINT message = RegisterWindowMessageW(L"Varnholt.QuitForInstall");
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (message == 0 || snapshot == INVALID_HANDLE_VALUE)
        return 2;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    int asked = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, L"varnholt.exe") == 0) {
            PostMessageW(HWND_BROADCAST, message, (WPARAM)entry.th32ProcessID, 0);
            ++asked;
        }
    }
    CloseHandle(snapshot);
    printf("asked %d\n", asked);
    return asked > 0 ? 0 : 1;
}

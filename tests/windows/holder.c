/* Holds a file open the way a running program does on Windows: reading
 * and writing shared, deleting and renaming not (no FILE_SHARE_DELETE).
 *
 *     holder.exe PATH SECONDS
 *
 * Prints "held" once the file is open, then sleeps; exits 1 when the file
 * cannot be opened. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3)
        return 2;
    HANDLE h = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    printf("held\n");
    fflush(stdout);
    Sleep((DWORD)_wtoi(argv[2]) * 1000);
    CloseHandle(h);
    return 0;
}

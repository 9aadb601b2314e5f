// Holds a file open as a viewer, a backup agent or a virus scanner does:
// reading and writing shared with others, its removal and renaming not.
// Prints "held" once the file is open, then keeps it until the file the
// second argument names appears, or for a minute at most, and exits.
//
//   hold-file.exe FILE RELEASE

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("usage: hold-file.exe FILE RELEASE\n", stderr);
        return 2;
    }
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "could not open the file: error %lu\n", GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    for (int tenth = 0; tenth < 600 && GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES; ++tenth)
        Sleep(100);
    CloseHandle(file);
    return 0;
}

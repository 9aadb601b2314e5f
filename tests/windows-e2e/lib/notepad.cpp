// Stands in for Windows' Notepad in the end-to-end checks: appends its own
// command line, exactly as the system hands it over, as one UTF-8 line to
// the file that FAKE_NOTEPAD_LOG names (notepad.log beside itself without
// it), keeps a copy of the file it was asked to open as it was at that
// moment (the log's name, a dot and the call's number), and exits.

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

std::wstring logPath()
{
    wchar_t buffer[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(L"FAKE_NOTEPAD_LOG", buffer, MAX_PATH * 2);
    if (length > 0 && length < MAX_PATH * 2)
        return buffer;
    const DWORD own = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
    std::wstring path(buffer, own);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"notepad.log";
}

// The lines the log holds so far: this call's number less one.
int callsSoFar(const std::wstring& log)
{
    const HANDLE file = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    int lines = 0;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        for (DWORD i = 0; i < got; ++i)
            lines += chunk[i] == '\n';
    }
    CloseHandle(file);
    return lines;
}

} // namespace

int wmain()
{
    const wchar_t* commandLine = GetCommandLineW();
    const std::wstring log = logPath();
    const int call = callsSoFar(log) + 1;

    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, line.data(), size, nullptr, nullptr);
    line += '\n';

    // Everything after the first space is the file, as the program passes it.
    if (const wchar_t* space = std::wcschr(commandLine, L' '))
        CopyFileW(space + 1, (log + L"." + std::to_wstring(call)).c_str(), FALSE);

    const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 1;
}

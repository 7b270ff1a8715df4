// Whole-file reads and writes, folder tests and listings, version resources.
#include <windows.h>
#include <cstdio>

#include "platform/platform.h"

static const LONGLONG kMaxReadBytes = 8LL * 1024 * 1024;   // 8 MiB, inclusive

static std::string code_error(DWORD code) { return "write failed (" + std::to_string((unsigned long)code) + ")"; }

// [SECTION] Whole files
bool read_file_text(const std::string& path, std::string& out)
{
    std::wstring wpath = to_utf16(path);
    HANDLE h = CreateFileW(wpath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(h, &size) || size.QuadPart < 0 || size.QuadPart > kMaxReadBytes) {
        CloseHandle(h);
        return false;
    }
    std::string data((size_t)size.QuadPart, '\0');
    if (size.QuadPart > 0) {
        DWORD got = 0;
        if (!ReadFile(h, &data[0], (DWORD)size.QuadPart, &got, nullptr) || got != (DWORD)size.QuadPart) {
            CloseHandle(h);
            out.clear();
            return false;
        }
    }
    CloseHandle(h);
    out.swap(data);
    return true;
}

// The data goes to a temporary file beside the target, which replaces the target only once every
// byte is written and flushed: a failure at any point leaves the previous file as it was.
bool write_file_text(const std::string& path, const std::string& data, std::string& error)
{
    std::wstring wpath = to_utf16(path);
    if (wpath.empty()) { error = code_error(ERROR_PATH_NOT_FOUND); return false; }

    // A target that another program holds open without sharing, or that we may not write, must fail
    // as a direct exclusive create would, with the system's code. A read-only file is refused
    // explicitly: an administrator's open would ignore the attribute, and the replace must not.
    DWORD attributes = GetFileAttributesW(wpath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        error = code_error(ERROR_ACCESS_DENIED);
        return false;
    }
    HANDLE probe = CreateFileW(wpath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
    } else {
        DWORD code = GetLastError();
        if (code != ERROR_FILE_NOT_FOUND) { error = code_error(code); return false; }
    }

    std::wstring temp = wpath + L".larkspire-tmp";
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) { error = code_error(GetLastError()); return false; }
    bool complete = true;
    size_t done = 0;
    while (done < data.size()) {
        DWORD chunk = (DWORD)((data.size() - done) > 0x40000000 ? 0x40000000 : (data.size() - done));
        DWORD wrote = 0;
        if (!WriteFile(h, data.data() + done, chunk, &wrote, nullptr) || wrote == 0) { complete = false; break; }
        done += wrote;
    }
    if (complete && !FlushFileBuffers(h)) complete = false;
    CloseHandle(h);
    if (!complete) {
        DeleteFileW(temp.c_str());
        error = "incomplete write";
        return false;
    }
    if (!MoveFileExW(temp.c_str(), wpath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD code = GetLastError();
        DeleteFileW(temp.c_str());
        error = code_error(code);
        return false;
    }
    return true;
}

bool append_text_line(const std::string& path, const std::string& line)
{
    std::wstring wpath = to_utf16(path);
    FILE* f = _wfopen(wpath.c_str(), L"a");   // text mode: each LF is written as CR LF
    if (!f) return false;
    fputs(line.c_str(), f);
    fclose(f);
    return true;
}

// [SECTION] Folders
bool dir_exists(const std::string& path)
{
    DWORD attr = GetFileAttributesW(to_utf16(path).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool file_exists(const std::string& path)
{
    DWORD attr = GetFileAttributesW(to_utf16(path).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool create_directory(const std::string& path, bool* already_exists)
{
    if (already_exists) *already_exists = false;
    if (CreateDirectoryW(to_utf16(path).c_str(), nullptr)) return true;
    if (already_exists) *already_exists = (GetLastError() == ERROR_ALREADY_EXISTS);
    return false;
}

bool delete_file(const std::string& path) { return DeleteFileW(to_utf16(path).c_str()) != 0; }

std::vector<DirEntry> list_directory(const std::string& pattern)
{
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(to_utf16(pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return entries;
    do {
        DirEntry e;
        e.name = to_utf8(fd.cFileName);
        e.is_dir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries.push_back(e);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return entries;
}

// [SECTION] Version resources
bool read_fixed_file_version(const std::string& exe_path, uint32_t& ms, uint32_t& ls)
{
    std::wstring wpath = to_utf16(exe_path);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(wpath.c_str(), &handle);
    if (size == 0) return false;
    std::vector<unsigned char> block(size, 0);
    if (!GetFileVersionInfoW(wpath.c_str(), 0, size, block.data())) return false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(block.data(), L"\\", (void**)&info, &len) || !info || len < sizeof(VS_FIXEDFILEINFO)) return false;
    ms = info->dwFileVersionMS;
    ls = info->dwFileVersionLS;
    return true;
}

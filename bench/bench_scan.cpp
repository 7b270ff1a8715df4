// Detection over many version folders, and a process scan with 20 running stand-ins among 200 other
// top-level windows, against a bare Toolhelp walk over the same processes. Prints figures only.
#include <windows.h>
#include <tlhelp32.h>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "instances/scan.h"
#include "platform/platform.h"
#include "roblox/installations.h"

static double now_ms()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

static size_t bare_walk()
{
    size_t n = 0;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W pe;
    pe.dwSize = sizeof(pe);
    if (Process32FirstW(snap, &pe))
        do n++; while (Process32NextW(snap, &pe));
    CloseHandle(snap);
    return n;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) { fprintf(stderr, "usage: bench_scan <standin.exe> <work folder>\n"); return 2; }
    std::wstring standin = argv[1], work = argv[2];
    const int kFolders = 1000, kPlayers = 20, kWindows = 200, kRuns = 20;

    // Version folders: hard links keep 1,000 copies of the stand-in cheap.
    std::wstring root = work + L"\\Roblox";
    CreateDirectoryW(root.c_str(), nullptr);
    root += L"\\Versions";
    CreateDirectoryW(root.c_str(), nullptr);
    for (int i = 0; i < kFolders; i++) {
        std::wstring folder = root + L"\\version-" + std::to_wstring(100000 + i);
        CreateDirectoryW(folder.c_str(), nullptr);
        std::wstring exe = folder + L"\\RobloxPlayerBeta.exe";
        if (!CreateHardLinkW(exe.c_str(), standin.c_str(), nullptr)) CopyFileW(standin.c_str(), exe.c_str(), FALSE);
    }
    _wputenv((L"LOCALAPPDATA=" + work).c_str());
    _wputenv(L"ProgramFiles=");
    _wputenv(L"ProgramFiles(x86)=");
    double t0 = now_ms();
    std::vector<Installation> found = detect_installations();
    double detect = now_ms() - t0;
    printf("detection over %d version folders: %.1f ms (%zu found)\n", kFolders, detect, found.size());

    // Running players: the first 20 folders' executables, each with its own visible window.
    std::vector<PROCESS_INFORMATION> players;
    for (int i = 0; i < kPlayers; i++) {
        std::wstring exe = root + L"\\version-" + std::to_wstring(100000 + i) + L"\\RobloxPlayerBeta.exe";
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi;
        std::wstring cmd = L"\"" + exe + L"\"";
        if (CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) players.push_back(pi);
    }
    for (int i = 0; i < kWindows; i++)
        CreateWindowExW(0, L"STATIC", (L"other " + std::to_wstring(i)).c_str(), WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 20,
                        nullptr, nullptr, nullptr, nullptr);
    // Give the players time to show their windows.
    for (int tries = 0; tries < 200; tries++) {
        std::vector<InstanceInfo> list = scan_instances();
        size_t shown = 0;
        for (const InstanceInfo& info : list) shown += info.has_window;
        if (shown >= players.size()) break;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(50);
    }
    double scan_total = 0, walk_total = 0;
    size_t listed = 0, processes = 0;
    for (int r = 0; r < kRuns; r++) {
        t0 = now_ms();
        listed = scan_instances().size();
        scan_total += now_ms() - t0;
        t0 = now_ms();
        processes = bare_walk();
        walk_total += now_ms() - t0;
    }
    printf("scan with %zu players among %d other windows: %.2f ms per scan (%zu listed)\n", players.size(), kWindows,
           scan_total / kRuns, listed);
    printf("bare Toolhelp walk over %zu processes: %.2f ms; ratio %.2f (target <= 3)\n", processes, walk_total / kRuns,
           scan_total / walk_total);
    for (PROCESS_INFORMATION& pi : players) {
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 3000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    return 0;
}

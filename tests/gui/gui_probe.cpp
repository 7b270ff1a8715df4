// The window tests' eyes and hands on the Win32 side, where X stacking and mapping do not follow Wine's
// state: reads the launcher window's rectangles and state, restores it, names the foreground window's
// process, and ends a process the test started.
//
//   gui_probe state           window=L,T,R,B client=W,H iconic=0|1 visible=0|1 foreground_pid=N moving=0|1
//   gui_probe restore         ShowWindow(SW_RESTORE) on the launcher window
//   gui_probe kill <pid>      TerminateProcess, waits for the end
//   gui_probe alive <pid>     exit code 0 while the process runs
// Exit code 0 on success, 1 when the window or process is not there.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static HWND launcher_window()
{
    return FindWindowW(L"LarkspireLauncherWindow", nullptr);
}

static int print_state()
{
    HWND hwnd = launcher_window();
    if (!hwnd) return 1;
    RECT w = {}, c = {};
    GetWindowRect(hwnd, &w);
    GetClientRect(hwnd, &c);
    DWORD fg_pid = 0;
    if (HWND fg = GetForegroundWindow()) GetWindowThreadProcessId(fg, &fg_pid);
    // Whether the system's move loop runs for the launcher: a drag of its title strip has begun.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof(gui);
    bool moving = GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &gui) && (gui.flags & GUI_INMOVESIZE);
    std::printf("window=%ld,%ld,%ld,%ld client=%ld,%ld iconic=%d visible=%d foreground_pid=%lu moving=%d\n", w.left,
                w.top, w.right, w.bottom, c.right - c.left, c.bottom - c.top, IsIconic(hwnd) ? 1 : 0,
                IsWindowVisible(hwnd) ? 1 : 0, (unsigned long)fg_pid, moving ? 1 : 0);
    return 0;
}

static int restore()
{
    HWND hwnd = launcher_window();
    if (!hwnd) return 1;
    ShowWindow(hwnd, SW_RESTORE);
    return 0;
}

static int kill_process(DWORD pid)
{
    HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!h) return 1;
    BOOL ok = TerminateProcess(h, 0);
    WaitForSingleObject(h, 5000);
    CloseHandle(h);
    return ok ? 0 : 1;
}

// A process that ended stays openable while another handle to it lives: ask for its exit code.
static int alive(DWORD pid)
{
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!h) return 1;
    DWORD code = 0;
    BOOL ok = GetExitCodeProcess(h, &code);
    CloseHandle(h);
    return ok && code == STILL_ACTIVE ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "state") == 0) return print_state();
    if (argc >= 2 && std::strcmp(argv[1], "restore") == 0) return restore();
    if (argc >= 3 && std::strcmp(argv[1], "kill") == 0) return kill_process((DWORD)std::strtoul(argv[2], nullptr, 10));
    if (argc >= 3 && std::strcmp(argv[1], "alive") == 0) return alive((DWORD)std::strtoul(argv[2], nullptr, 10));
    std::fprintf(stderr, "usage: gui_probe state | restore | kill <pid> | alive <pid>\n");
    return 2;
}

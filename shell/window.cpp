// The window, the Direct3D 11 device, the UI library set-up, the frame loop and the screenshot.
#include "shell/window.h"

#include <windows.h>
#include <d3d11.h>
#include <dwmapi.h>
#include <cstdio>
#include <vector>

#include "imgui.h"
#include "imgui_impl_dx11.h"
#include "imgui_impl_win32.h"

#include "app/app_state.h"
#include "instances/scan.h"
#include "platform/platform.h"
#include "shell/kit.h"
#include "shell/root.h"

extern IMGUI_IMPL_API LRESULT ImGui_ImplWin32_WndProcHandler(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// [SECTION] Fixed values
static const wchar_t* kClassName = L"LarkspireLauncherWindow";
static const wchar_t* kWindowTitle = L"Larkspire's Launcher";
static const DWORD kWindowStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;   // 0x800E0000
static const float kBaseWidth = 1160.0f;
static const float kBaseHeight = 760.0f;
static const DWORD kDwmDarkMode = 20;
static const DWORD kDwmBorderColour = 34;
static const COLORREF kBorderColour = 0x0033242A;
static const float kClearColour[4] = {10.0f / 255.0f, 9.0f / 255.0f, 14.0f / 255.0f, 1.0f};
static const int kShotFrame = 24;
static const uint64_t kScanPeriodMs = 3000;
static const DWORD kHiddenWaitMs = 100;   // poll interval while minimised or occluded

static LRESULT WINAPI window_procedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// [SECTION] Window
bool create_window(void* instance)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_CLASSDC;
    wc.lpfnWndProc = window_procedure;
    wc.hInstance = (HINSTANCE)instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);

    int screen_w = GetSystemMetrics(SM_CXSCREEN);
    int screen_h = GetSystemMetrics(SM_CYSCREEN);
    int w = (int)(kBaseWidth * g_app.ui_scale);
    int h = (int)(kBaseHeight * g_app.ui_scale);
    if (w > screen_w) w = screen_w;
    if (h > screen_h) h = screen_h;
    int x = (screen_w - w) / 2;
    int y = (screen_h - h) / 2;

    HWND hwnd = CreateWindowExW(0, kClassName, kWindowTitle, kWindowStyle, x, y, w, h, nullptr, nullptr, (HINSTANCE)instance, nullptr);
    if (!hwnd) {
        UnregisterClassW(kClassName, (HINSTANCE)instance);
        return false;
    }
    g_app.window = hwnd;
    BOOL dark = TRUE;
    DwmSetWindowAttribute(hwnd, kDwmDarkMode, &dark, sizeof(dark));
    COLORREF border = kBorderColour;
    DwmSetWindowAttribute(hwnd, kDwmBorderColour, &border, sizeof(border));
    return true;
}

void destroy_window(void* instance)
{
    if (g_app.window) DestroyWindow(g_app.window);
    g_app.window = nullptr;
    UnregisterClassW(kClassName, (HINSTANCE)instance);
}

// [SECTION] Device
static HRESULT create_device_with(D3D_DRIVER_TYPE driver)
{
    DXGI_SWAP_CHAIN_DESC sd = {};
    sd.BufferCount = 2;
    sd.BufferDesc.Width = 0;
    sd.BufferDesc.Height = 0;
    sd.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    sd.BufferDesc.RefreshRate.Numerator = 60;
    sd.BufferDesc.RefreshRate.Denominator = 1;
    sd.Flags = DXGI_SWAP_CHAIN_FLAG_ALLOW_MODE_SWITCH;
    sd.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    sd.OutputWindow = g_app.window;
    sd.SampleDesc.Count = 1;
    sd.SampleDesc.Quality = 0;
    sd.Windowed = TRUE;
    sd.SwapEffect = DXGI_SWAP_EFFECT_DISCARD;
    const D3D_FEATURE_LEVEL levels[2] = {D3D_FEATURE_LEVEL_11_0, D3D_FEATURE_LEVEL_10_0};
    D3D_FEATURE_LEVEL obtained;
    return D3D11CreateDeviceAndSwapChain(nullptr, driver, nullptr, 0, levels, 2, D3D11_SDK_VERSION, &sd,
                                         &g_app.swap_chain, &g_app.device, &obtained, &g_app.device_context);
}

bool create_device()
{
    HRESULT hr = create_device_with(D3D_DRIVER_TYPE_HARDWARE);
    if (hr == DXGI_ERROR_UNSUPPORTED)
        hr = create_device_with(D3D_DRIVER_TYPE_WARP);
    if (FAILED(hr))
        return false;
    create_render_target();
    ShowWindow(g_app.window, SW_SHOWDEFAULT);
    UpdateWindow(g_app.window);
    return true;
}

void create_render_target()
{
    ID3D11Texture2D* back = nullptr;
    if (FAILED(g_app.swap_chain->GetBuffer(0, IID_PPV_ARGS(&back))) || !back)
        return;
    g_app.device->CreateRenderTargetView(back, nullptr, &g_app.render_target);
    back->Release();
}

void release_render_target()
{
    if (g_app.render_target) { g_app.render_target->Release(); g_app.render_target = nullptr; }
}

void cleanup_device()
{
    release_render_target();
    if (g_app.swap_chain) { g_app.swap_chain->Release(); g_app.swap_chain = nullptr; }
    if (g_app.device_context) { g_app.device_context->Release(); g_app.device_context = nullptr; }
    if (g_app.device) { g_app.device->Release(); g_app.device = nullptr; }
}

// [SECTION] UI library
void init_ui_library()
{
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
    io.IniFilename = nullptr;
    load_fonts();
    apply_theme();
    ImGui_ImplWin32_Init(g_app.window);
    ImGui_ImplDX11_Init(g_app.device, g_app.device_context);
}

void shutdown_ui_library()
{
    ImGui_ImplDX11_Shutdown();
    ImGui_ImplWin32_Shutdown();
    ImGui::DestroyContext();
}

// [SECTION] Frame loop
static void periodic_scan()
{
    if (g_app.demo_mode) return;
    if (tick_ms() - g_app.last_scan_tick <= kScanPeriodMs) return;
    g_app.instances = scan_instances();
    g_app.last_scan_tick = tick_ms();
}

// A minimised or fully covered window presents at once instead of at vsync, so without a wait
// the loop would spin a whole core. Sleep on the message queue until the window shows again.
static bool window_hidden(bool occluded_last_present)
{
    if (IsIconic(g_app.window)) return true;
    if (!occluded_last_present) return false;
    return g_app.swap_chain->Present(0, DXGI_PRESENT_TEST) == DXGI_STATUS_OCCLUDED;
}

void run_frame_loop(const std::wstring& shot_path)
{
    int frame = 0;
    bool occluded = false;
    for (;;) {
        MSG msg;
        bool quit = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (msg.message == WM_QUIT) quit = true;
        }
        if (quit) break;

        periodic_scan();

        if (shot_path.empty() && window_hidden(occluded)) {
            occluded = true;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kHiddenWaitMs, QS_ALLINPUT);
            continue;
        }
        occluded = false;

        ImGui_ImplDX11_NewFrame();
        ImGui_ImplWin32_NewFrame();
        ImGui::NewFrame();
        draw_root();
        ImGui::Render();

        if (g_app.render_target) {
            g_app.device_context->OMSetRenderTargets(1, &g_app.render_target, nullptr);
            g_app.device_context->ClearRenderTargetView(g_app.render_target, kClearColour);
        }
        ImGui_ImplDX11_RenderDrawData(ImGui::GetDrawData());
        HRESULT hr = g_app.swap_chain->Present(1, 0);
        occluded = (hr == DXGI_STATUS_OCCLUDED);

        ++frame;
        if (!shot_path.empty() && frame >= kShotFrame) {
            write_screenshot(shot_path);
            break;
        }
    }
}

// [SECTION] Window procedure
static LRESULT WINAPI window_procedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (ImGui_ImplWin32_WndProcHandler(hwnd, msg, wparam, lparam))
        return 1;
    switch (msg) {
    case WM_SIZE:
        if (g_app.device && wparam != SIZE_MINIMIZED) {
            release_render_target();
            g_app.swap_chain->ResizeBuffers(0, (UINT)LOWORD(lparam), (UINT)HIWORD(lparam), DXGI_FORMAT_UNKNOWN, 0);
            create_render_target();
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wparam & 0xfff0) == SC_KEYMENU)  // Alt alone must not open the system menu
            return 0;
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

// [SECTION] Screenshot
static void put_u16(unsigned char* p, uint16_t v) { p[0] = (unsigned char)v; p[1] = (unsigned char)(v >> 8); }
static void put_u32(unsigned char* p, uint32_t v) { for (int i = 0; i < 4; i++) p[i] = (unsigned char)(v >> (8 * i)); }

bool write_screenshot(const std::wstring& path)
{
    if (!g_app.swap_chain || !g_app.device || !g_app.device_context || path.empty())
        return false;
    ID3D11Texture2D* back = nullptr;
    if (FAILED(g_app.swap_chain->GetBuffer(0, IID_PPV_ARGS(&back))) || !back)
        return false;
    D3D11_TEXTURE2D_DESC desc;
    back->GetDesc(&desc);
    desc.Usage = D3D11_USAGE_STAGING;
    desc.BindFlags = 0;
    desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
    desc.MiscFlags = 0;
    desc.SampleDesc.Count = 1;
    desc.SampleDesc.Quality = 0;
    ID3D11Texture2D* staging = nullptr;
    if (FAILED(g_app.device->CreateTexture2D(&desc, nullptr, &staging)) || !staging) {
        back->Release();
        return false;
    }
    g_app.device_context->CopyResource(staging, back);
    back->Release();
    D3D11_MAPPED_SUBRESOURCE mapped;
    if (FAILED(g_app.device_context->Map(staging, 0, D3D11_MAP_READ, 0, &mapped))) {
        staging->Release();
        return false;
    }
    bool result = false;
    uint32_t w = desc.Width, h = desc.Height;
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f) {
        unsigned char header[54] = {};
        header[0] = 'B';
        header[1] = 'M';
        put_u32(header + 2, 54 + w * h * 4);
        put_u32(header + 10, 54);
        put_u32(header + 14, 40);
        put_u32(header + 18, w);
        put_u32(header + 22, (uint32_t)(-(int32_t)h));
        put_u16(header + 26, 1);
        put_u16(header + 28, 32);
        put_u32(header + 34, w * h * 4);
        fwrite(header, 1, sizeof(header), f);
        std::vector<unsigned char> row((size_t)w * 4, 0);
        for (uint32_t r = 0; r < h; r++) {
            const unsigned char* src = (const unsigned char*)mapped.pData + (size_t)r * mapped.RowPitch;
            for (uint32_t x = 0; x < w; x++) {
                row[x * 4 + 0] = src[x * 4 + 2];
                row[x * 4 + 1] = src[x * 4 + 1];
                row[x * 4 + 2] = src[x * 4 + 0];
                row[x * 4 + 3] = src[x * 4 + 3];
            }
            fwrite(row.data(), 1, row.size(), f);
        }
        fclose(f);
        result = true;
    }
    g_app.device_context->Unmap(staging, 0);
    staging->Release();
    return result;
}

// The floor for the window benchmarks: the smallest Dear ImGui window on Direct3D 11 that does what the
// launcher's frame loop does (vsync present, one window of text). Options: --shot=FILE (after 24 frames,
// write FILE and exit), --minimise (minimise itself after 10 frames).
#include <windows.h>
#include <d3d11.h>
#include <cstdio>
#include <cstring>

#include "imgui.h"
#include "imgui_impl_dx11.h"
#include "imgui_impl_win32.h"

extern IMGUI_IMPL_API LRESULT ImGui_ImplWin32_WndProcHandler(HWND, UINT, WPARAM, LPARAM);

static ID3D11Device* g_device;
static ID3D11DeviceContext* g_context;
static IDXGISwapChain* g_swap;
static ID3D11RenderTargetView* g_rtv;

static void make_rtv()
{
    ID3D11Texture2D* back = nullptr;
    g_swap->GetBuffer(0, IID_PPV_ARGS(&back));
    g_device->CreateRenderTargetView(back, nullptr, &g_rtv);
    back->Release();
}

static LRESULT WINAPI proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (ImGui_ImplWin32_WndProcHandler(h, m, w, l)) return 1;
    if (m == WM_SIZE && g_device && w != SIZE_MINIMIZED) {
        if (g_rtv) { g_rtv->Release(); g_rtv = nullptr; }
        g_swap->ResizeBuffers(0, LOWORD(l), HIWORD(l), DXGI_FORMAT_UNKNOWN, 0);
        make_rtv();
        return 0;
    }
    if (m == WM_DESTROY) { PostQuitMessage(0); return 0; }
    return DefWindowProcW(h, m, w, l);
}

int main(int argc, char** argv)
{
    bool minimise = false;
    const char* shot = nullptr;
    for (int i = 1; i < argc; i++) {
        if (!strncmp(argv[i], "--shot=", 7)) shot = argv[i] + 7;
        if (!strcmp(argv[i], "--minimise")) minimise = true;
    }
    WNDCLASSEXW wc = {sizeof(wc), CS_CLASSDC, proc, 0, 0, GetModuleHandleW(nullptr), nullptr, LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr, L"FloorWindow", nullptr};
    RegisterClassExW(&wc);
    HWND hwnd = CreateWindowExW(0, L"FloorWindow", L"floor", WS_POPUP | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX,
                                380, 160, 1160, 760, nullptr, nullptr, wc.hInstance, nullptr);
    DXGI_SWAP_CHAIN_DESC sd = {};
    sd.BufferCount = 2;
    sd.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    sd.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    sd.OutputWindow = hwnd;
    sd.SampleDesc.Count = 1;
    sd.Windowed = TRUE;
    sd.SwapEffect = DXGI_SWAP_EFFECT_DISCARD;
    const D3D_FEATURE_LEVEL levels[2] = {D3D_FEATURE_LEVEL_11_0, D3D_FEATURE_LEVEL_10_0};
    D3D_FEATURE_LEVEL got;
    if (FAILED(D3D11CreateDeviceAndSwapChain(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0, levels, 2, D3D11_SDK_VERSION, &sd, &g_swap, &g_device, &got, &g_context)))
        return 1;
    make_rtv();
    ShowWindow(hwnd, SW_SHOWDEFAULT);
    UpdateWindow(hwnd);
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsDark();
    ImGui_ImplWin32_Init(hwnd);
    ImGui_ImplDX11_Init(g_device, g_context);
    const float clear[4] = {0.04f, 0.035f, 0.055f, 1.0f};
    for (int frame = 1;; frame++) {
        MSG msg;
        bool quit = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (msg.message == WM_QUIT) quit = true;
        }
        if (quit) break;
        ImGui_ImplDX11_NewFrame();
        ImGui_ImplWin32_NewFrame();
        ImGui::NewFrame();
        ImGui::SetNextWindowPos(ImVec2(0, 0));
        ImGui::SetNextWindowSize(ImGui::GetIO().DisplaySize);
        ImGui::Begin("floor", nullptr, ImGuiWindowFlags_NoDecoration);
        ImGui::TextUnformatted("floor window");
        ImGui::End();
        ImGui::Render();
        g_context->OMSetRenderTargets(1, &g_rtv, nullptr);
        g_context->ClearRenderTargetView(g_rtv, clear);
        ImGui_ImplDX11_RenderDrawData(ImGui::GetDrawData());
        g_swap->Present(1, 0);
        if (minimise && frame == 10) ShowWindow(hwnd, SW_MINIMIZE);
        if (shot && frame >= 24) {
            // A marker in place of the picture: the benchmark times the moment the file appears.
            if (FILE* f = fopen(shot, "wb")) fclose(f);
            break;
        }
    }
    ImGui_ImplDX11_Shutdown();
    ImGui_ImplWin32_Shutdown();
    ImGui::DestroyContext();
    return 0;
}

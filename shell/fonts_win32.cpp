// The four faces: Inter from the program's own resources, else system fonts, else the built-in font.
#include <windows.h>

#include "app/app_state.h"
#include "shell/kit.h"

// [SECTION] Faces
struct FaceSource {
    int resource_id;
    float load_size;   // the face's default only; every draw names its own size
    const wchar_t* fallback[2];
};

static const FaceSource kFaces[FontSlot::Count] = {
    {201, 18.0f, {L"C:\\Windows\\Fonts\\segoeui.ttf", L"C:\\Windows\\Fonts\\SegUIVar.ttf"}},       // Body: Inter Medium
    {202, 18.0f, {L"C:\\Windows\\Fonts\\seguisb.ttf", L"C:\\Windows\\Fonts\\segoeuib.ttf"}},       // SemiBold: Inter SemiBold
    {201, 15.0f, {L"C:\\Windows\\Fonts\\CascadiaMono.ttf", L"C:\\Windows\\Fonts\\consola.ttf"}},   // Caption: Inter Medium
    {203, 34.0f, {L"C:\\Windows\\Fonts\\bahnschrift.ttf", L"C:\\Windows\\Fonts\\seguisb.ttf"}},    // Display: Inter Display Bold
};

// The atlas asserts on anything under 100 bytes; no real face is that small.
static const DWORD kMinFontBytes = 100;

// [SECTION] Loading
ImFont* load_resource_font(int resource_id, float pixel_size, const ImFontConfig& config)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resource_id), RT_RCDATA);
    if (!info)
        return nullptr;
    HGLOBAL handle = LoadResource(module, info);
    if (!handle)
        return nullptr;
    void* data = LockResource(handle);
    DWORD size = SizeofResource(module, info);
    if (!data || size < kMinFontBytes)
        return nullptr;
    // The resource stays mapped for the whole run; the atlas must never free it.
    ImFontConfig cfg = config;
    cfg.FontDataOwnedByAtlas = false;
    return ImGui::GetIO().Fonts->AddFontFromMemoryTTF(data, (int)size, pixel_size, &cfg);
}

static bool is_plain_file(const wchar_t* path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static ImFont* load_system_font(const wchar_t* path, float pixel_size)
{
    if (!is_plain_file(path))
        return nullptr;
    char utf8[MAX_PATH * 3];
    if (!WideCharToMultiByte(CP_UTF8, 0, path, -1, utf8, sizeof(utf8), nullptr, nullptr))
        return nullptr;
    return ImGui::GetIO().Fonts->AddFontFromFileTTF(utf8, pixel_size);
}

void load_fonts()
{
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;

    ImFontConfig config;
    config.PixelSnapH = false;
    config.OversampleH = 2;
    config.OversampleV = 1;

    bool all = true;
    for (int slot = 0; slot < FontSlot::Count; slot++) {
        g_app.fonts[slot] = load_resource_font(kFaces[slot].resource_id, kFaces[slot].load_size, config);
        all = all && g_app.fonts[slot];
    }

    if (!all) {
        for (int slot = 0; slot < FontSlot::Count; slot++) {
            if (g_app.fonts[slot])
                continue;
            for (const wchar_t* path : kFaces[slot].fallback) {
                g_app.fonts[slot] = load_system_font(path, kFaces[slot].load_size);
                if (g_app.fonts[slot])
                    break;
            }
            if (!g_app.fonts[slot]) {
                ImFontConfig builtin;
                builtin.SizePixels = kFaces[slot].load_size;
                g_app.fonts[slot] = io.Fonts->AddFontDefault(&builtin);
            }
        }
    }
    io.FontDefault = g_app.fonts[FontSlot::Body];
}

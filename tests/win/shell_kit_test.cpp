// The shell's look without a window: font fallback, every page drawn, the status toast's colours.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "pages/pages.h"
#include "platform/platform.h"
#include "shell/kit.h"
#include "shell/root.h"

namespace {

// A UI-library context set up as the launcher does, minus the window and renderer. The test program
// carries no font resources, so load_fonts walks its whole fallback chain.
class ShellKitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_app_state();
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(1144, 744);
        io.BackendFlags |= ImGuiBackendFlags_RendererHasTextures;   // dynamic atlas; nothing uploads it
        load_fonts();
        apply_theme();
    }
    void TearDown() override
    {
        ImGui::DestroyContext();
        reset_app_state();
    }
};

// Opaque vertices of one colour in the foreground list (anti-aliased fringes carry alpha 0).
int vertices_of(ImU32 colour)
{
    const ImDrawList* list = ImGui::GetForegroundDrawList();
    int n = 0;
    for (const ImDrawVert& v : list->VtxBuffer)
        n += (v.col == colour);
    return n;
}

int strongest_alpha_of(ImU32 rgb)
{
    int best = -1;
    for (const ImDrawVert& v : ImGui::GetForegroundDrawList()->VtxBuffer)
        if ((v.col & 0x00ffffffu) == (rgb & 0x00ffffffu) && (int)(v.col >> 24) > best)
            best = (int)(v.col >> 24);
    return best;
}

}  // namespace

TEST_F(ShellKitTest, MissingFontResourcesFallBackToAUsableFace)
{
    EXPECT_EQ(load_resource_font(201, 18.0f, ImFontConfig()), nullptr);
    for (int slot = 0; slot < FontSlot::Count; slot++)
        EXPECT_NE(g_app.fonts[slot], nullptr) << "slot " << slot;
    EXPECT_EQ(ImGui::GetIO().FontDefault, g_app.fonts[FontSlot::Body]);
    EXPECT_GT(text_size(FontSlot::Caption, 9, "READY").x, 0.0f);
}

// Every page, empty and with the sample data, builds a frame with the fallback faces.
TEST_F(ShellKitTest, EveryPageDrawsWithFallbackFaces)
{
    for (bool demo : {false, true}) {
        if (demo) {
            g_app.demo_mode = true;
            load_demo_data();
        }
        for (int page = 0; page < Page::Count; page++) {
            SCOPED_TRACE(std::string(demo ? "demo " : "empty ") + page_label(page));
            g_app.current_page = page;
            ImGui::NewFrame();
            draw_root();
            ImGui::Render();
            const ImDrawData* data = ImGui::GetDrawData();
            ASSERT_NE(data, nullptr);
            EXPECT_GT(data->TotalVtxCount, 1000);
            EXPECT_EQ(g_app.current_page, page);
        }
    }
}

TEST_F(ShellKitTest, ToastStripTakesTheLevelColour)
{
    struct Case { int32_t level; ImU32 strip; };
    const Case cases[] = {
        {JournalLevel::Info, kColAccent},
        {JournalLevel::Success, kColSuccess},
        {JournalLevel::Warning, kColAccent},
        {JournalLevel::Error, kColError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        g_app.status_text = "flags written: 240 fps / quality 10";
        g_app.status_level = c.level;
        g_app.status_until = tick_ms() + 4200;
        ImGui::NewFrame();
        draw_status_toast(1144, 744);
        EXPECT_GT(vertices_of(c.strip), 0);
        for (ImU32 other : {kColAccent, kColSuccess, kColError}) {
            if (other != c.strip) {
                EXPECT_EQ(vertices_of(other), 0);
            }
        }
        EXPECT_GT(vertices_of(kColText), 0);   // the text, opaque before the last second
        ImGui::EndFrame();
    }
}

TEST_F(ShellKitTest, ToastFadesInItsLastSecondThenGoes)
{
    g_app.status_text = "demo mode: join disabled";
    g_app.status_level = JournalLevel::Error;

    g_app.status_until = tick_ms() + 500;   // half a second left: about half opaque
    ImGui::NewFrame();
    draw_status_toast(1144, 744);
    const int alpha = strongest_alpha_of(kColError);
    EXPECT_GT(alpha, 60);
    EXPECT_LT(alpha, 135);
    ImGui::EndFrame();

    for (uint64_t until : {(uint64_t)0, tick_ms(), tick_ms() - 1}) {
        g_app.status_until = until;
        ImGui::NewFrame();
        draw_status_toast(1144, 744);
        EXPECT_EQ(strongest_alpha_of(kColError), -1) << until;
        EXPECT_EQ(strongest_alpha_of(kColPanel), -1) << until;
        ImGui::EndFrame();
    }
}

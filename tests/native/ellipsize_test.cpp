// Text fitting with the real Inter face: cut at character boundaries, never wider than allowed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "shell/kit.h"

namespace {

// An ImGui context with Inter Medium as Body and Caption, as the launcher loads it.
class EllipsizeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_app_state();
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.DisplaySize = ImVec2(1160, 760);
        io.BackendFlags |= ImGuiBackendFlags_RendererHasTextures;   // dynamic atlas; no renderer uploads it
        ImFont* inter = io.Fonts->AddFontFromFileTTF(LARK_INTER_DIR "/Inter-Medium.otf", 18.0f);
        ASSERT_NE(inter, nullptr) << "Inter-Medium.otf not found in " LARK_INTER_DIR;
        g_app.fonts[FontSlot::Body] = inter;
        g_app.fonts[FontSlot::Caption] = inter;
        io.FontDefault = inter;
        ImGui::NewFrame();
    }
    void TearDown() override
    {
        ImGui::EndFrame();
        ImGui::DestroyContext();
        reset_app_state();
    }
};

float width(const std::string& text, float size = 12.0f) { return text_size(FontSlot::Body, size, text).x; }

// True when every multi-byte sequence is complete (lead byte followed by its continuation bytes).
bool whole_utf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        unsigned char c = (unsigned char)s[i];
        size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (size_t k = 1; k < n; k++)
            if (((unsigned char)s[i + k] & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

// Byte length of the UTF-8 character starting at s[i].
size_t char_len(const std::string& s, size_t i)
{
    size_t n = 1;
    while (i + n < s.size() && ((unsigned char)s[i + n] & 0xC0) == 0x80)
        n++;
    return n;
}

const std::vector<std::string> kTexts = {
    "version-8f4c2d1a9b7e",
    "C:\\Users\\Ana\\AppData\\Local\\Roblox\\Versions\\version-8f4c2d1a9b7e\\RobloxPlayerBeta.exe",
    "Café crème brûlée — déjà vu",
    "日本語のサーバー名とメモ",
    "× remove ×",
    "90% ▸ ready 🎮🎮🎮 done",
    "a",
};

}  // namespace

TEST_F(EllipsizeTest, NoRoomGivesEmptyText)
{
    for (float max : {0.0f, -1.0f, -500.0f})
        for (const std::string& text : kTexts)
            EXPECT_EQ(ellipsize(text, FontSlot::Body, 12, max), "") << text << " at " << max;
}

TEST_F(EllipsizeTest, FittingTextStaysWhole)
{
    for (const std::string& text : kTexts) {
        EXPECT_EQ(ellipsize(text, FontSlot::Body, 12, width(text)), text);   // exactly as wide still fits
        EXPECT_EQ(ellipsize(text, FontSlot::Body, 12, 5000.0f), text);
    }
    EXPECT_EQ(ellipsize("", FontSlot::Body, 12, 10.0f), "");
}

TEST_F(EllipsizeTest, TinyWidthGivesDotsAlone)
{
    for (const std::string& text : kTexts) {
        if (width(text) > 1.0f) {
            EXPECT_EQ(ellipsize(text, FontSlot::Body, 12, 1.0f), "...") << text;
        }
    }
}

// Sweeps every width up to the whole text: the cut is a whole-character prefix, fits, and is the
// longest one that fits (one more character would not).
TEST_F(EllipsizeTest, CutIsLongestFittingCharacterPrefix)
{
    const float dots = width("...");
    for (const std::string& text : kTexts) {
        const float full = width(text);
        for (float max = 0.5f; max < full; max += 0.5f) {
            const std::string out = ellipsize(text, FontSlot::Body, 12, max);
            SCOPED_TRACE(text + " at " + std::to_string(max) + " -> " + out);
            ASSERT_GE(out.size(), 3u);
            ASSERT_EQ(out.substr(out.size() - 3), "...");
            const std::string kept = out.substr(0, out.size() - 3);
            ASSERT_EQ(text.compare(0, kept.size(), kept), 0);
            EXPECT_TRUE(whole_utf8(kept));
            if (!kept.empty()) {
                EXPECT_LE(width(out), max);
            } else {
                EXPECT_TRUE(dots > max || width(text.substr(0, char_len(text, 0)) + "...") > max);
            }
            if (kept.size() < text.size()) {
                std::string longer = text.substr(0, kept.size() + char_len(text, kept.size()));
                EXPECT_GT(width(longer + "..."), max);
            }
        }
    }
}

// The size is a base size: at scale 1.5 size 12 cuts exactly as size 18 at scale 1.
TEST_F(EllipsizeTest, SizeIsScaledByUiScale)
{
    const std::string text = kTexts[1];
    for (float max : {60.0f, 180.0f, 333.0f}) {
        g_app.ui_scale = 1.0f;
        const std::string at18 = ellipsize(text, FontSlot::Body, 18, max);
        g_app.ui_scale = 1.5f;
        EXPECT_EQ(ellipsize(text, FontSlot::Body, 12, max), at18) << max;
    }
}

// Slots that never loaded, or are out of range, measure with Body.
TEST_F(EllipsizeTest, UnknownSlotMeasuresWithBody)
{
    const std::string text = kTexts[2];
    const std::string body = ellipsize(text, FontSlot::Body, 12, 90.0f);
    EXPECT_EQ(ellipsize(text, FontSlot::Display, 12, 90.0f), body);   // not loaded here
    EXPECT_EQ(ellipsize(text, 42, 12, 90.0f), body);
    EXPECT_EQ(ellipsize(text, -1, 12, 90.0f), body);
}

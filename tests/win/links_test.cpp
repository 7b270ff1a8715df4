// links.tsv on disk, ADD and remove, and PASTE from the real clipboard.
#include <functional>
#include <memory>

#include "app/journal.h"
#include "links/link_parse.h"
#include "links/paste.h"
#include "links/saved_links.h"
#include "platform/platform.h"
#include "tests/win/test_support.h"

class Links : public WinTest {};

static SavedLink link_of(const char* name, const char* place, const char* code, const char* note)
{
    SavedLink l;
    l.name = name;
    l.place_id = place;
    l.private_code = code;
    l.note = note;
    return l;
}

static bool same_links(const std::vector<SavedLink>& a, const std::vector<SavedLink>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++)
        if (a[i].name != b[i].name || a[i].place_id != b[i].place_id || a[i].private_code != b[i].private_code ||
            a[i].note != b[i].note)
            return false;
    return true;
}

// [SECTION] links.tsv
TEST_F(Links, SaveThenLoadKeepsTheListWithSeparatorsReplaced)
{
    g_app.saved_links = {link_of("Alpha", "123", "Ab-9_z", "caf\xc3\xa9 night"), link_of("Tab\tand|pipe", "0042", "", ""),
                         link_of("Lines", "7", "c\rd", "e\nf")};
    save_links();
    EXPECT_EQ(bytes_of(data_file("links.tsv")),
              "Alpha\t123\tAb-9_z\tcaf\xc3\xa9 night\n"
              "Tab and pipe\t0042\t\t\n"
              "Lines\t7\tc d\te f\n");

    g_app.saved_links.clear();
    load_links();
    EXPECT_TRUE(same_links(g_app.saved_links, {link_of("Alpha", "123", "Ab-9_z", "caf\xc3\xa9 night"),
                                               link_of("Tab and pipe", "0042", "", ""), link_of("Lines", "7", "c d", "e f")}));
}

// A failed save is a journal line only: the status line belongs to the command that caused it.
TEST_F(Links, FailedSaveIsJournalledAndKeepsTheOldFile)
{
    struct Case { const char* name; bool data_dir_missing; std::string error; };
    const Case cases[] = {{"data folder cannot be made", true, "write failed (3)"}, {"file held open", false, "write failed (32)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_app_state();
        std::string base = c.data_dir_missing ? root + "\\nowhere\\deeper" : local;
        std::string file = base + "\\Larkspire\\Launcher\\links.tsv";
        set_env("LOCALAPPDATA", base);
        if (!c.data_dir_missing) write_bytes(file, "Old\t1\t\t\n");
        g_app.status_text = "earlier status";
        g_app.saved_links = {link_of("New", "2", "", "")};
        {
            std::unique_ptr<HeldOpen> other;
            if (!c.data_dir_missing) other.reset(new HeldOpen(file, false));
            save_links();
        }
        EXPECT_EQ(last_journal().text, "unregistered links: " + c.error);
        EXPECT_EQ(last_journal().level, JournalLevel::Error);
        EXPECT_EQ(g_app.status_text, "earlier status");
        EXPECT_EQ(g_app.saved_links.size(), 1u);
        if (c.data_dir_missing) {
            EXPECT_FALSE(path_exists(root + "\\nowhere"));
        } else {
            EXPECT_EQ(bytes_of(file), "Old\t1\t\t\n");
            EXPECT_EQ(folder_entries(local + "\\Larkspire\\Launcher"), (std::vector<std::string>{"journal.log", "links.tsv"}));
        }
    }
}

// [SECTION] ADD and remove
TEST_F(Links, AddNamesAndStoresTheLink)
{
    struct Case { const char* name; const char* place; const char* code; std::string message; int32_t level; std::string row; };
    const Case cases[] = {
        {"", "123", "", "link added / Place 123", JournalLevel::Success, "Place 123\t123\t\tmy note\n"},
        {"", "55", "Xy", "link added / Private server 55", JournalLevel::Success, "Private server 55\t55\tXy\tmy note\n"},
        {"Mine", "77", "has space", "link added / Mine", JournalLevel::Success, "Mine\t77\thas space\tmy note\n"},
        {"Mine", "12 3", "", "numeric place id required", JournalLevel::Error, ""},
        {"Mine", "", "", "numeric place id required", JournalLevel::Error, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " / " + c.place);
        reset_app_state();
        remove_tree(local + "\\Larkspire");
        copy_to_buffer(g_app.new_link_name, c.name);
        copy_to_buffer(g_app.new_link_place, c.place);
        copy_to_buffer(g_app.new_link_code, c.code);
        copy_to_buffer(g_app.new_link_note, "my note");
        action_add_link();
        EXPECT_EQ(last_journal().text, c.message);
        EXPECT_EQ(last_journal().level, c.level);
        bool added = c.level == JournalLevel::Success;
        EXPECT_EQ(g_app.saved_links.size(), added ? 1u : 0u);
        EXPECT_EQ(bytes_of(data_file("links.tsv")), c.row);
        // The form empties after an ADD and keeps its text after a refusal.
        EXPECT_EQ(buffer_text(g_app.new_link_place), added ? "" : c.place);
        EXPECT_EQ(buffer_text(g_app.new_link_note), added ? "" : "my note");
    }
}

TEST_F(Links, RemoveRewritesTheFile)
{
    g_app.saved_links = {link_of("A", "1", "", ""), link_of("B", "2", "", "")};
    action_remove_link(2);
    action_remove_link(-1);
    EXPECT_TRUE(journal_texts().empty());
    action_remove_link(0);
    EXPECT_EQ(last_journal().text, "link removed / A");
    EXPECT_EQ(last_journal().level, JournalLevel::Info);
    EXPECT_EQ(bytes_of(data_file("links.tsv")), "B\t2\t\t\n");
    action_remove_link(0);
    EXPECT_EQ(last_journal().text, "link removed / B");
    EXPECT_TRUE(path_exists(data_file("links.tsv")));
    EXPECT_EQ(bytes_of(data_file("links.tsv")), "");
}

// [SECTION] Clipboard and PASTE
TEST_F(Links, ClipboardTextArrivesAsUtf8)
{
    const std::string text = "Pl\xc3\xa4tze \xe2\x9c\x93 \xf0\x9f\x8e\xae 42";   // BMP and a surrogate pair
    ASSERT_TRUE(clipboard_put_text(text));
    std::string out;
    EXPECT_TRUE(read_clipboard_text(out));
    EXPECT_EQ(out, text);
}

TEST_F(Links, PasteWithoutTextReportsAnEmptyClipboard)
{
    struct Case { const char* name; std::function<bool()> put; };
    const Case cases[] = {{"bitmap only", clipboard_put_bitmap_only},
                          {"nothing", clipboard_clear},
                          {"empty text", [] { return clipboard_put_text(""); }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_app_state();
        copy_to_buffer(g_app.link_box, "kept");
        ASSERT_TRUE(c.put());
        action_paste_link();
        EXPECT_EQ(last_journal().text, "clipboard empty");
        EXPECT_EQ(last_journal().level, JournalLevel::Warning);
        EXPECT_EQ(buffer_text(g_app.link_box), "kept");
    }
}

TEST_F(Links, PasteWithoutPlaceIdChangesNoField)
{
    ASSERT_TRUE(clipboard_put_text("hello"));
    copy_to_buffer(g_app.link_box, "box");
    copy_to_buffer(g_app.new_link_name, "name");
    copy_to_buffer(g_app.new_link_place, "99");
    copy_to_buffer(g_app.new_link_code, "code");
    action_paste_link();
    EXPECT_EQ(last_journal().text, "no place id in the clipboard");
    EXPECT_EQ(last_journal().level, JournalLevel::Warning);
    EXPECT_EQ(buffer_text(g_app.link_box), "box");
    EXPECT_EQ(buffer_text(g_app.new_link_name), "name");
    EXPECT_EQ(buffer_text(g_app.new_link_place), "99");
    EXPECT_EQ(buffer_text(g_app.new_link_code), "code");
}

// The link box keeps 511 bytes; the place id and the code come from the whole text, here past byte 511.
TEST_F(Links, PasteOfALongLinkTruncatesOnlyTheLinkBox)
{
    std::string head = std::string(kWebOrigin) + "/games/4242/";
    std::string tail = "?privateServerLinkCode=Ab-9_z";
    std::string link = head + std::string(600 - head.size() - tail.size(), 's') + tail;
    ASSERT_EQ(link.size(), 600u);
    ASSERT_TRUE(clipboard_put_text(link));
    copy_to_buffer(g_app.new_link_note, "note stays");
    action_paste_link();
    EXPECT_EQ(last_journal().text, "link pasted / place 4242");
    EXPECT_EQ(last_journal().level, JournalLevel::Success);
    EXPECT_EQ(buffer_text(g_app.link_box), link.substr(0, 511));
    EXPECT_EQ(buffer_text(g_app.new_link_place), "4242");
    EXPECT_EQ(buffer_text(g_app.new_link_code), "Ab-9_z");
    EXPECT_EQ(buffer_text(g_app.new_link_name), "Private server 4242");
    EXPECT_EQ(buffer_text(g_app.new_link_note), "note stays");
}

// PASTE: the clipboard's text into the link box and the NEW LINK form.
#include "links/paste.h"

#include "app/journal.h"
#include "links/link_parse.h"
#include "platform/platform.h"

void action_paste_link()
{
    if (g_app.demo_mode) { notify("demo mode: clipboard ignored", JournalLevel::Info); return; }
    std::string clip;
    if (!read_clipboard_text(clip)) { notify("clipboard empty", JournalLevel::Warning); return; }
    SavedLink link;
    if (!parse_link(clip, link)) { notify("no place id in the clipboard", JournalLevel::Warning); return; }
    copy_to_buffer(g_app.link_box, clip);
    copy_to_buffer(g_app.new_link_place, link.place_id);
    copy_to_buffer(g_app.new_link_code, link.private_code);
    if (link.name.compare(0, 6, "Place ") != 0)
        copy_to_buffer(g_app.new_link_name, link.name);
    notify("link pasted / place " + link.place_id, JournalLevel::Success);
}

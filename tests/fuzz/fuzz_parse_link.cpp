// parse_link: ids are digits and codes a safe class, both taken from the text; failure touches nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "links/link_parse.h"

static bool is_digit(char c) { return c >= '0' && c <= '9'; }
static bool is_code_char(char c) { return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_'; }
static void check(bool ok) { if (!ok) abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text((const char*)data, size);
    SavedLink fresh;
    bool ok = parse_link(text, fresh);

    SavedLink kept = { "Mine", "1x", "old code", "note" };
    check(parse_link(text, kept) == ok);
    if (!ok)
    {
        check(fresh.name.empty() && fresh.place_id.empty() && fresh.private_code.empty() && fresh.note.empty());
        check(kept.name == "Mine" && kept.place_id == "1x" && kept.private_code == "old code" && kept.note == "note");
        return 0;
    }

    check(!fresh.place_id.empty() && text.find(fresh.place_id) != std::string::npos);
    for (char c : fresh.place_id)
        check(is_digit(c));
    for (char c : fresh.private_code)
        check(is_code_char(c));
    check(text.find(fresh.private_code) != std::string::npos);
    check(fresh.name == (fresh.private_code.empty() ? "Place " : "Private server ") + fresh.place_id);
    check(fresh.note.empty());

    // A set name and the note are kept; place and code do not depend on the record.
    check(kept.name == "Mine" && kept.note == "note");
    check(kept.place_id == fresh.place_id && kept.private_code == fresh.private_code);

    // The trimmed text alone, or with white space around it, parses the same.
    SavedLink again;
    check(parse_link(" \t\r\n" + trim_spaces(text) + "\n ", again));
    check(again.place_id == fresh.place_id && again.private_code == fresh.private_code);
    return 0;
}

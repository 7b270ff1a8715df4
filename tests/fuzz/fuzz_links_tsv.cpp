// links.tsv: read, write, read again gives the first reading with its separators as spaces,
// and writing that gives the same bytes (a fixed point).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "links/saved_links.h"

static std::string flatten(std::string s)
{
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r' || c == '|')
            c = ' ';
    return s;
}

static void check(bool ok) { if (!ok) abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<SavedLink> first;
    parse_links_tsv(std::string((const char*)data, size), first);

    std::string written = format_links_tsv(first);
    std::vector<SavedLink> second;
    parse_links_tsv(written, second);
    check(second.size() == first.size());
    for (size_t i = 0; i < first.size(); i++)
    {
        check(!first[i].name.empty() && !first[i].place_id.empty());
        check(second[i].name == flatten(first[i].name));
        check(second[i].place_id == flatten(first[i].place_id));
        check(second[i].private_code == flatten(first[i].private_code));
        check(second[i].note == flatten(first[i].note));
    }
    check(format_links_tsv(second) == written);
    return 0;
}

// links.tsv: one saved server per line, four TAB-separated fields.
#include "links/saved_links.h"

#include <cstring>

static void append_field(std::string& out, const std::string& field)
{
    // Separators and line ends inside a field become spaces: every row stays one line of four fields.
    size_t start = out.size();
    out += field;
    for (size_t i = start; i < out.size(); i++)
        if (out[i] == '\t' || out[i] == '\n' || out[i] == '\r' || out[i] == '|')
            out[i] = ' ';
}

std::string format_links_tsv(const std::vector<SavedLink>& links)
{
    std::string out;
    for (const SavedLink& link : links)
    {
        append_field(out, link.name);         out += '\t';
        append_field(out, link.place_id);     out += '\t';
        append_field(out, link.private_code); out += '\t';
        append_field(out, link.note);         out += '\n';
    }
    return out;
}

// Cuts [b, e) at TABs into at most four fields; anything after a fourth TAB is dropped.
static int split_fields(const char* b, const char* e, std::string* fields[4])
{
    int count = 0;
    while (count < 4)
    {
        const char* tab = (const char*)std::memchr(b, '\t', (size_t)(e - b));
        fields[count++]->assign(b, tab ? tab : e);
        if (!tab)
            break;
        b = tab + 1;
    }
    return count;
}

void parse_links_tsv(const std::string& text, std::vector<SavedLink>& out)
{
    const char* p = text.data();
    const char* end = p + text.size();
    SavedLink link;
    std::string* fields[4] = { &link.name, &link.place_id, &link.private_code, &link.note };
    for (;;)
    {
        const char* lf = (const char*)std::memchr(p, '\n', (size_t)(end - p));
        const char* line_end = lf ? lf : end;
        if (line_end > p && line_end[-1] == '\r')
            line_end--;
        link.private_code.clear();
        link.note.clear();
        int count = split_fields(p, line_end, fields);
        if (count >= 2 && !link.name.empty() && !link.place_id.empty())
            out.push_back(link);
        if (!lf)
            break;
        p = lf + 1;
    }
}

// Dialog templates read field by field, every read checked against the end.
#include "dialog_template.h"

namespace {

// The style bit that says a font follows the title (DS_SETFONT).
const uint32_t kSetFont = 0x40;

struct Reader {
    const uint8_t *p;
    size_t n, at;
    bool ok;

    bool Need(size_t k)
    {
        if (ok && (at > n || n - at < k)) ok = false;
        return ok;
    }
    uint16_t Word()
    {
        if (!Need(2)) return 0;
        uint16_t v = (uint16_t)(p[at] | p[at + 1] << 8);
        at += 2;
        return v;
    }
    uint32_t Dword()
    {
        uint32_t lo = Word();
        return lo | (uint32_t)Word() << 16;
    }
    void Skip(size_t k)
    {
        if (Need(k)) at += k;
    }
    void Align4() { Skip((4 - at % 4) % 4); }
    // A wide string up to its terminating zero.
    std::string Text()
    {
        std::string s;
        for (uint16_t c; ok && (c = Word()) != 0;) s += (char)(c < 0x100 ? c : '?');
        return s;
    }
    // A name, a number (0xFFFF then the number) or nothing (0).
    TemplateName Name()
    {
        TemplateName name;
        if (!Need(2)) return name;
        uint16_t first = (uint16_t)(p[at] | p[at + 1] << 8);
        if (first == 0xFFFF) {
            at += 2;
            name.ord = Word();
        } else {
            name.text = Text();
        }
        return name;
    }
};

}  // namespace

const char *DialogTemplate_SystemClass(unsigned atom)
{
    static const char *const names[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    return atom >= 0x80 && atom <= 0x85 ? names[atom - 0x80] : nullptr;
}

bool DialogTemplate_Read(const uint8_t *p, size_t n, DialogTemplate *out)
{
    *out = DialogTemplate();
    Reader r = {p, p ? n : 0, 0, true};
    out->extended = n >= 4 && r.Word() == 1 && r.Word() == 0xFFFF;
    r.at = 0;
    unsigned count;
    if (out->extended) {
        r.Skip(4 + 4);  // version, signature, help id
        r.Skip(4);      // extended style
        out->style = r.Dword();
    } else {
        out->style = r.Dword();
        r.Skip(4);
    }
    count = r.Word();
    r.Skip(8);  // x, y, cx, cy
    out->menu = r.Name();
    out->cls = r.Name();
    out->title = r.Name();
    if (out->style & kSetFont) {
        r.Skip(out->extended ? 6 : 2);  // point size (and weight, italic, character set)
        r.Text();
    }
    for (unsigned i = 0; i < count && r.ok; i++) {
        TemplateItem it;
        r.Align4();
        if (out->extended) {
            r.Skip(4);  // help id
            it.exStyle = r.Dword();
            it.style = r.Dword();
        } else {
            it.style = r.Dword();
            it.exStyle = r.Dword();
        }
        it.x = (int16_t)r.Word(), it.y = (int16_t)r.Word(), it.cx = (int16_t)r.Word(), it.cy = (int16_t)r.Word();
        it.id = out->extended ? r.Dword() : r.Word();
        it.cls = r.Name();
        it.title = r.Name();
        size_t data = r.at;
        it.size = r.Word();
        r.Skip(it.size);
        if (it.size && r.ok) it.data = p + data;
        if (r.ok) out->items.push_back(it);
    }
    return r.ok;
}

// Panel script parser: lines into actions, the first error with its line.
#include "script.h"

#include <string.h>

namespace {

const int kMaxMs = 600000;
const size_t kMaxText = 1000;

struct Word {
    std::string text;
    bool quoted;
};

// Splits a line into words; false (with why) for an unterminated string.
bool Split(const std::string &line, std::vector<Word> *words, std::string *why)
{
    size_t i = 0, n = line.size();
    while (i < n) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            i++;
            continue;
        }
        Word w = {"", false};
        if (c == '"') {
            w.quoted = true;
            i++;
            bool closed = false;
            while (i < n) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d == '\\' && i < n && (line[i] == '"' || line[i] == '\\')) d = line[i++];
                w.text += d;
            }
            if (!closed) {
                *why = "a string is not closed with '\"'";
                return false;
            }
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') w.text += line[i++];
        }
        words->push_back(w);
    }
    return true;
}

// A decimal number in [lo, hi] making up the whole of s.
bool Number(const std::string &s, long lo, long hi, long *v)
{
    if (s.empty() || s.size() > 9) return false;
    size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    long r = 0;
    for (; i < s.size(); i++) {
        if (s[i] < '0' || s[i] > '9') return false;
        r = r * 10 + (s[i] - '0');
    }
    if (s[0] == '-') r = -r;
    if (r < lo || r > hi) return false;
    *v = r;
    return true;
}

bool ControlId(const std::string &s, int *id)
{
    long v;
    if (!Number(s, 1, 65535, &v)) return false;
    *id = (int)v;
    return true;
}

// "1200ms" or "2s".
bool Duration(const std::string &s, int *ms)
{
    long v;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, "ms") == 0 && Number(s.substr(0, s.size() - 2), 0, kMaxMs, &v)) {
        *ms = (int)v;
        return true;
    }
    if (s.size() > 1 && s.back() == 's' && Number(s.substr(0, s.size() - 1), 0, kMaxMs / 1000, &v)) {
        *ms = (int)v * 1000;
        return true;
    }
    return false;
}

// "x,y" with each part in [lo, hi].
bool Pair(const std::string &s, long lo, long hi, int *a, int *b)
{
    size_t comma = s.find(',');
    long x, y;
    if (comma == std::string::npos || !Number(s.substr(0, comma), lo, hi, &x) ||
        !Number(s.substr(comma + 1), lo, hi, &y))
        return false;
    *a = (int)x;
    *b = (int)y;
    return true;
}

bool Colour(const std::string &s, unsigned *rgb)
{
    if (s.size() != 7 || s[0] != '#') return false;
    unsigned v = 0;
    for (size_t i = 1; i < 7; i++) {
        char c = s[i];
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (d < 0) return false;
        v = v * 16 + (unsigned)d;
    }
    *rgb = v;
    return true;
}

struct Verb {
    const char *name;
    PanelActionKind kind;
    const char *usage;
};

const Verb kVerbs[] = {
    {"click", PA_CLICK, "click ID"},
    {"press", PA_PRESS, "press ID"},
    {"release", PA_RELEASE, "release ID"},
    {"drag", PA_DRAG_TO, "drag ID to N% | drag ID by DX,DY"},
    {"slide", PA_SLIDE, "slide ID ID [ID ...]"},
    {"hold", PA_HOLD, "hold ID DURATION (e.g. 1200ms)"},
    {"wait", PA_WAIT, "wait DURATION (e.g. 500ms)"},
    {"text", PA_TEXT, "text ID \"TEXT\""},
    {"option", PA_OPTION, "option ID /OPTIONS"},
    {"disable", PA_DISABLE, "disable ID"},
    {"enable", PA_ENABLE, "enable ID"},
    {"expect", PA_EXPECT, "expect ID [ID ...] | expect nothing"},
    {"expect-text", PA_EXPECT_TEXT, "expect-text ID \"TEXT\""},
    {"expect-pixel", PA_EXPECT_PIXEL, "expect-pixel ID X,Y #RRGGBB"},
    {"key", PA_KEY, "key ID KEY [KEY ...] (space tab shift+tab enter escape up down left right pageup pagedown home end)"},
    {"expect-name", PA_EXPECT_NAME, "expect-name ID \"NAME\""},
    {"expect-state", PA_EXPECT_STATE,
     "expect-state ID STATE [STATE ...] (normal pressed unavailable focusable focused invisible)"},
};

struct Named {
    const char *name;
    int value;
};

const Named kKeys[] = {
    {"space", 0x20},    {"tab", 0x09},       {"shift+tab", 0x09 | PANEL_KEY_SHIFT}, {"enter", 0x0D},
    {"escape", 0x1B},   {"pageup", 0x21},    {"pagedown", 0x22},                    {"end", 0x23},
    {"home", 0x24},     {"left", 0x25},      {"up", 0x26},                          {"right", 0x27},
    {"down", 0x28},
};

const Named kStates[] = {
    {"normal", 0},
    {"pressed", PANEL_STATE_PRESSED},
    {"unavailable", PANEL_STATE_UNAVAILABLE},
    {"focusable", PANEL_STATE_FOCUSABLE},
    {"focused", PANEL_STATE_FOCUSED},
    {"invisible", PANEL_STATE_INVISIBLE},
};

// The value of a name in a table (unquoted words only); false when not there.
template <size_t N> bool Lookup(const Named (&table)[N], const Word &w, int *value)
{
    if (w.quoted) return false;
    for (const Named &n : table)
        if (w.text == n.name) {
            *value = n.value;
            return true;
        }
    return false;
}

// One line's action; false with why.
bool ParseLine(const std::vector<Word> &w, PanelAction *a, std::string *why)
{
    const Verb *verb = nullptr;
    for (const Verb &v : kVerbs)
        if (!w[0].quoted && w[0].text == v.name) verb = &v;
    if (!verb) {
        *why = "unknown action '" + w[0].text.substr(0, 40) + "'";
        return false;
    }
    a->kind = verb->kind;
    size_t n = w.size();
    auto usage = [&] {
        *why = std::string("expected: ") + verb->usage;
        return false;
    };
    auto id = [&](size_t i) {
        int v;
        if (i >= n || w[i].quoted || !ControlId(w[i].text, &v)) return false;
        a->ids.push_back(v);
        return true;
    };
    switch (verb->kind) {
    case PA_CLICK:
    case PA_PRESS:
    case PA_RELEASE:
    case PA_DISABLE:
    case PA_ENABLE:
        return (n == 2 && id(1)) || usage();
    case PA_DRAG_TO: {
        if (n != 4 || !id(1) || w[3].quoted) return usage();
        const std::string &v = w[3].text;
        long p;
        if (w[2].text == "to" && v.size() > 1 && v.back() == '%' && Number(v.substr(0, v.size() - 1), 0, 100, &p)) {
            a->percent = (int)p;
            return true;
        }
        if (w[2].text == "by" && Pair(v, -65535, 65535, &a->dx, &a->dy)) {
            a->kind = PA_DRAG_BY;
            return true;
        }
        return usage();
    }
    case PA_SLIDE:
        if (n < 3) return usage();
        for (size_t i = 1; i < n; i++)
            if (!id(i)) return usage();
        return true;
    case PA_HOLD:
        return (n == 3 && id(1) && !w[2].quoted && Duration(w[2].text, &a->ms)) || usage();
    case PA_WAIT:
        return (n == 2 && !w[1].quoted && Duration(w[1].text, &a->ms)) || usage();
    case PA_KEY:
        if (n < 3 || n > 102 || !id(1)) return usage();
        for (size_t i = 2; i < n; i++) {
            int vk;
            if (!Lookup(kKeys, w[i], &vk)) return usage();
            a->keys.push_back(vk);
        }
        return true;
    case PA_EXPECT_STATE:
        if (n < 3 || !id(1)) return usage();
        for (size_t i = 2; i < n; i++) {
            int bit;
            if (!Lookup(kStates, w[i], &bit) || (bit == 0 && n != 3)) return usage();
            a->state |= (unsigned)bit;
        }
        return true;
    case PA_TEXT:
    case PA_EXPECT_NAME:
    case PA_EXPECT_TEXT:
        if (n != 3 || !id(1) || !w[2].quoted) return usage();
        if (w[2].text.size() > kMaxText) {
            *why = "the text is longer than 1000 characters";
            return false;
        }
        a->text = w[2].text;
        return true;
    case PA_OPTION:
        if (n != 3 || !id(1) || w[2].text.empty() || w[2].text[0] != '/' || w[2].text.size() > 8) return usage();
        a->text = w[2].text;
        return true;
    case PA_EXPECT:
        if (n == 2 && !w[1].quoted && w[1].text == "nothing") return true;
        if (n < 2) return usage();
        for (size_t i = 1; i < n; i++) {
            long v;
            if (w[i].quoted || !Number(w[i].text, 0, 65535, &v)) return usage();
            a->ids.push_back((int)v);
        }
        return true;
    case PA_EXPECT_PIXEL:
        return (n == 4 && id(1) && !w[2].quoted && Pair(w[2].text, 0, 65535, &a->x, &a->y) && !w[3].quoted &&
                Colour(w[3].text, &a->rgb)) ||
               usage();
    default:
        return usage();
    }
}

}  // namespace

const char *PanelScript_Name(PanelActionKind kind)
{
    if (kind == PA_DRAG_BY) return "drag";
    for (const Verb &v : kVerbs)
        if (v.kind == kind) return v.name;
    return "?";
}

bool PanelScript_Parse(const std::string &source, PanelScript *out)
{
    out->actions.clear();
    out->errorLine = 0;
    out->error.clear();
    size_t pos = 0;
    int line = 0;
    while (pos <= source.size()) {
        size_t end = source.find('\n', pos);
        if (end == std::string::npos) end = source.size();
        std::string text = source.substr(pos, end - pos);
        pos = end + 1;
        line++;
        std::vector<Word> words;
        std::string why;
        if (text.find('\0') != std::string::npos) {
            why = "the line holds a NUL character";
        } else if (Split(text, &words, &why)) {
            if (words.empty() || (!words[0].quoted && words[0].text[0] == '#')) continue;
            PanelAction a;
            a.line = line;
            if (ParseLine(words, &a, &why)) {
                out->actions.push_back(a);
                continue;
            }
        }
        out->errorLine = line;
        out->error = why;
        return false;
    }
    return true;
}

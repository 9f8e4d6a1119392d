// Loading the kit's installation and naming its controls.
#include "cckit.h"

#include <string.h>

#include "kerv_cc.h"

std::string CCKit_ProgramDir()
{
    char path[MAX_PATH * 2];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return ".";
    std::string s(path, n);
    size_t cut = s.find_last_of("\\/");
    return cut == std::string::npos ? "." : s.substr(0, cut);
}

std::string CCKit_Env(const char *name)
{
    char buf[1024];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return (n == 0 || n >= sizeof buf) ? std::string() : std::string(buf, n);
}

void CCKit_DefaultRoot(const std::string &root, const char *system)
{
    if (!CCKit_Env("CC_ROOT").empty() && !CCKit_Env("CC_SYSTEM").empty()) return;
    SetEnvironmentVariableA("CC_ROOT", root.c_str());
    SetEnvironmentVariableA("CC_SYSTEM", system);
}

namespace {

struct Logger {
    const char *who;
    void (*log)(const char *line);
    void operator()(const std::string &text) const
    {
        std::string line = std::string(who) + ": " + text;
        log(line.c_str());
    }
};

bool IsFile(const std::string &path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// Word size of a Windows module file from its PE header: 32, 64, or 0 when
// the file is no x86 module (or cannot be read).
int ModuleBits(const std::string &path)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 0;
    unsigned char head[0x40];
    DWORD got = 0;
    int bits = 0;
    if (ReadFile(f, head, sizeof head, &got, nullptr) && got == sizeof head && head[0] == 'M' && head[1] == 'Z') {
        DWORD pe = head[0x3C] | head[0x3D] << 8 | head[0x3E] << 16 | (DWORD)head[0x3F] << 24;
        unsigned char sig[6];
        if (pe < 0x10000000 && SetFilePointer(f, (LONG)pe, nullptr, FILE_BEGIN) == pe &&
            ReadFile(f, sig, sizeof sig, &got, nullptr) && got == sizeof sig && !memcmp(sig, "PE\0\0", 4)) {
            unsigned machine = sig[4] | sig[5] << 8;
            bits = machine == IMAGE_FILE_MACHINE_I386 ? 32 : machine == IMAGE_FILE_MACHINE_AMD64 ? 64 : 0;
        }
    }
    CloseHandle(f);
    return bits;
}

}  // namespace

HMODULE CCKit_Load(const char *who, void (*log)(const char *line))
{
    Logger say = {who, log};
    std::string lib = CCKit_Env("CC_ROOT") + "\\" + CCKit_Env("CC_SYSTEM") + "\\windows\\lib";
    say("system path " + lib);
    // What a panel needs there, checked first so that a broken installation
    // gives a message rather than a panel of blank windows.
    DWORD attr = GetFileAttributesA(lib.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY)) {
        say("no installation at the system path " + lib + " (set CC_ROOT and CC_SYSTEM)");
        return nullptr;
    }
    struct Need {
        const char *file, *what;
    } const needs[] = {{"KERV_CC.DLL", "the standard library"},
                       {"KERV_CC09.DLL", "the special library (sibling of KERV_CC.DLL)"},
                       {"DotMatrix.ttf", "the Dot-Matrix font"}};
    for (const Need &n : needs)
        if (!IsFile(lib + "\\" + n.file)) {
            say(std::string(n.what) + " is missing: " + lib + "\\" + n.file);
            return nullptr;
        }
    // A library of the other word size would fail to load with a bare "bad
    // image" code: name the cause instead.
    const int bits = (int)sizeof(void *) * 8;
    for (const char *file : {"KERV_CC.DLL", "KERV_CC09.DLL"}) {
        int libBits = ModuleBits(lib + "\\" + file);
        if (libBits && libBits != bits) {
            say(lib + "\\" + file + " is a " + std::to_string(libBits) + "-bit DLL; a " + std::to_string(bits) +
                "-bit program needs the " + std::to_string(bits) + "-bit build" +
                (bits == 64 ? " (in the SDK: bin64, CC_SYSTEM=studio64)" : " (in the SDK: bin, CC_SYSTEM=studio)"));
            return nullptr;
        }
    }
    // The LED displays name the Dot-Matrix typeface, installed beside the libraries.
    std::string font = lib + "\\DotMatrix.ttf";
    if (!AddFontResourceExA(font.c_str(), FR_PRIVATE, nullptr)) {
        say("the Dot-Matrix font " + font + " cannot be registered");
        return nullptr;
    }
    say("font " + font + " registered");
    std::string dll = lib + "\\KERV_CC.DLL";
    HMODULE h = LoadLibraryA(dll.c_str());
    if (!h) {
        DWORD err = GetLastError();
        say("cannot load " + dll + " (error " + std::to_string(err) + ")" +
            (err == ERROR_BAD_EXE_FORMAT ? ": not a library for a " + std::to_string(sizeof(void *) * 8) + "-bit program"
                                         : std::string()));
        return nullptr;
    }
    WNDCLASSA wc;
    bool std = GetClassInfoA(nullptr, KERV_CC_CLASS, &wc) != 0;
    bool s09 = GetClassInfoA(nullptr, KERV_CC09_CLASS, &wc) != 0;
    say(std::string("loaded KERV_CC.DLL; class ") + KERV_CC_CLASS + (std ? " registered" : " MISSING") + "; class " +
        KERV_CC09_CLASS + (s09 ? " registered" : " MISSING"));
    if (!std || !s09) {
        say(std::string(std ? "the sibling KERV_CC09.DLL" : "KERV_CC.DLL") + " did not register its classes");
        return nullptr;
    }
    return h;
}

const char *CCKit_KindName(HWND ctl)
{
    char cls[64] = "";
    GetClassNameA(ctl, cls, sizeof cls);
    DWORD kind = (DWORD)GetWindowLongA(ctl, GWL_STYLE) & CC_KIND_MASK;
    if (!strcmp(cls, KERV_CC_CLASS)) {
        switch (kind) {
        case CC_KIND_BUTTON: return "Button";
        case CC_KIND_LED_BUTTON: return "LED";
        case CC_KIND_DEST_BUTTON: return "Dest";
        case CC_KIND_STATIC_TEXT: return "StaticText";
        case CC_KIND_BROWSE_BUTTON: return "Browse";
        case CC_KIND_IDENT_TEXT: return "IdentText";
        case CC_KIND_BITMAP_BUTTON: return "Bitmap";
        case CC_KIND_TOUCH_BUTTON: return "Touch";
        case CC_KIND_FLAT_BUTTON: return "Flat";
        case CC_KIND_MULTI_BUTTON: return "Multi";
        case CC_KIND_VFADER: return "VFader";
        case CC_KIND_HFADER: return "HFader";
        default: return "inert";
        }
    }
    if (!strcmp(cls, KERV_CC09_CLASS)) {
        static const char *const special[16] = {"inert",       "Font",   "ComboBMP", "LEDDisplay", "DualLED", "Font95",
                                                "FontDisplay", "Chunky", "Repeat",   "inert",      "inert",   "inert",
                                                "inert",       "inert",  "inert",    "inert"};
        return special[kind & 0xF];
    }
    return nullptr;
}

static HWND s_dialog;  // the dialog whose keyboard messages Pause hands to it

void CCKit_SetDialog(HWND dialog) { s_dialog = dialog; }

void CCKit_Pause(int ms)
{
    DWORD end = GetTickCount() + (DWORD)(ms > 0 ? ms : 0);
    for (;;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (s_dialog && IsWindow(s_dialog) && IsDialogMessageA(s_dialog, &m)) continue;
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        LONG left = (LONG)(end - GetTickCount());
        if (left <= 0) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, (DWORD)left, QS_ALLINPUT);
    }
}

void CCKit_Mouse(DWORD flags, POINT pt)
{
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    if (sw <= 0 || sh <= 0) return;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    // Rounded up: rounding down lands one pixel short.
    in.mi.dx = (LONG)(((LONGLONG)pt.x * 65536 + sw - 1) / sw);
    in.mi.dy = (LONG)(((LONGLONG)pt.y * 65536 + sh - 1) / sh);
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    CCKit_Pause(25);
}

void CCKit_Glide(POINT from, POINT to)
{
    int dx = to.x - from.x, dy = to.y - from.y;
    int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    int steps = (adx > ady ? adx : ady) / 12 + 1;
    for (int i = 1; i <= steps; i++) CCKit_Mouse(0, {from.x + dx * i / steps, from.y + dy * i / steps});
}

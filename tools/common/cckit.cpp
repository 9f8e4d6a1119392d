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

HMODULE CCKit_Load(std::string *why, std::string *lines)
{
    if (CCKit_Env("CC_ROOT").empty() || CCKit_Env("CC_SYSTEM").empty()) {
        std::string root = CCKit_ProgramDir() + "\\install";
        SetEnvironmentVariableA("CC_ROOT", root.c_str());
        SetEnvironmentVariableA("CC_SYSTEM", "studio");
    }
    std::string lib = CCKit_Env("CC_ROOT") + "\\" + CCKit_Env("CC_SYSTEM") + "\\windows\\lib";
    std::string font = lib + "\\DotMatrix.ttf";
    int fonts = AddFontResourceExA(font.c_str(), FR_PRIVATE, nullptr);
    std::string dll = lib + "\\KERV_CC.DLL";
    HMODULE h = LoadLibraryA(dll.c_str());
    WNDCLASSA wc;
    bool std = h && GetClassInfoA(nullptr, KERV_CC_CLASS, &wc) != 0;
    bool s09 = h && GetClassInfoA(nullptr, KERV_CC09_CLASS, &wc) != 0;
    *lines = "system path " + lib + "\nfont " + font + (fonts ? " registered" : " MISSING") + "\n" +
             "KERV_CC.DLL " + (h ? "loaded" : "MISSING") + "; class " + KERV_CC_CLASS +
             (std ? " registered" : " missing") + "; class " + KERV_CC09_CLASS +
             (s09 ? " registered" : " not installed");
    if (!h) *why = "cannot load " + dll + " (error " + std::to_string(GetLastError()) + ")";
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

void CCKit_Pause(int ms)
{
    DWORD end = GetTickCount() + (DWORD)(ms > 0 ? ms : 0);
    do {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        if (ms > 0) Sleep(5);
    } while ((LONG)(GetTickCount() - end) < 0);
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

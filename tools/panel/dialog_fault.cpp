// The cause of a failed dialog creation, tried part by part in the order the
// system makes a dialog: any window at all, the dialog's class, each control's
// class, each control.
#include "dialog_fault.h"

#include "cckit.h"
#include "dialog_template.h"
#include "kerv_cc.h"

namespace {

std::string Show(const TemplateName &n)
{
    return n.text.empty() ? "#" + std::to_string(n.ord) : "\"" + n.text + "\"";
}

// A class a template names: a name, the system's atom, or another atom.
LPCSTR ClassOf(const TemplateName &n)
{
    if (!n.text.empty()) return n.text.c_str();
    const char *system = DialogTemplate_SystemClass(n.ord);
    return system ? system : MAKEINTATOM(n.ord);
}

bool Registered(HMODULE module, const TemplateName &n)
{
    WNDCLASSA wc;
    return GetClassInfoA(module, ClassOf(n), &wc) || GetClassInfoA(nullptr, ClassOf(n), &wc);
}

}  // namespace

DialogFault DialogFault_NoDriver(bool interactive)
{
    // Without a graphics driver (Wine's X11 driver with no display) no window
    // can be made, whatever its class.
    HWND w = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
    if (w) {
        DestroyWindow(w);
        return {0, ""};
    }
    if (interactive)
        return {2, "--interactive needs a display and Wine's graphics driver cannot open DISPLAY=" + CCKit_Env("DISPLAY")};
    return {3, "no graphics driver: Wine can make no window in the prefix " + CCKit_Env("WINEPREFIX") +
                   " (its driver needs a display); unset WINEPREFIX to run in ccpanel's own headless prefix, or "
                   "give this one the null driver: wine reg add 'HKCU\\Software\\Wine\\Drivers' /v Graphics /d "
                   "null /f"};
}

DialogFault DialogFault_Find(HMODULE module, LPCSTR name, DWORD error, bool interactive)
{
    DialogFault driver = DialogFault_NoDriver(interactive);
    if (driver.status) return driver;
    HRSRC found = FindResourceA(module, name, RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const uint8_t *bytes = loaded ? (const uint8_t *)LockResource(loaded) : nullptr;
    DialogTemplate t;
    if (!bytes || !DialogTemplate_Read(bytes, SizeofResource(module, found), &t))
        return {2, "the template is cut short or malformed"};

    if (!t.cls.none() && !Registered(module, t.cls))
        return {2, "its own class " + Show(t.cls) + " is not registered"};
    for (const TemplateItem &it : t.items)
        if (!Registered(module, it.cls))
            return {2, "control " + std::to_string(it.id) + ": class " + Show(it.cls) +
                           " is not registered (the kit's classes are " KERV_CC_CLASS " and " KERV_CC09_CLASS ")"};

    // Each control made on its own, on a hidden window, as the dialog would.
    HWND host = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    for (const TemplateItem &it : host ? t.items : std::vector<TemplateItem>()) {
        SetLastError(0);
        HWND c = CreateWindowExA(it.exStyle, ClassOf(it.cls), it.title.text.c_str(), (it.style | WS_CHILD) & ~WS_VISIBLE,
                                 it.x, it.y, it.cx, it.cy, host, (HMENU)(UINT_PTR)it.id, module, (LPVOID)it.data);
        DWORD err = GetLastError();
        if (c) {
            DestroyWindow(c);
            continue;
        }
        DestroyWindow(host);
        return {2, "control " + std::to_string(it.id) + " of class " + Show(it.cls) + " refused its creation (error " +
                       std::to_string(err) + ")"};
    }
    if (host) DestroyWindow(host);
    return {3, "the dialog's own window or its dialog procedure failed (error " + std::to_string(error) +
                   "): its classes are registered and each control can be made"};
}

// Keyboard input and accessibility queries of the panel runner.
#include "panelaccess.h"

#include <oleacc.h>

#include "cckit.h"
#include "script.h"

namespace {

void Key(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
    CCKit_Pause(25);
}

const struct {
    LONG system;
    unsigned panel;
    const char *word;
} kStates[] = {
    {STATE_SYSTEM_PRESSED, PANEL_STATE_PRESSED, "pressed"},
    {STATE_SYSTEM_UNAVAILABLE, PANEL_STATE_UNAVAILABLE, "unavailable"},
    {STATE_SYSTEM_FOCUSABLE, PANEL_STATE_FOCUSABLE, "focusable"},
    {STATE_SYSTEM_FOCUSED, PANEL_STATE_FOCUSED, "focused"},
    {STATE_SYSTEM_INVISIBLE, PANEL_STATE_INVISIBLE, "invisible"},
};

}  // namespace

void PanelAccess_Type(HWND panel, HWND ctl, const std::vector<int> &keys)
{
    SetForegroundWindow(panel);
    SetFocus(ctl);
    CCKit_Pause(20);
    for (int k : keys) {
        bool shift = (k & PANEL_KEY_SHIFT) != 0;
        if (shift) Key(VK_SHIFT, false);
        Key((WORD)(k & 0xFF), false);
        Key((WORD)(k & 0xFF), true);
        if (shift) Key(VK_SHIFT, true);
    }
}

bool PanelAccess_Query(HWND ctl, std::string *name, unsigned *state)
{
    IAccessible *acc = nullptr;
    if (AccessibleObjectFromWindow(ctl, OBJID_CLIENT, __uuidof(IAccessible), (void **)&acc) != S_OK || !acc)
        return false;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR b = nullptr;
    name->clear();
    if (acc->get_accName(self, &b) == S_OK && b) {
        char text[2048];
        int n = WideCharToMultiByte(CP_ACP, 0, b, (int)SysStringLen(b), text, sizeof text - 1, nullptr, nullptr);
        name->assign(text, n > 0 ? (size_t)n : 0);
    }
    SysFreeString(b);
    VARIANT v;
    VariantInit(&v);
    *state = 0;
    if (acc->get_accState(self, &v) == S_OK && v.vt == VT_I4)
        for (const auto &s : kStates)
            if (v.lVal & s.system) *state |= s.panel;
    acc->Release();
    return true;
}

std::string PanelAccess_StateText(unsigned state)
{
    std::string s;
    for (const auto &w : kStates)
        if (state & w.panel) s += (s.empty() ? "" : " ") + std::string(w.word);
    return s.empty() ? "normal" : s;
}

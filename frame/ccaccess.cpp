// The accessible object of a control, its events, and keyboard operation.
//
// oleacc and oleaut32 are loaded on the first WM_GETOBJECT, so that neither
// library imports them and a panel that is never asked pays nothing. One object
// per window, kept in a small table until the window is destroyed; a client
// that holds it longer gets CO_E_OBJNOTCONNECTED.
#include <oleacc.h>
#include <string.h>
#include <new>
#include "ccaccess.h"
#include "ccguards.h"
#include "cctext.h"

namespace {

// ---- oleacc and oleaut32, loaded when first needed ----

struct OleFns {
    LRESULT(WINAPI *lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    HRESULT(WINAPI *createStdObject)(HWND, LONG, REFIID, void **);
    BSTR(WINAPI *allocString)(const OLECHAR *, UINT);
    HRESULT(WINAPI *coInitializeEx)(void *, DWORD);
};
OleFns s_ole;
LONG s_oleState;  // 0 not tried, 1 loaded, -1 not available

template <typename F> void Resolve(HMODULE m, const char *name, F *fn)
{
    *fn = m ? (F)(void *)GetProcAddress(m, name) : nullptr;
}

bool LoadOle()
{
    if (s_oleState == 0) {
        HMODULE acc = LoadLibraryA("oleacc.dll");
        HMODULE aut = LoadLibraryA("oleaut32.dll");
        HMODULE com = LoadLibraryA("ole32.dll");
        Resolve(acc, "LresultFromObject", &s_ole.lresultFromObject);
        Resolve(acc, "CreateStdAccessibleObject", &s_ole.createStdObject);
        Resolve(aut, "SysAllocStringLen", &s_ole.allocString);
        Resolve(com, "CoInitializeEx", &s_ole.coInitializeEx);
        s_oleState = s_ole.lresultFromObject && s_ole.allocString ? 1 : -1;
    }
    return s_oleState == 1;
}

// Set once a client has been handed an object: from then on the library's
// controls raise events.
volatile LONG s_used;

// The control holding a press made with the Space key; null when none.
HWND s_keyPress;

const CCAccessKind *KindOf(HWND hwnd)
{
    return CCLibrary.accessFor ? CCLibrary.accessFor(GetWindowLongA(hwnd, GWL_STYLE)) : nullptr;
}

bool Pressed(const CCAccessKind *k, HWND hwnd) { return k && k->pressed && k->pressed(hwnd); }

// The mouse holds a press: some window has the capture or the left button is down.
bool MouseHeld() { return GetCapture() != nullptr || GetKeyState(VK_LBUTTON) < 0; }

void Event(DWORD event, HWND hwnd)
{
    if (hwnd) NotifyWinEvent(event, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

// ---- the accessible object ----

VARIANT Empty()
{
    VARIANT v;
    memset(&v, 0, sizeof v);
    v.vt = VT_EMPTY;
    return v;
}

bool IsSelf(const VARIANT &child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

struct CCAccessible : IAccessible, IOleWindow {
    volatile LONG refs;
    HWND volatile hwnd;  // null once the window is destroyed

    explicit CCAccessible(HWND h) : refs(1), hwnd(h) {}
    virtual ~CCAccessible() {}

    HWND Live() const
    {
        HWND h = hwnd;
        return h && IsWindow(h) ? h : nullptr;
    }

    // BSTR of an ANSI text; null when it cannot be made.
    static HRESULT Text(const char *s, BSTR *out)
    {
        if (!out) return E_POINTER;
        WCHAR wide[CC_NAME_MAX];
        int n = MultiByteToWideChar(CP_ACP, 0, s, -1, wide, CC_NAME_MAX);
        if (n <= 0) n = 1, wide[0] = 0;
        *out = s_ole.allocString(wide, (UINT)(n - 1));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override
    {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible))
            *ppv = static_cast<IAccessible *>(this);
        else if (riid == __uuidof(IOleWindow))
            *ppv = static_cast<IOleWindow *>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)InterlockedIncrement(&refs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG n = InterlockedDecrement(&refs);
        if (n == 0) delete this;
        return (ULONG)n;
    }

    // IOleWindow: the control's window, for WindowFromAccessibleObject.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND *out) override
    {
        if (!out) return E_POINTER;
        *out = Live();
        return *out ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: no type information; clients call the IAccessible methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *n) override
    {
        if (!n) return E_POINTER;
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                     UINT *) override
    {
        return E_NOTIMPL;
    }

    // Common checks of the methods that take a child id: the window is alive
    // (*h, *k set) and the child is the control itself.
    HRESULT Check(const VARIANT &child, HWND *h, const CCAccessKind **k) const
    {
        *h = Live();
        if (!*h) return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        *k = KindOf(*h);
        return *k ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    // The out pointer checked and cleared first, then Check.
    template <typename T>
    HRESULT Start(const VARIANT &child, T *out, T cleared, HWND *h, const CCAccessKind **k) const
    {
        if (!out) return E_POINTER;
        *out = cleared;
        return Check(child, h, k);
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        HWND h = Live();
        if (!h) return CO_E_OBJNOTCONNECTED;
        if (!s_ole.createStdObject) return S_FALSE;
        return s_ole.createStdObject(h, OBJID_WINDOW, __uuidof(IDispatch), (void **)out);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *n) override
    {
        if (!n) return E_POINTER;
        *n = 0;
        return Live() ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch **out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Live() ? E_INVALIDARG : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *out) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Start(child, out, (BSTR) nullptr, &h, &k);
        if (hr != S_OK) return hr;
        char name[CC_NAME_MAX];
        name[0] = '\0';
        k->name(h, name, sizeof name);
        return Text(name, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *out) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Start(child, out, (BSTR) nullptr, &h, &k);
        if (hr != S_OK) return hr;
        long v;
        if (!k->value || !k->value(h, &v)) return DISP_E_MEMBERNOTFOUND;
        char text[16];
        wsprintfA(text, "%ld", v);
        return Text(text, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *out) override { return None(child, out); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *out) override { return None(child, out); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *out) override { return None(child, out); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        if (topic) *topic = 0;
        return None(child, file);
    }
    HRESULT None(const VARIANT &child, BSTR *out) const
    {
        if (out) *out = nullptr;
        if (!Live()) return CO_E_OBJNOTCONNECTED;
        return IsSelf(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *out) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Start(child, out, Empty(), &h, &k);
        if (hr != S_OK) return hr;
        out->vt = VT_I4;
        out->lVal = k->role(h);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *out) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Start(child, out, Empty(), &h, &k);
        if (hr != S_OK) return hr;
        LONG s = 0;
        if (Pressed(k, h)) s |= STATE_SYSTEM_PRESSED;
        if (!IsWindowEnabled(h)) s |= STATE_SYSTEM_UNAVAILABLE;
        if (!IsWindowVisible(h)) s |= STATE_SYSTEM_INVISIBLE;
        if (GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP) {
            s |= STATE_SYSTEM_FOCUSABLE;
            if (GetFocus() == h) s |= STATE_SYSTEM_FOCUSED;
        }
        out->vt = VT_I4;
        out->lVal = s;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *out) override
    {
        if (!out) return E_POINTER;
        *out = Empty();
        HWND h = Live();
        if (!h) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != h) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *out) override
    {
        if (!out) return E_POINTER;
        *out = Empty();
        return Live() ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *out) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Start(child, out, (BSTR) nullptr, &h, &k);
        if (hr != S_OK) return hr;
        if (k->role(h) != ROLE_SYSTEM_PUSHBUTTON) return DISP_E_MEMBERNOTFOUND;
        return Text("Press", out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Check(child, &h, &k);
        if (hr != S_OK) return hr;
        if (flags != SELFLAG_TAKEFOCUS || !(GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP)) return DISP_E_MEMBERNOTFOUND;
        SetFocus(h);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *x, long *y, long *w, long *hgt, VARIANT child) override
    {
        if (!x || !y || !w || !hgt) return E_POINTER;
        *x = *y = *w = *hgt = 0;
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Check(child, &h, &k);
        if (hr != S_OK) return hr;
        RECT rc;
        GetClientRect(h, &rc);
        POINT p = {0, 0};
        ClientToScreen(h, &p);
        *x = p.x;
        *y = p.y;
        *w = rc.right;
        *hgt = rc.bottom;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT *out) override
    {
        if (!out) return E_POINTER;
        *out = Empty();
        if (!Live()) return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(start)) return E_INVALIDARG;
        // No children; the neighbours are the parent window's to tell.
        return (dir == NAVDIR_FIRSTCHILD || dir == NAVDIR_LASTCHILD) ? S_FALSE : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *out) override
    {
        if (!out) return E_POINTER;
        *out = Empty();
        HWND h = Live();
        if (!h) return CO_E_OBJNOTCONNECTED;
        RECT rc;
        GetClientRect(h, &rc);
        POINT p = {x, y};
        ScreenToClient(h, &p);
        if (!PtInRect(&rc, p)) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = CHILDID_SELF;
        return S_OK;
    }
    // A click as the mouse gives it: button down and up at the centre, through
    // the kind's own handling, so the parent gets exactly a click's notifications.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        HWND h;
        const CCAccessKind *k;
        HRESULT hr = Check(child, &h, &k);
        if (hr != S_OK) return hr;
        if (k->role(h) != ROLE_SYSTEM_PUSHBUTTON) return DISP_E_MEMBERNOTFOUND;
        // A disabled control takes no click; a press held by the mouse is left alone.
        if (!IsWindowEnabled(h) || MouseHeld()) return E_FAIL;
        LPARAM at = CCAccess_Centre(h);
        SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
        if (IsWindow(h)) SendMessageA(h, WM_LBUTTONUP, 0, at);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }
};

// ---- the windows' objects ----

struct Entry {
    HWND hwnd;
    CCAccessible *obj;
};
SRWLOCK s_lock = SRWLOCK_INIT;
Entry *s_entries;
int s_count, s_cap;

// The window's object, made on first request (a new reference for the caller).
CCAccessible *ObjectFor(HWND hwnd)
{
    AcquireSRWLockExclusive(&s_lock);
    CCAccessible *obj = nullptr;
    for (int i = 0; i < s_count && !obj; i++)
        if (s_entries[i].hwnd == hwnd) obj = s_entries[i].obj;
    if (!obj && s_count == s_cap) {
        int cap = s_cap ? s_cap * 2 : 16;
        void *p = s_entries ? HeapReAlloc(GetProcessHeap(), 0, s_entries, cap * sizeof(Entry))
                            : HeapAlloc(GetProcessHeap(), 0, cap * sizeof(Entry));
        if (p) {
            s_entries = (Entry *)p;
            s_cap = cap;
        }
    }
    if (!obj && s_count < s_cap) {
        obj = new (std::nothrow) CCAccessible(hwnd);
        if (obj) s_entries[s_count++] = {hwnd, obj};
    }
    if (obj) obj->AddRef();
    ReleaseSRWLockExclusive(&s_lock);
    return obj;
}

LRESULT GetObject(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if ((LONG)(DWORD)lParam != OBJID_CLIENT || !KindOf(hwnd) || !LoadOle())
        return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
    CCAccessible *obj = ObjectFor(hwnd);
    if (!obj) return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
    IAccessible *acc = obj;
    LRESULT r = s_ole.lresultFromObject(__uuidof(IAccessible), wParam, acc);
    // A thread that never started COM cannot hand the object out: start it here.
    if (r == (LRESULT)CO_E_NOTINITIALIZED && s_ole.coInitializeEx &&
        SUCCEEDED(s_ole.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        r = s_ole.lresultFromObject(__uuidof(IAccessible), wParam, acc);
    obj->Release();
    if ((LONG)r < 0) return 0;
    // A client may release its object after the panel has unloaded the
    // library: from the first object handed out, the library stays loaded
    // until the process ends.
    HMODULE self;
    if (!InterlockedExchange(&s_used, 1))
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           (LPCSTR)(void *)&GetObject, &self);
    return r;
}

// ---- events ----

// What events compare: the shown name, the press and the value.
struct Snapshot {
    bool pressed = false;
    HWND owner = nullptr;  // the press record's window (another control's press ending or starting)
    bool hasValue = false;
    long value = 0;
    char name[CC_NAME_MAX];
};

void Take(HWND hwnd, const CCAccessKind *k, Snapshot *s)
{
    s->pressed = Pressed(k, hwnd);
    s->owner = CCLibrary.pressOwner ? CCLibrary.pressOwner() : nullptr;
    s->hasValue = k->value && k->value(hwnd, &s->value);
    s->name[0] = '\0';
    k->name(hwnd, s->name, sizeof s->name);
}

// Windows whose message is being watched, one entry each (a nested message to
// one of them is compared by the outer watch). A window belongs to one thread,
// so entries of several threads never meet.
const int kWatchMax = 16;
HWND volatile s_watched[kWatchMax];

struct Watch {
    HWND hwnd;
    const CCAccessKind *kind = nullptr;
    int entry = -1;
    Snapshot before;
    Watch(HWND h, UINT msg) : hwnd(h)
    {
        if (!s_used || !Watched(msg)) return;
        for (int i = 0; i < kWatchMax; i++)
            if (s_watched[i] == h) return;
        kind = KindOf(h);
        if (!kind) return;
        for (int i = 0; i < kWatchMax && entry < 0; i++)
            if (!InterlockedCompareExchangePointer((void *volatile *)&s_watched[i], h, nullptr)) entry = i;
        if (entry >= 0) Take(h, kind, &before);
    }
    ~Watch()
    {
        if (entry < 0) return;
        s_watched[entry] = nullptr;
        if (!IsWindow(hwnd)) return;
        Snapshot after;
        Take(hwnd, kind, &after);
        if (after.pressed != before.pressed) Event(EVENT_OBJECT_STATECHANGE, hwnd);
        if (after.owner != before.owner) {
            if (before.owner != hwnd && IsWindow(before.owner)) Event(EVENT_OBJECT_STATECHANGE, before.owner);
            if (after.owner != hwnd) Event(EVENT_OBJECT_STATECHANGE, after.owner);
        }
        if (after.hasValue != before.hasValue || (after.hasValue && after.value != before.value))
            Event(EVENT_OBJECT_VALUECHANGE, hwnd);
        if (strcmp(after.name, before.name) != 0) Event(EVENT_OBJECT_NAMECHANGE, hwnd);
    }
    static bool Watched(UINT msg)
    {
        switch (msg) {
        case WM_SETTEXT:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_PAINT:
        case WM_CAPTURECHANGED:
        case WM_KILLFOCUS:
            return true;
        default:
            return false;
        }
    }
};

// ---- keyboard and focus cue ----

bool HasTabStop(LONG style) { return (style & WS_TABSTOP) != 0; }

// Focus cues are hidden until the keyboard is used: a key reaches one of the
// library's controls, or the focus arrives while Tab is down; WM_UPDATEUISTATE
// sets or clears them as the dialog manager says. (Kept here as well as by the
// platform, which does not keep the UI state everywhere.)
bool s_cues;

void NoteUiState(WPARAM wParam)
{
    if (!(HIWORD(wParam) & UISF_HIDEFOCUS)) return;
    if (LOWORD(wParam) == UIS_SET || LOWORD(wParam) == UIS_INITIALIZE) s_cues = false;
    else if (LOWORD(wParam) == UIS_CLEAR) s_cues = true;
}

// The focus cue shows while the window has the focus, is enabled and focus
// cues are not hidden.
bool CueShown(HWND hwnd)
{
    return s_cues && GetFocus() == hwnd && IsWindowEnabled(hwnd) &&
           !(DefWindowProcA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// A dotted rectangle 3 pixels inside the edges, alternate pixels black and
// white (seen on any face); drawing it again changes nothing.
void DrawCue(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    int w = rc.right - 6, h = rc.bottom - 6;
    if (w < 2 || h < 2) return;
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    static const WORD dots[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP bits = CreateBitmap(8, 8, 1, 1, dots);
    HBRUSH brush = bits ? CreatePatternBrush(bits) : nullptr;
    if (brush) {
        HGDIOBJ prev = SelectObject(dc, brush);
        COLORREF ink = SetTextColor(dc, RGB(0, 0, 0)), paper = SetBkColor(dc, RGB(255, 255, 255));
        SetBrushOrgEx(dc, 0, 0, nullptr);
        PatBlt(dc, 3, 3, w, 1, PATCOPY);
        PatBlt(dc, 3, 3 + h - 1, w, 1, PATCOPY);
        PatBlt(dc, 3, 3, 1, h, PATCOPY);
        PatBlt(dc, 3 + w - 1, 3, 1, h, PATCOPY);
        SetTextColor(dc, ink);
        SetBkColor(dc, paper);
        SelectObject(dc, prev);
        DeleteObject(brush);
    }
    if (bits) DeleteObject(bits);
    ReleaseDC(hwnd, dc);
}

// After a message that may have drawn on the window or changed the cue.
void UpdateCue(HWND hwnd, UINT msg)
{
    switch (msg) {
    case WM_KILLFOCUS:
        // The cue (drawn only while cues are shown) goes with a repaint of the face.
        if (s_cues) CCRepaint(hwnd);
        return;
    case WM_UPDATEUISTATE:
    case WM_ENABLE:
        // Repainted while focused, so that a hidden cue goes; it comes back below if shown.
        if (GetFocus() != hwnd) return;
        CCRepaint(hwnd);
        break;
    case WM_PAINT:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_SIZE:
    case WM_TIMER:
    case WM_CAPTURECHANGED:
        break;
    default:
        return;
    }
    if (IsWindow(hwnd) && CueShown(hwnd)) DrawCue(hwnd);
}

// Ends the press made with the Space key as releasing Space would.
void EndKeyPress()
{
    HWND h = s_keyPress;
    s_keyPress = nullptr;
    if (h && IsWindow(h)) SendMessageA(h, WM_LBUTTONUP, 0, CCAccess_Centre(h));
}

// Fader keys: steps toward the maximum; 0 for other keys.
int FaderSteps(WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_RIGHT: return 1;
    case VK_DOWN:
    case VK_LEFT: return -1;
    case VK_PRIOR: return 10;
    case VK_NEXT: return -10;
    case VK_END: return CC_KEY_TO_MAX;
    case VK_HOME: return CC_KEY_TO_MIN;
    default: return 0;
    }
}

// Keyboard messages of a WS_TABSTOP control; true when answered (*result).
bool Key(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *result)
{
    const CCAccessKind *k = KindOf(hwnd);
    if (!k) return false;
    *result = 0;
    bool repeat = (lParam & 0x40000000) != 0;
    if (k->keyMove) {
        int steps = msg == WM_KEYDOWN ? FaderSteps(wParam) : 0;
        if (!steps) return false;
        if (IsWindowEnabled(hwnd) && !MouseHeld()) k->keyMove(hwnd, steps);
        return true;
    }
    if (wParam != VK_SPACE) return false;
    if (msg == WM_KEYDOWN) {
        if (repeat || s_keyPress || !IsWindowEnabled(hwnd) || MouseHeld()) return true;
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, CCAccess_Centre(hwnd));
        if (IsWindow(hwnd)) s_keyPress = hwnd;
    } else if (s_keyPress == hwnd) {
        EndKeyPress();
    }
    return true;
}

// Work of this module before the kind's handler; true when the message is answered.
bool Before(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LONG style, LRESULT *result)
{
    switch (msg) {
    case WM_GETOBJECT:
        *result = GetObject(hwnd, wParam, lParam);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A mouse press ends a press held by the Space key first. The held
        // control has the capture: a press outside it was meant for elsewhere.
        if (HWND held = s_keyPress) {
            EndKeyPress();
            RECT rc = {0, 0, 0, 0};
            GetClientRect(hwnd, &rc);
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            if (held == hwnd && !PtInRect(&rc, pt)) {
                *result = 0;
                return true;
            }
        }
        if (HasTabStop(style) && GetFocus() != hwnd && IsWindow(hwnd)) SetFocus(hwnd);
        return false;
    default:
        break;
    }
    if (!HasTabStop(style)) return false;
    switch (msg) {
    case WM_UPDATEUISTATE:
        NoteUiState(wParam);
        return false;
    case WM_SETFOCUS:
        if (GetKeyState(VK_TAB) < 0) s_cues = true;
        return false;
    case WM_GETDLGCODE: {
        // The dialog manager asks before it moves the focus with a key.
        const MSG *m = (const MSG *)lParam;
        if (m && (m->message == WM_KEYDOWN || m->message == WM_SYSKEYDOWN)) s_cues = true;
        const CCAccessKind *k = KindOf(hwnd);
        if (!k || !k->keyMove) return false;
        *result = DLGC_WANTARROWS;
        return true;
    }
    case WM_KEYDOWN:
        s_cues = true;
        return Key(hwnd, msg, wParam, lParam, result);
    case WM_KEYUP:
        return Key(hwnd, msg, wParam, lParam, result);
    case WM_MOUSEMOVE:
        // The pointer has no part in a press held by the Space key.
        if (s_keyPress != hwnd) return false;
        *result = 0;
        return true;
    case WM_KILLFOCUS:
        if (s_keyPress == hwnd) EndKeyPress();
        return false;
    default:
        return false;
    }
}

}  // namespace

LPARAM CCAccess_Centre(HWND hwnd)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hwnd, &rc);
    return MAKELPARAM(rc.right / 2, rc.bottom / 2);
}

LRESULT CCAccess_Dispatch(CCKindHandler handler, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LONG style)
{
    // Nothing asked of this module: the kind's handler alone.
    if (!HasTabStop(style) && !s_used && !s_keyPress && msg != WM_GETOBJECT)
        return handler(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    {
        Watch watch(hwnd, msg);
        if (!Before(hwnd, msg, wParam, lParam, style, &result)) result = handler(hwnd, msg, wParam, lParam);
        if (msg == WM_ENABLE && s_used) Event(EVENT_OBJECT_STATECHANGE, hwnd);
    }
    if (HasTabStop(style)) UpdateCue(hwnd, msg);
    return result;
}

void CCAccess_Destroyed(HWND hwnd)
{
    if (s_keyPress == hwnd) s_keyPress = nullptr;
    if (!s_count) return;
    CCAccessible *gone = nullptr;
    AcquireSRWLockExclusive(&s_lock);
    for (int i = 0; i < s_count; i++)
        if (s_entries[i].hwnd == hwnd) {
            gone = s_entries[i].obj;
            s_entries[i] = s_entries[--s_count];
            break;
        }
    ReleaseSRWLockExclusive(&s_lock);
    if (!gone) return;
    gone->hwnd = nullptr;
    gone->Release();
}

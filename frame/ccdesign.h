// Records exchanged with dialog resource editors at design time: the class
// list, the info record with its kind table, and the style record. Packed,
// little-endian, fixed-width fields; shared by both libraries, the editor
// harness and the tests. No Win32 types, so the layout is checked anywhere.
#ifndef CCDESIGN_H
#define CCDESIGN_H

#include <stddef.h>
#include <stdint.h>

#define CC_DESIGN_CLASS_LEN 20   // class name fields
#define CC_DESIGN_TITLE_LEN 94   // title fields
#define CC_DESIGN_DESC_LEN 22    // kind description
#define CC_DESIGN_MAX_KINDS 16   // room in the info record
#define CC_DESIGN_IDSTR_LEN 514  // buffer handed to the id-to-string callback
#define CC_DESIGN_IDTEXT_LEN 20  // id text read from the dialog (19 characters)

// Style dialog items.
#define CC_DLG_TEXT 256
#define CC_DLG_ID 257

// Further items of the special library's style dialog "VEK_CC09_STYLE".
#define CC09_DLG_AUX 259          // auxiliary text (second field)
#define CC09_DLG_PRESS 261        // notifications
#define CC09_DLG_RELEASE 262
#define CC09_DLG_LOST_FOCUS 272
#define CC09_DLG_EDIT_BITMAP 263
#define CC09_DLG_AUX_CAPTION 264  // caption of the auxiliary text, per kind
#define CC09_DLG_BROWSE 265
#define CC09_DLG_RIGHT 266        // justification
#define CC09_DLG_LEFT 267
#define CC09_DLG_CENTRE 268
#define CC09_DLG_RAISED 269       // border
#define CC09_DLG_LOWERED 270
#define CC09_DLG_BORDER 271
#define CC09_DLG_STRETCH 274
#define CC09_DLG_VERSION 280
#define CC09_DLG_BMP_RIGHT 301    // bitmap position
#define CC09_DLG_BMP_TOP 302
#define CC09_DLG_BMP_BOTTOM 303
#define CC09_DLG_BMP_LEFT 304

// Window properties of the style dialog: the record under the integer atom 1,
// the verify callback's address split in two: its low 16 bits, and the bits
// above them (16 bits on 32-bit builds, 48 on 64-bit builds).
#define CC_PROP_RECORD 1
#define CC_PROP_VERIFY_HI "lpfnIdFnHi"
#define CC_PROP_VERIFY_LO "lpfnIdFnLo"

// Entry-point addresses in the class list are pointer-wide: 4 bytes on 32-bit
// builds, 8 on 64-bit builds. Every other field has the same size either way
// (bitmap and cursor handles are 32-bit significant on 64-bit Windows).
#ifdef _WIN64
typedef uint64_t CCEntryAddr;
#define CC_CLASS_ENTRY_SIZE 44
#define CC_ADDR_FMT "0x%.8llx"  // an address in the debugger lines, whole
#else
typedef uint32_t CCEntryAddr;
#define CC_CLASS_ENTRY_SIZE 32
#define CC_ADDR_FMT "0x%.8x"
#endif

#pragma pack(push, 1)

// One class of the class list: the three entry points and the class name.
struct CCClassEntry {
    CCEntryAddr info;   // address of the info entry point
    CCEntryAddr style;  // address of the style entry point
    CCEntryAddr flags;  // address of the flags entry point
    char className[CC_DESIGN_CLASS_LEN];
};

// Class list returned by ListClasses (one class per library).
struct CCClassList {
    int16_t count;
    CCClassEntry entry[1];
};

// One kind in the info record's table.
struct CCKindEntry {
    uint16_t type;   // always 0
    uint16_t width;  // default size
    uint16_t height;
    uint32_t style;  // default window style
    char description[CC_DESIGN_DESC_LEN];
    uint32_t bitmap; // toolbox bitmap handle
    uint32_t cursor; // drop cursor handle
};

// Info record returned by the info entry point.
struct CCInfoRecord {
    uint16_t version;
    uint16_t count;  // kind entries used
    char className[CC_DESIGN_CLASS_LEN];
    char title[CC_DESIGN_TITLE_LEN];  // default text of a new control
    uint8_t reserved[10];
    CCKindEntry kind[CC_DESIGN_MAX_KINDS];
};

// Style record owned by the editor and edited in place by the style dialog.
struct CCStyleRecord {
    uint16_t x, y, width, height;
    uint16_t id;
    uint32_t style;
    char className[CC_DESIGN_CLASS_LEN];
    char title[CC_DESIGN_TITLE_LEN];
};

#pragma pack(pop)

static_assert(sizeof(CCClassEntry) == CC_CLASS_ENTRY_SIZE, "class entry");
static_assert(sizeof(CCClassList) == 2 + CC_CLASS_ENTRY_SIZE, "class list");
static_assert(offsetof(CCClassList, entry) == 2, "class list entry");
static_assert(offsetof(CCClassEntry, style) == sizeof(CCEntryAddr) &&
                  offsetof(CCClassEntry, flags) == 2 * sizeof(CCEntryAddr), "class entry points");
static_assert(offsetof(CCClassEntry, className) == 3 * sizeof(CCEntryAddr), "class entry name");

static_assert(sizeof(CCKindEntry) == 40, "kind entry");
static_assert(offsetof(CCKindEntry, width) == 2 && offsetof(CCKindEntry, height) == 4, "kind size");
static_assert(offsetof(CCKindEntry, style) == 6, "kind style");
static_assert(offsetof(CCKindEntry, description) == 10, "kind description");
static_assert(offsetof(CCKindEntry, bitmap) == 32 && offsetof(CCKindEntry, cursor) == 36, "kind handles");

static_assert(sizeof(CCInfoRecord) == 768, "info record");
static_assert(offsetof(CCInfoRecord, count) == 2, "info count");
static_assert(offsetof(CCInfoRecord, className) == 4, "info class");
static_assert(offsetof(CCInfoRecord, title) == 24, "info title");
static_assert(offsetof(CCInfoRecord, reserved) == 118, "info reserved");
static_assert(offsetof(CCInfoRecord, kind) == 128, "info kinds");

static_assert(sizeof(CCStyleRecord) == 128, "style record");
static_assert(offsetof(CCStyleRecord, id) == 8, "style id");
static_assert(offsetof(CCStyleRecord, style) == 10, "style style");
static_assert(offsetof(CCStyleRecord, className) == 14, "style class");
static_assert(offsetof(CCStyleRecord, title) == 34, "style title");

// Rebuilds an address from its high part (bits 16 and up) and its low 16 bits,
// without sign extension: 32 bits wide on 32-bit builds, 64 on 64-bit builds.
#ifdef _WIN64
static inline uint64_t CCJoinHalves(uint64_t hi, uint64_t lo)
{
    return ((hi & 0xFFFFFFFFFFFFull) << 16) | (lo & 0xFFFFu);
}
#else
static inline uint32_t CCJoinHalves(uint32_t hi, uint32_t lo)
{
    return ((hi & 0xFFFFu) << 16) | (lo & 0xFFFFu);
}
#endif

#ifdef _WIN32
#include <windows.h>

// Editor callbacks. Verify: the id text to a 32-bit result, 0 rejects it, else
// the low 16 bits are the id. Id-to-string: fills buf (size bytes) with the id's
// text. Resource-edit (special library): non-zero ends its style dialog.
typedef DWORD(CALLBACK *CCVerifyIdFn)(LPSTR text);
typedef UINT(CALLBACK *CCIdToStrFn)(WORD id, LPSTR buf, WORD size);
typedef BOOL(CALLBACK *CCLoadResFn)(UINT type, LPSTR name);
typedef BOOL(CALLBACK *CCEditResFn)(UINT type, LPSTR name);

// Entry points as an editor reaches them.
typedef HGLOBAL(CALLBACK *CCListClassesFn)(LPSTR callingClass, WORD version, CCLoadResFn load,
                                             CCEditResFn edit);
typedef HGLOBAL(CALLBACK *CCInfoFn)(void);
typedef BOOL(CALLBACK *CCStyleFn)(HWND parent, HGLOBAL style, CCVerifyIdFn verify, CCIdToStrFn idToStr);
typedef WORD(CALLBACK *CCFlagsFn)(DWORD flags, LPSTR buf, WORD size);
#endif

#endif

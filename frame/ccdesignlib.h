// Design-time plumbing shared by both libraries: the record each library hands
// the frame about its design-time tables and style dialog, the state the entry
// points keep from one call to the next, and the helpers both dialogs use.
#ifndef CCDESIGNLIB_H
#define CCDESIGNLIB_H

#include <windows.h>
#include "ccdesign.h"
#include "ccguards.h"

// One kind of the toolbox table.
struct CCDesignKind {
    uint16_t width, height;  // default size
    uint32_t style;          // default window style
    const char *description;
    int bitmap;              // toolbox bitmap resource
};

// What VEK_CC_Style answers once the dialog has run.
enum CCStyleResult {
    CC_STYLE_WHEN_SHOWN,  // 1 when a record is kept, after OK and Cancel alike
    CC_STYLE_WHEN_OK,     // 1 when the dialog ended non-zero and a record is kept; 0 after Cancel
};

// What differs between the libraries at design time. Debugger lines are written
// with the prefix in front of the texts given here.
struct CCDesignDesc {
    uint16_t version;          // info record's version word
    const char *className;
    const char *title;         // default text of a new control
    int cursor;                // drop cursor resource of every kind
    const CCDesignKind *kinds;
    unsigned kindCount;
    const char *prefix;
    const char *infoExitLine;  // arguments: the handle, then the block's address
    bool infoFixedFallback;    // a fixed info block is tried when a movable one cannot be had
    bool listMovable;          // the class list is a movable block (else fixed)
    bool keepEditorCallbacks;  // ListClasses keeps the resource-load and -edit callbacks
    const char *dialogTemplate;
    DLGPROC dialogProc;        // what VEK_CC_DlgFn runs
    CCStyleResult styleResult;
    const char *styleFailLine; // argument: GetLastError
};

// Defined by each library.
extern const CCDesignDesc CCDesign;

// Library-wide design-time state: the style record and the editor's callbacks,
// replaced at every call of ListClasses (load, edit) and VEK_CC_Style (the rest).
struct CCDesignState {
    HGLOBAL record;
    CCVerifyIdFn verify;
    CCIdToStrFn idToStr;
    CCLoadResFn load;
    CCEditResFn edit;
};
extern CCDesignState CCDesignVars;

extern "C" {
HGLOBAL CALLBACK ListClasses(LPSTR callingClass, WORD version, CCLoadResFn load, CCEditResFn edit);
HGLOBAL CALLBACK VEK_CC_Info(void);
BOOL CALLBACK VEK_CC_Style(HWND parent, HGLOBAL style, CCVerifyIdFn verify, CCIdToStrFn idToStr);
WORD CALLBACK VEK_CC_Flags(DWORD flags, LPSTR buf, WORD size);
INT_PTR CALLBACK VEK_CC_DlgFn(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
}

// One debugger line: the library's prefix, then the formatted text.
void CCDesignLine(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// Fills a fixed text field: the text cut to size-1 characters, NUL-padded.
void CCSetField(char *field, size_t size, const char *text);

// The record and the verify callback kept on the dialog as three properties,
// set and removed together.
void CCSetDialogProps(HWND dlg, HGLOBAL record, CCVerifyIdFn verify);
void CCRemoveDialogProps(HWND dlg);
HGLOBAL CCDialogRecord(HWND dlg);

// Removes the properties and ends the dialog with result.
void CCEndStyleDialog(HWND dlg, INT_PTR result);

// Item CC_DLG_ID from the id-to-string callback (when set), with a buffer of size bytes.
void CCShowDialogId(HWND dlg, WORD id, size_t size);

// Reads item CC_DLG_ID (at most size-1 characters) and hands it to the verify
// callback kept on the dialog: false (with the debugger line) when it rejects
// the text; otherwise the record's id is its result. No callback: id unchanged.
// The locked style record, or null after the debugger line that a record which
// cannot be locked gives.
CCStyleRecord *CCLockedRecord(const CCGlobalLock &lock);
bool CCVerifyDialogId(HWND dlg, CCStyleRecord *rec, size_t size);

#endif

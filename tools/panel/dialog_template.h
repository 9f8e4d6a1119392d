// Reading a dialog template (the DIALOG and DIALOGEX resource layouts) into
// its named parts: the dialog's menu and class, and each control's id, class,
// style and creation data. Bytes in, values out (no Win32), so that the panel
// runner can say which part of a template stops the dialog from being made.
#ifndef PANEL_DIALOG_TEMPLATE_H
#define PANEL_DIALOG_TEMPLATE_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

// A name or a number (a resource ordinal, or a class atom); neither: none.
struct TemplateName {
    std::string text;   // the name, wide characters cut to 8 bits
    unsigned ord = 0;   // the number when no name
    bool none() const { return text.empty() && !ord; }
};

struct TemplateItem {
    uint32_t id = 0, style = 0, exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    TemplateName cls, title;
    const uint8_t *data = nullptr;  // creation data: its size (a word), then size bytes
    uint16_t size = 0;
};

struct DialogTemplate {
    bool extended = false;
    uint32_t style = 0;
    TemplateName menu, cls, title;
    std::vector<TemplateItem> items;
};

// Reads a template of n bytes; false when it is cut short or holds a name
// that runs past its end.
bool DialogTemplate_Read(const uint8_t *p, size_t n, DialogTemplate *out);

// Name of one of the system's own control classes by its atom in a template
// (0x80 Button to 0x85 ComboBox), null for any other.
const char *DialogTemplate_SystemClass(unsigned atom);

#endif

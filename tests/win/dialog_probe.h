// Dialogs as a user meets them: found on the desktop by caption, their controls read in
// template order, their buttons and close box clicked with the mouse.
#ifndef TESTS_DIALOG_PROBE_H
#define TESTS_DIALOG_PROBE_H

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

struct DialogControl {
    std::string className;   // upper case, e.g. "BUTTON", "STATIC", "COMBOBOX"
    int id;                  // -1 for a control without identifier
    std::string text;
    DWORD style;
    RECT rect;               // in the dialog's client coordinates
};

// The top-level dialog (class #32770) with this caption, NULL when there is none.
HWND FindDialog(const char *caption);
// The controls in template order (the order of the child windows).
std::vector<DialogControl> ReadControls(HWND dialog);
// One control of a dialog template, as the resource holds it.
struct TemplateItem {
    std::string className;   // "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"
    int id;
    std::string text;        // "#n" for a resource ordinal
    DWORD style;
    int x, y, cx, cy;
};
struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption, font;
    int pointSize = 0;
    std::vector<TemplateItem> items;
};
// Reads dialog template id (the DIALOG kind, not DIALOGEX) from a module.
DialogTemplate ReadTemplate(HMODULE module, int id);

// A rectangle of the template (dialog units) in pixels of the dialog's client area.
RECT DialogUnits(HWND dialog, int x, int y, int width, int height);
// The face name and height (logical units) of the dialog's font.
std::string DialogFont(HWND dialog, LONG *height);
// Presses and releases the left mouse button at a screen point (the real pointer).
void ClickAt(int x, int y);
// Clicks the middle of a control.
void ClickControl(HWND control);
// A screen point of the caption's close box (by hit test), or {-1, -1}.
POINT CloseBoxPoint(HWND window);
// Items of a combo box and the selected position.
std::vector<std::string> ComboItems(HWND combo, int *selected);

// Opens a modal dialog (open() runs DialogBoxParamA and returns its result) and, from inside
// its modal loop, calls drive(dialog) once when a dialog with the caption is on the desktop.
// A dialog still open 10 s later is ended with -2. Returns open()'s result; *seen tells
// whether drive ran.
INT_PTR RunModal(const std::function<INT_PTR()> &open, const char *caption,
                 const std::function<void(HWND)> &drive, bool *seen = NULL);
// The colour at the centre of a static icon control's icon, drawn on white.
COLORREF IconCentre(HWND iconControl);

#endif

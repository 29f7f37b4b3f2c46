// Resource identifiers of the hotfix installer stand-in.
#ifndef SIM_HOTFIX_RESOURCE_H
#define SIM_HOTFIX_RESOURCE_H

#define IDD_CONFIRM 201          // question: OK and Cancel
#define IDD_NOTICE 202           // final notice: OK only
#define IDD_PROGRESS 203         // three panels; Close appears inside the last one
#define IDD_PROGRESS_BARE 204    // no child window at all
#define IDD_PROGRESS_FLAT 205    // Close directly in the window
#define IDC_PANEL_FIRST 301
#define IDC_PANEL_MIDDLE 302
#define IDC_PANEL_LAST 303
#define IDC_CLOSE 310
#define IDC_DECOY 311            // a Close inside the first panel, where none belongs
#define IDC_TEXT 320

#endif

// The script of a stand-in installation: the text of the package file itself. One line is
// one stage; the windows of a stage (joined by " + ") are shown together, and the next
// stage follows when every window of this one is done.
//   confirm  [name=N] [ignore=K]   question: OK and Cancel; the first K OK clicks are lost
//   notice   [name=N]              final notice: OK only
//   progress [MS] [name=N] [shape=panels|bare|flat] [decoy]
//            the Close button appears MS ms after the window (default 0), inside the last
//            child of its first child (panels); bare: no child at all; flat: Close directly
//            in the window; decoy: one more Close inside the first child
// Blank lines and lines starting with '#' are skipped. A file with no stage (a real
// package, say) gets "confirm" then "progress 500".
#ifndef SIM_HOTFIX_SCRIPT_H
#define SIM_HOTFIX_SCRIPT_H

#include <string>
#include <vector>

enum HotfixKind { HOTFIX_CONFIRM, HOTFIX_NOTICE, HOTFIX_PROGRESS };
enum ProgressShape { SHAPE_PANELS, SHAPE_BARE, SHAPE_FLAT };

struct HotfixWindow {
    HotfixKind kind;
    std::string name;
    int ignore;          // OK clicks still to lose
    unsigned workMs;     // progress: until Close appears
    ProgressShape shape;
    bool decoy;
};

typedef std::vector<HotfixWindow> HotfixStage;

std::vector<HotfixStage> ParseHotfixScript(const std::string &text);

#endif

// The stand-in's record: one line per event, tab-separated, appended to <package>.record.
//   start   <command line>
//   show    <window name>
//   ready   <window name>                  the Close button has appeared
//   down    <window name> <button> <wParam> <lParam> posted|sent
//   up      <window name> <button> <wParam> <lParam> posted|sent
//   click   <window name> <button>         the button reported a click
//   lost    <window name> <button>         a click the script said to lose
//   done    <window name>                  the window has gone
//   end     <exit code>
#ifndef SIM_HOTFIX_RECORD_H
#define SIM_HOTFIX_RECORD_H

void OpenHotfixRecord(const char *packagePath);
void Record(const char *event, const char *a = "", const char *b = "", const char *c = "");

#endif

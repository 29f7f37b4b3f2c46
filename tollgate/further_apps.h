// The further programs and hotfix packages that run after a completed driver setup.
#ifndef TOLLGATE_FURTHER_APPS_H
#define TOLLGATE_FURTHER_APPS_H

// Runs the current class's entries in index order: programs are waited for, hotfix
// packages are handed to the shell and left running.
void RunFurtherApplications(const char *folder);

#endif

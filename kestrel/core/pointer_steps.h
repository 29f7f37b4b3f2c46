// Pointer steps and bounds of the mouse emulation: plain values in and out.
#ifndef KESTREL_POINTER_STEPS_H
#define KESTREL_POINTER_STEPS_H

struct PointerBounds {
    int left;
    int top;
    int right;
    int bottom;
};

extern int pointerStepCount;
extern int dragButtonDown;
extern PointerBounds pointerBounds;
extern int pointerStepMedium;
extern int pointerStepLarge;

// A new key press: the next move starts slow again.
void ResetPointerSteps(void);
// Bounds and steps for a screen of the given size.
void SetPointerBounds(int width, int height);
// The full-screen height as start-up uses it: an odd height gains 19.
int CorrectedFullScreenHeight(int height);
// Step of the n-th move of a held key: 1, then width/160, then width/80.
int PointerStep(int n);
// Counts the move and computes the target of move code 1-4 or 6-9 from x, y; 1 when the
// target lies strictly inside the bounds, else 0 (and the step count starts over).
int PlanPointerMove(int code, int x, int y, int *newX, int *newY);

#endif

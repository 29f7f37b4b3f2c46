// Pointer steps and bounds of the mouse emulation: plain values in and out.
#ifndef KESTREL_POINTER_STEPS_H
#define KESTREL_POINTER_STEPS_H

struct PointerBounds {
    int left;
    int top;
    int right;
    int bottom;
};

struct PointerSteps {
    PointerBounds bounds;
    int medium;   // the step of a held key's 5th to 9th move
    int large;    // the step of its later moves
    int count;    // moves of the held key so far
};

// Bounds and steps for a screen of the given size; the moves counted stay.
void SetPointerBounds(PointerSteps &steps, int width, int height);
// The full-screen height as start-up uses it: an odd height gains 19.
int CorrectedFullScreenHeight(int height);
// Step of the n-th move of a held key: 1, then width/160, then width/80.
int PointerStep(const PointerSteps &steps, int n);
// Counts the move and computes the target of move code 1-4 or 6-9 from x, y; 1 when the
// target lies strictly inside the bounds, else 0 (and the step count starts over).
int PlanPointerMove(PointerSteps &steps, int code, int x, int y, int *newX, int *newY);

#endif

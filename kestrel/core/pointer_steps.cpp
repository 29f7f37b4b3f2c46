// Accelerating pointer moves inside the screen bounds.
#include "core/pointer_steps.h"

int pointerStepCount = 0;
int dragButtonDown = 0;
PointerBounds pointerBounds = { 0, 0, 0, 0 };
int pointerStepMedium = 0;
int pointerStepLarge = 0;

void ResetPointerSteps(void)
{
    pointerStepCount = 0;
}

void SetPointerBounds(int width, int height)
{
    pointerBounds.left = 0;
    pointerBounds.top = 0;
    pointerBounds.right = width - 1;
    pointerBounds.bottom = height - 1;
    pointerStepMedium = width / 160;
    pointerStepLarge = width / 80;
}

int CorrectedFullScreenHeight(int height)
{
    return (height % 2 != 0) ? height + 19 : height;
}

int PointerStep(int n)
{
    if (n <= 4)
        return 1;
    if (n <= 9)
        return pointerStepMedium;
    return pointerStepLarge;
}

int PlanPointerMove(int code, int x, int y, int *newX, int *newY)
{
    int step = PointerStep(++pointerStepCount);
    // Keypad layout around 5: 1 2 3 above, 4 and 6 beside, 7 8 9 below.
    int dx = 0, dy = 0;
    switch (code) {
    case 1: dx = -step; dy = -step; break;
    case 2: dy = -step; break;
    case 3: dx = step; dy = -step; break;
    case 4: dx = -step; break;
    case 6: dx = step; break;
    case 7: dx = -step; dy = step; break;
    case 8: dy = step; break;
    case 9: dx = step; dy = step; break;
    default: break;
    }
    *newX = x + dx;
    *newY = y + dy;
    if (pointerBounds.left < *newX && *newX < pointerBounds.right
        && pointerBounds.top < *newY && *newY < pointerBounds.bottom)
        return 1;
    // At the edge the next move starts slow again.
    pointerStepCount = 0;
    return 0;
}

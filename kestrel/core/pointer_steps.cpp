// Accelerating pointer moves inside the screen bounds.
#include "core/pointer_steps.h"

void SetPointerBounds(PointerSteps &steps, int width, int height)
{
    steps.bounds.left = 0;
    steps.bounds.top = 0;
    steps.bounds.right = width - 1;
    steps.bounds.bottom = height - 1;
    steps.medium = width / 160;
    steps.large = width / 80;
}

int CorrectedFullScreenHeight(int height)
{
    return (height % 2 != 0) ? height + 19 : height;
}

int PointerStep(const PointerSteps &steps, int n)
{
    if (n <= 4)
        return 1;
    if (n <= 9)
        return steps.medium;
    return steps.large;
}

int PlanPointerMove(PointerSteps &steps, int code, int x, int y, int *newX, int *newY)
{
    int step = PointerStep(steps, ++steps.count);
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
    const PointerBounds &bounds = steps.bounds;
    if (bounds.left < *newX && *newX < bounds.right && bounds.top < *newY && *newY < bounds.bottom)
        return 1;
    // At the edge the next move starts slow again.
    steps.count = 0;
    return 0;
}

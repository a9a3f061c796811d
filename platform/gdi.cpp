#include "platform/gdi.h"

int MoveToEx(HDC hdc, int x, int y, POINTAPI* previous)
{
    if (!hdc)
        return 0;
    const POINTAPI last = hdc->moveTo(x, y);
    if (previous)
        *previous = last;
    return 1;
}

int LineTo(HDC hdc, int x, int y)
{
    if (!hdc)
        return 0;
    hdc->lineTo(x, y);
    return 1;
}

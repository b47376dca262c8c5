#pragma once
// The resource id of the program icon that both programs carry (platform/icon/zebrine.ico,
// drawn by platform/icon/draw_icon.py). Explorer shows a program's first icon group, the one
// with the lowest id, so no other icon may take a lower one.
#define IDI_ZEBRINE 1

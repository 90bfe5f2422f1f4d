#include "world/Viewport.h"

void UpdateViewport()
{
}

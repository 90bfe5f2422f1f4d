#include "world/WorldReset.h"

void ResetWorld()
{
}

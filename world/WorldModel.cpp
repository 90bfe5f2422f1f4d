#include "world/WorldModel.h"

void InitMapAndShops()
{
}

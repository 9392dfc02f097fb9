#include "ICaptureCB.h"

void ICaptureCB::startAutoRefresh()
{
}

void ICaptureCB::stopAutoRefresh()
{
}

#include "CameraControls.h"

CameraControls::~CameraControls() = default;

bool CameraControls::offersOnlyGrey()
{
    return false;
}

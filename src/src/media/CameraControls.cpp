#include "CameraControls.h"

CameraControls::~CameraControls() = default;

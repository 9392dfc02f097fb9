#include "CameraBackend.h"

CameraBackend::CameraBackend(QObject *parent)
    : QObject(parent)
{
}

CameraBackend::~CameraBackend() = default;

void CameraBackend::stopRecording()
{
    emit recordingFinished();
}

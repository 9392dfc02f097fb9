// Records the test camera and microphone through the program's live source into the file named
// on the command line until it is killed, the way the program records, in the format its
// extension names (".avi" or ".mp4"). Prints "recording" once
// the file is being written. The repair test kills it with SIGKILL to leave a recording behind
// that was cut off in the middle.
#include "TestRecording.h"
#include "media/GstRuntime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: record_helper FILE.avi|FILE.mp4\n");
        return 2;
    }
    GstRuntime::ensureInitialised();
    TestRecording::CountingReceiver receiver;
    LiveSource *source = TestRecording::openSource(
        &receiver, QSize(320, 240),
        "videotestsrc is-live=true pattern=ball ! capsfilter caps=video/x-raw,width=320,height=240,framerate=25/1");
    if (!source->isOpen()) {
        std::fprintf(stderr, "the test camera did not open\n");
        return 1;
    }
    QEventLoop starting;
    QObject::connect(source, &LiveSource::recordingStarted, &starting, &QEventLoop::quit);
    QObject::connect(source, &LiveSource::recordingEnded, &starting, &QEventLoop::quit);
    TestRecording::recordAsNamed(arguments.at(1));
    source->startRecording(arguments.at(1));
    if (source->isRecording())
        starting.exec();
    if (!source->isRecording() || !QFileInfo::exists(arguments.at(1))) {
        std::fprintf(stderr, "the recording did not start\n");
        return 1;
    }
    std::printf("recording\n");
    std::fflush(stdout);
    return app.exec();
}

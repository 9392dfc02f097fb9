#ifndef FILMPROBE_H
#define FILMPROBE_H

#include <QObject>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>

class QTimer;

// Tries a film in a child process (document-camera-film-probe) before the program loads it. A
// damaged file can make a demuxer ask for gigabytes at once, and GLib aborts the process whose
// allocation fails; in the child, which runs under an address-space limit, that costs only the
// child. The child loads the film to its first frame and answers what it found.
//
// Everything happens in the event loop: start() returns at once and finished() tells the verdict.
class FilmProbe : public QObject
{
    Q_OBJECT

public:
    enum Verdict {
        // The child loaded the film as far as it could and answered: see answer().
        Answered,
        // The child aborted, crashed or ended without an answer: the film is not to be loaded.
        Died,
        // The child was killed for taking longer than its time: the film is not to be loaded.
        TimedOut,
        // The child could not be started (the helper is not installed): nothing is known.
        Unavailable,
    };
    Q_ENUM(Verdict)

    struct Answer
    {
        bool prerolled = false;
        bool video = false;
        bool audio = false;
        QSize pictureSize;
        // In 100 ns units; -1 when the file does not tell.
        qint64 duration = -1;
        // What the film needs that is not installed, in GStreamer's words for the user.
        QStringList missing;
    };

    explicit FilmProbe(QObject *parent = nullptr);
    ~FilmProbe() override;

    // Starts the child on the file, ending one still running without a verdict; the child is
    // killed once timeLimitMs have passed.
    void start(const QString &fileName, int timeLimitMs);
    // Ends a running child; no verdict is sent for it.
    void cancel();
    bool isRunning() const { return process != nullptr; }
    // The latest child's answer, once finished() has said Answered.
    Answer answer() const { return lastAnswer; }

    // The helper program: beside the running program unless set otherwise (tests run from a
    // build folder and point it at the build's helper).
    static void setProgram(const QString &path);
    static QString program();
    static constexpr const char *ProgramName = "document-camera-film-probe";

    // Reads the child's output; a missing line makes the answer incomplete.
    static bool parseAnswer(const QByteArray &output, Answer *answer);

signals:
    void finished(FilmProbe::Verdict verdict);

private slots:
    void timeLimitReached();

private:
    void childFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void childFailedToStart();
    void release(bool killChild);
    void conclude(Verdict verdict);

    QProcess *process = nullptr;
    QTimer *timeLimit;
    QString file;
    Answer lastAnswer;
};

Q_DECLARE_METATYPE(FilmProbe::Verdict)

#endif

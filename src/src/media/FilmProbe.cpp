#include "FilmProbe.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>
#include <QTimer>

namespace {

constexpr qint64 NanosecondsPerUnit = 100;

QString &programOverride()
{
    static QString path;
    return path;
}

} // namespace

FilmProbe::FilmProbe(QObject *parent)
    : QObject(parent)
    , timeLimit(new QTimer(this))
{
    qRegisterMetaType<FilmProbe::Verdict>();
    timeLimit->setSingleShot(true);
    timeLimit->setTimerType(Qt::PreciseTimer);
    connect(timeLimit, SIGNAL(timeout()), this, SLOT(timeLimitReached()));
}

FilmProbe::~FilmProbe()
{
    // A child still running is killed; QProcess then reaps it, which takes a moment only.
    release(true);
}

void FilmProbe::setProgram(const QString &path)
{
    programOverride() = path;
}

QString FilmProbe::program()
{
    if (!programOverride().isEmpty())
        return programOverride();
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(ProgramName);
}

void FilmProbe::start(const QString &fileName, int timeLimitMs)
{
    cancel();
    file = fileName;
    lastAnswer = Answer();
    process = new QProcess(this);
    // What the child says on its error output (GLib's last words, a sanitizer's report) goes to
    // the program's own, for the log.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus status) { childFinished(exitCode, status); });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            childFailedToStart();
    });
    timeLimit->start(timeLimitMs);
    process->start(program(), {fileName}, QIODevice::ReadOnly);
}

void FilmProbe::cancel()
{
    release(true);
}

// Lets go of the child: a running one is killed and its QProcess deletes itself once the child is
// reaped, so nobody waits for it here.
void FilmProbe::release(bool killChild)
{
    timeLimit->stop();
    if (!process)
        return;
    QProcess *child = process;
    process = nullptr;
    child->disconnect(this);
    if (child->state() == QProcess::NotRunning) {
        child->deleteLater();
        return;
    }
    connect(child, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), child, &QObject::deleteLater);
    if (killChild)
        child->kill();
}

void FilmProbe::childFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    const QByteArray output = process->readAllStandardOutput();
    const bool answered = exitStatus == QProcess::NormalExit && exitCode == 0 && parseAnswer(output, &lastAnswer);
    if (!answered) {
        qDebug() << "Film probe gave no answer for" << file << "(exit status" << exitStatus << "code"
                 << exitCode << ")";
    }
    release(false);
    conclude(answered ? Answered : Died);
}

void FilmProbe::childFailedToStart()
{
    qWarning() << "Film probe cannot be started:" << program() << process->errorString();
    release(false);
    conclude(Unavailable);
}

void FilmProbe::timeLimitReached()
{
    qDebug() << "Film probe ran out of time on" << file;
    release(true);
    conclude(TimedOut);
}

void FilmProbe::conclude(Verdict verdict)
{
    emit finished(verdict);
}

bool FilmProbe::parseAnswer(const QByteArray &output, Answer *answer)
{
    const QStringList required = {QStringLiteral("prerolled"), QStringLiteral("video"), QStringLiteral("audio"),
                                  QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("duration")};
    QStringList seen;
    Answer parsed;
    int width = 0;
    int height = 0;
    for (const QByteArray &rawLine : output.split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        const int space = line.indexOf(QLatin1Char(' '));
        if (space <= 0)
            continue;
        const QString key = line.left(space);
        const QString value = line.mid(space + 1);
        bool number = true;
        if (key == QLatin1String("missing")) {
            parsed.missing << value;
            continue;
        }
        if (key == QLatin1String("prerolled"))
            parsed.prerolled = value.toInt(&number) == 1;
        else if (key == QLatin1String("video"))
            parsed.video = value.toInt(&number) == 1;
        else if (key == QLatin1String("audio"))
            parsed.audio = value.toInt(&number) == 1;
        else if (key == QLatin1String("width"))
            width = value.toInt(&number);
        else if (key == QLatin1String("height"))
            height = value.toInt(&number);
        else if (key == QLatin1String("duration")) {
            const qint64 nanoseconds = value.toLongLong(&number);
            parsed.duration = nanoseconds < 0 ? -1 : nanoseconds / NanosecondsPerUnit;
        } else
            continue;
        if (number)
            seen << key;
    }
    for (const QString &key : required) {
        if (!seen.contains(key))
            return false;
    }
    parsed.pictureSize = QSize(width, height);
    *answer = parsed;
    return true;
}

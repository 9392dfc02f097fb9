// The film player's own rules (speed steps, tick, transport, position, volume, refresh) checked
// against a back end that only keeps state in memory.
#include "FilmSource.h"
#include "ICaptureCB.h"
#include "media/PlaybackBackend.h"

#include <QHash>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

constexpr qint64 Second = 10000000; // in 100 ns units

class FakeBackend : public PlaybackBackend
{
public:
    struct Film
    {
        bool video = true;
        bool audio = true;
        qint64 duration = 10 * Second;
    };

    QHash<QString, Film> films;
    bool loaded = false;
    bool running = false;
    Film film;
    qint64 at = 0;
    QStringList calls;
    QList<qint64> seeks;
    QList<int> volumes;
    int requests = 0;
    // Frames that reached the canvas; a film that loads has shown its first.
    quint64 frames = 1;

    // Answers from the event loop, as the real back end does; a close or a newer load drops the
    // answer still on its way.
    void startOpen(const QString &fileName) override
    {
        calls << "open";
        const bool known = films.contains(fileName);
        if (known) {
            film = films.value(fileName);
            loaded = true;
            at = 0;
        }
        const int request = ++requests;
        QMetaObject::invokeMethod(
            this,
            [this, known, request] {
                if (request == requests)
                    emit openFinished(known);
            },
            Qt::QueuedConnection);
    }
    void close() override
    {
        calls << "close";
        ++requests;
        loaded = false;
        running = false;
    }
    bool hasVideo() const override { return loaded && film.video; }
    bool hasAudio() const override { return loaded && film.audio; }
    void run() override
    {
        calls << "run";
        running = true;
    }
    void pause() override
    {
        calls << "pause";
        running = false;
    }
    qint64 duration() const override { return loaded ? film.duration : 0; }
    qint64 position() const override { return at; }
    void seek(qint64 position) override
    {
        calls << "seek";
        seeks << position;
        at = position;
    }
    void setVolume(int hundredthsOfDecibel) override { volumes << hundredthsOfDecibel; }
    quint64 framesShown() const override { return frames; }

    void breakDown() { emit failed(QStringLiteral("decoder gave up")); }
};

class Receiver : public ICaptureCB
{
public:
    QStringList refresh;
    bool refreshing = false;

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
    void startAutoRefresh() override
    {
        refresh << "start";
        refreshing = true;
    }
    void stopAutoRefresh() override
    {
        refresh << "stop";
        refreshing = false;
    }
};

// A film source whose speed clock the test sets by hand.
class ClockedFilmSource : public FilmSource
{
public:
    ClockedFilmSource(ICaptureCB *receiver, PlaybackBackend *backend)
        : FilmSource(receiver, backend)
    {
    }

    qint64 elapsed = 0;
    int restarts = 0;

protected:
    qint64 speedClockElapsed() const override { return elapsed; }
    void restartSpeedClock() override
    {
        elapsed = 0;
        ++restarts;
    }
};

struct Bench
{
    Receiver receiver;
    FakeBackend *backend = new FakeBackend;
    ClockedFilmSource source{&receiver, backend};

    Bench()
    {
        backend->films.insert("film.avi", {});
        backend->films.insert("silent.avi", {true, false, 10 * Second});
        backend->films.insert("long.avi", {true, true, 600 * Second});
        backend->films.insert("music.avi", {false, true, 10 * Second});
    }

    QTimer *tickTimer() { return source.findChild<QTimer *>(); }

    void openFilm(const char *name = "film.avi")
    {
        QVERIFY(source.open(name));
        backend->calls.clear();
        backend->seeks.clear();
        backend->volumes.clear();
        receiver.refresh.clear();
    }
};

} // namespace

class FilmSourceTest : public QObject
{
    Q_OBJECT

private slots:
    // opening
    void openPlaysFromTheStartAtFullVolume();
    void filmWithoutSoundPlaysSilently();
    void fileWithoutPictureKeepsNothing();
    void unreadableFileKeepsNothing();
    void openReturnsToNormalSpeed();
    void failedOpenAfterAFilmLeavesTheCanvasRefreshing();
    void closeDropsTheFilm();
    void openAnswersLaterBySignal();
    void abandonedOpenIsNotAnswered();

    // transport
    void nothingHappensBeforeAFilmIsOpen();
    void pauseRestsTheFilm();
    void stopRewindsAndKeepsPlayingAndStep();
    void playResetsTheStep();

    // speed steps
    void forwardClimbsTheTable();
    void backwardStopsAtMinusTwo();
    void leavingNormalSpeedPausesAndReturningRuns();
    void fastStepSeeksFromTheTick();
    void rewindingPastTheStartRestsAtZero();
    void runningOffTheEndRestsAtZero();

    // position and volume
    void setPositionSeeksByPercent_data();
    void setPositionSeeksByPercent();
    void positionIsZeroWithoutAFilm();
    void volumeInHundredthsOfDecibel_data();
    void volumeInHundredthsOfDecibel();

    // mode changes and failures
    void captureFollowsTheMode();
    void filmLoadedAfterLeavingTheModeWaits();
    void failureRestsOnTheLastGoodFrame();

    // a film whose picture never comes
    void noPictureAfterTwoSecondsIsToldOnceAndSoundPlaysOn();
    void noPictureIsToldAtTheEndOfAShorterFilm();
    void aFilmShowingFramesSaysNothing();
    void pausedTimeDoesNotCount();
};

void FilmSourceTest::openPlaysFromTheStartAtFullVolume()
{
    Bench bench;
    QVERIFY(bench.source.open("film.avi"));
    QVERIFY(bench.source.isOpened());
    QVERIFY(bench.source.isPlaying());
    QVERIFY(bench.source.hasAudio());
    QCOMPARE(bench.source.rate(), 1);
    QVERIFY(bench.backend->running);
    QCOMPARE(bench.backend->volumes, QList<int>{0});
    QVERIFY(bench.tickTimer()->isActive());
    QCOMPARE(bench.tickTimer()->interval(), 100);
    // While the film runs at normal speed the canvas is fed by it, not by its own refresh.
    QCOMPARE(bench.receiver.refresh, QStringList{"stop"});
}

void FilmSourceTest::filmWithoutSoundPlaysSilently()
{
    Bench bench;
    bench.openFilm("silent.avi");
    QVERIFY(!bench.source.hasAudio());
    bench.source.setVolume(50);
    QVERIFY(bench.backend->volumes.isEmpty());
    QVERIFY(bench.backend->running);
}

void FilmSourceTest::fileWithoutPictureKeepsNothing()
{
    Bench bench;
    QVERIFY(!bench.source.open("music.avi"));
    QVERIFY(!bench.source.isOpened());
    QVERIFY(!bench.source.isPlaying());
    QVERIFY(!bench.backend->loaded);
    QVERIFY(!bench.backend->running);
    QVERIFY(!bench.tickTimer()->isActive());
    QVERIFY(bench.receiver.refresh.isEmpty());
}

void FilmSourceTest::unreadableFileKeepsNothing()
{
    Bench bench;
    QVERIFY(!bench.source.open("notes.txt"));
    QVERIFY(!bench.source.isOpened());
    bench.source.forward();
    QCOMPARE(bench.source.speedStep(), FilmSource::NormalStep);
}

void FilmSourceTest::openReturnsToNormalSpeed()
{
    Bench bench;
    bench.openFilm();
    bench.source.forward();
    bench.source.forward();
    QCOMPARE(bench.source.rate(), 4);
    QVERIFY(bench.source.open("silent.avi"));
    QCOMPARE(bench.source.rate(), 1);
    QVERIFY(bench.backend->running);
    QCOMPARE(bench.backend->calls, (QStringList{"pause", "pause", "close", "open", "run"}));
}

void FilmSourceTest::failedOpenAfterAFilmLeavesTheCanvasRefreshing()
{
    Bench bench;
    bench.openFilm();
    QVERIFY(!bench.source.open("notes.txt"));
    QVERIFY(!bench.source.isOpened());
    QVERIFY(!bench.backend->loaded);
    QVERIFY(bench.receiver.refreshing);
}

void FilmSourceTest::openAnswersLaterBySignal()
{
    Bench bench;
    QSignalSpy answers(&bench.source, SIGNAL(openFinished(bool)));
    bench.source.startOpen("film.avi");
    QVERIFY(bench.source.isOpening());
    QVERIFY(!bench.source.isOpened());
    QVERIFY(answers.isEmpty());
    QVERIFY(answers.wait(1000));
    QCOMPARE(answers.first().first().toBool(), true);
    QVERIFY(!bench.source.isOpening());
    QVERIFY(bench.source.isPlaying());

    bench.source.startOpen("notes.txt");
    QVERIFY(answers.wait(1000));
    QCOMPARE(answers.last().first().toBool(), false);
    QVERIFY(!bench.source.isOpened());
    QVERIFY(bench.receiver.refreshing);
}

// A load given up for another (or for nothing) says nothing: only the one asked for last answers.
void FilmSourceTest::abandonedOpenIsNotAnswered()
{
    Bench bench;
    QSignalSpy answers(&bench.source, SIGNAL(openFinished(bool)));
    bench.source.startOpen("film.avi");
    bench.source.close();
    QVERIFY(!bench.source.isOpening());
    bench.source.startOpen("long.avi");
    bench.source.startOpen("notes.txt");
    QVERIFY(answers.wait(1000));
    QCoreApplication::processEvents();
    QCOMPARE(answers.count(), 1);
    QCOMPARE(answers.first().first().toBool(), false);
    QVERIFY(!bench.source.isOpened());

    // The answer-in-hand form waits for its own load only.
    QVERIFY(bench.source.open("silent.avi"));
    QCOMPARE(answers.count(), 2);
}

void FilmSourceTest::closeDropsTheFilm()
{
    Bench bench;
    bench.openFilm();
    bench.source.close();
    QVERIFY(!bench.source.isOpened());
    QVERIFY(!bench.source.isPlaying());
    QVERIFY(!bench.backend->loaded);
    QVERIFY(!bench.tickTimer()->isActive());
    QCOMPARE(bench.source.position(), 0);

    bench.backend->calls.clear();
    bench.source.close();
    QVERIFY(bench.backend->calls.isEmpty());
}

void FilmSourceTest::nothingHappensBeforeAFilmIsOpen()
{
    Bench bench;
    QSignalSpy ticks(&bench.source, SIGNAL(tick()));
    bench.source.play();
    bench.source.pause();
    bench.source.stop();
    bench.source.backward();
    bench.source.forward();
    bench.source.setPosition(50);
    bench.source.setVolume(50);
    bench.source.tickEvent();
    QVERIFY(bench.backend->calls.isEmpty());
    QVERIFY(bench.backend->volumes.isEmpty());
    QVERIFY(bench.receiver.refresh.isEmpty());
    QCOMPARE(ticks.count(), 0);
    QCOMPARE(bench.source.speedStep(), FilmSource::NormalStep);
    QVERIFY(!bench.source.isPlaying());
}

void FilmSourceTest::pauseRestsTheFilm()
{
    Bench bench;
    bench.openFilm();
    bench.source.pause();
    QVERIFY(!bench.backend->running);
    QVERIFY(!bench.tickTimer()->isActive());
    QCOMPARE(bench.receiver.refresh, QStringList{"start"});
    QVERIFY(bench.source.isPlaying());
}

void FilmSourceTest::stopRewindsAndKeepsPlayingAndStep()
{
    Bench bench;
    bench.openFilm();
    bench.source.forward();
    bench.backend->at = 3 * Second;
    bench.backend->calls.clear();
    QSignalSpy ticks(&bench.source, SIGNAL(tick()));

    bench.source.stop();
    QCOMPARE(bench.backend->calls, (QStringList{"pause", "seek"}));
    QCOMPARE(bench.backend->seeks, QList<qint64>{0});
    QCOMPARE(ticks.count(), 1);
    QVERIFY(!bench.tickTimer()->isActive());
    QVERIFY(bench.receiver.refreshing);
    QVERIFY(bench.source.isPlaying());
    QCOMPARE(bench.source.rate(), 2);
}

void FilmSourceTest::playResetsTheStep()
{
    Bench bench;
    bench.openFilm();
    bench.source.forward();
    bench.source.forward();
    bench.source.pause();
    bench.receiver.refresh.clear();
    const int restarts = bench.source.restarts;

    bench.source.play();
    QCOMPARE(bench.source.rate(), 1);
    QVERIFY(bench.source.isPlaying());
    QVERIFY(bench.backend->running);
    QVERIFY(bench.tickTimer()->isActive());
    QCOMPARE(bench.source.restarts, restarts + 1);
    QCOMPARE(bench.receiver.refresh, QStringList{"stop"});
}

void FilmSourceTest::forwardClimbsTheTable()
{
    Bench bench;
    bench.openFilm();
    const QList<int> expected = {2, 4, 8, 16, 32, 100, 100};
    QList<int> rates;
    for (int i = 0; i < expected.size(); ++i) {
        bench.source.forward();
        rates << bench.source.rate();
    }
    QCOMPARE(rates, expected);
}

void FilmSourceTest::backwardStopsAtMinusTwo()
{
    Bench bench;
    bench.openFilm();
    bench.source.backward();
    QCOMPARE(bench.source.rate(), -2);
    bench.source.backward();
    QCOMPARE(bench.source.rate(), -2);
    QCOMPARE(bench.source.speedStep(), 0);
}

void FilmSourceTest::leavingNormalSpeedPausesAndReturningRuns()
{
    Bench bench;
    bench.openFilm();
    bench.source.forward();
    QCOMPARE(bench.backend->calls, QStringList{"pause"});
    QCOMPARE(bench.source.restarts, 1);
    bench.source.backward();
    QCOMPARE(bench.backend->calls, (QStringList{"pause", "run"}));
    QCOMPARE(bench.source.restarts, 1);
    // The ticking and the canvas's refresh are left as they are: the tick drives the fast seeks.
    QVERIFY(bench.tickTimer()->isActive());
    QVERIFY(bench.receiver.refresh.isEmpty());
}

void FilmSourceTest::fastStepSeeksFromTheTick()
{
    Bench bench;
    bench.openFilm();
    bench.source.forward();
    bench.source.forward();
    QCOMPARE(bench.source.rate(), 4);
    bench.backend->at = 2 * Second;
    QSignalSpy ticks(&bench.source, SIGNAL(tick()));

    // Less than a tick's worth of time on the speed clock: no seek yet.
    bench.source.elapsed = 99;
    bench.source.tickEvent();
    QVERIFY(bench.backend->seeks.isEmpty());
    QCOMPARE(ticks.count(), 1);

    bench.source.elapsed = 100;
    bench.source.tickEvent();
    QCOMPARE(bench.backend->seeks, QList<qint64>{2 * Second + 4000000});
    QCOMPARE(bench.source.elapsed, 0);
    QCOMPARE(ticks.count(), 2);

    bench.source.elapsed = 130;
    bench.source.tickEvent();
    QCOMPARE(bench.backend->seeks.last(), 2 * Second + 4000000 + 130 * 4 * 10000);

    // At normal speed the running film moves itself.
    bench.source.play();
    bench.backend->seeks.clear();
    bench.source.elapsed = 500;
    bench.source.tickEvent();
    QVERIFY(bench.backend->seeks.isEmpty());
}

void FilmSourceTest::rewindingPastTheStartRestsAtZero()
{
    Bench bench;
    bench.openFilm();
    bench.source.backward();
    bench.backend->at = Second / 10;
    bench.backend->calls.clear();
    QSignalSpy ticks(&bench.source, SIGNAL(tick()));

    bench.source.elapsed = 200; // 200 ms at -2 goes back 0.4 s, past the start
    bench.source.tickEvent();
    QCOMPARE(bench.backend->seeks, (QList<qint64>{Second / 10 - 4000000, 0}));
    QCOMPARE(bench.backend->calls, (QStringList{"seek", "seek", "pause"}));
    QVERIFY(!bench.source.isPlaying());
    QVERIFY(bench.receiver.refreshing);
    QCOMPARE(ticks.count(), 1);
    QCOMPARE(bench.source.position(), 0);
    QVERIFY(bench.tickTimer()->isActive());

    bench.backend->calls.clear();
    bench.source.forward();
    bench.source.backward();
    QVERIFY(bench.backend->calls.isEmpty());
    QCOMPARE(bench.source.rate(), -2);
}

void FilmSourceTest::runningOffTheEndRestsAtZero()
{
    Bench bench;
    bench.openFilm();
    bench.backend->at = 10 * Second;
    bench.source.tickEvent();
    QCOMPARE(bench.backend->seeks, QList<qint64>{0});
    QVERIFY(!bench.backend->running);
    QVERIFY(!bench.source.isPlaying());
    QVERIFY(bench.receiver.refreshing);

    bench.source.play();
    QVERIFY(bench.source.isPlaying());
    QVERIFY(bench.backend->running);
}

void FilmSourceTest::setPositionSeeksByPercent_data()
{
    QTest::addColumn<QString>("film");
    QTest::addColumn<int>("percent");
    QTest::addColumn<qint64>("target");
    QTest::newRow("half of ten seconds") << "film.avi" << 50 << 5 * Second;
    QTest::newRow("half of ten minutes") << "long.avi" << 50 << 300 * Second;
    QTest::newRow("start") << "film.avi" << 0 << qint64(0);
    QTest::newRow("end") << "film.avi" << 100 << 10 * Second;
    QTest::newRow("33 percent truncates") << "film.avi" << 33 << qint64(33000000);
}

void FilmSourceTest::setPositionSeeksByPercent()
{
    QFETCH(QString, film);
    QFETCH(int, percent);
    QFETCH(qint64, target);
    Bench bench;
    QVERIFY(bench.source.open(film));
    bench.source.setPosition(percent);
    QCOMPARE(bench.backend->seeks.last(), target);
    QCOMPARE(bench.source.position(), percent);
}

void FilmSourceTest::positionIsZeroWithoutAFilm()
{
    Bench bench;
    bench.backend->at = 5 * Second;
    QCOMPARE(bench.source.position(), 0);
}

void FilmSourceTest::volumeInHundredthsOfDecibel_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("level");
    QTest::newRow("full") << 100 << 0;
    QTest::newRow("75") << 75 << -2500;
    QTest::newRow("slider minimum") << 1 << -9900;
    QTest::newRow("silence") << 0 << -10000;
}

void FilmSourceTest::volumeInHundredthsOfDecibel()
{
    QFETCH(int, volume);
    QFETCH(int, level);
    Bench bench;
    bench.openFilm();
    bench.source.setVolume(volume);
    QCOMPARE(bench.backend->volumes, QList<int>{level});
}

void FilmSourceTest::captureFollowsTheMode()
{
    Bench bench;
    bench.source.resumeCapture();
    bench.source.pauseCapture();
    QCOMPARE(bench.receiver.refresh, (QStringList{"start", "stop"}));
    QVERIFY(bench.backend->calls.isEmpty());

    bench.openFilm();
    bench.source.pauseCapture();
    QCOMPARE(bench.backend->calls, QStringList{"pause"});
    QVERIFY(!bench.tickTimer()->isActive());
    QCOMPARE(bench.receiver.refresh, (QStringList{"start", "stop"}));
}

void FilmSourceTest::filmLoadedAfterLeavingTheModeWaits()
{
    Bench bench;
    QSignalSpy answers(&bench.source, SIGNAL(openFinished(bool)));
    bench.source.resumeCapture();
    bench.source.startOpen("film.avi");
    bench.source.pauseCapture();
    QVERIFY(answers.wait(1000));
    QVERIFY(bench.source.isOpened());
    QVERIFY(!bench.backend->running);
    QVERIFY(!bench.tickTimer()->isActive());
    QVERIFY(!bench.receiver.refreshing);

    bench.source.resumeCapture();
    bench.source.play();
    QVERIFY(bench.backend->running);
}

void FilmSourceTest::failureRestsOnTheLastGoodFrame()
{
    Bench bench;
    bench.openFilm();
    bench.backend->at = 4 * Second;
    QSignalSpy failures(&bench.source, SIGNAL(playbackFailed(QString)));

    bench.backend->breakDown();
    QCOMPARE(failures.count(), 1);
    QVERIFY(!failures.first().first().toString().isEmpty());
    QVERIFY(bench.source.isOpened());
    QVERIFY(!bench.source.isPlaying());
    QVERIFY(!bench.backend->running);
    QVERIFY(bench.backend->seeks.isEmpty());
    QVERIFY(!bench.tickTimer()->isActive());
    QVERIFY(bench.receiver.refreshing);
    QCOMPARE(bench.source.position(), 40);

    // The film can be moved and played again, which is where a retry starts.
    bench.source.forward();
    QCOMPARE(bench.source.rate(), 1);
    bench.source.play();
    QVERIFY(bench.backend->running);

    // A back end with no film loaded has nothing to report.
    bench.source.close();
    bench.backend->breakDown();
    QCOMPARE(failures.count(), 1);
}

QTEST_GUILESS_MAIN(FilmSourceTest)
#include "tst_filmsource.moc"

void FilmSourceTest::noPictureAfterTwoSecondsIsToldOnceAndSoundPlaysOn()
{
    Bench bench;
    bench.backend->frames = 0;
    bench.openFilm();
    QSignalSpy missing(&bench.source, SIGNAL(pictureMissing(QString)));
    for (int tick = 1; tick < FilmSource::PictureWaitTicks; ++tick)
        bench.source.tickEvent();
    QCOMPARE(missing.count(), 0);

    bench.source.tickEvent();
    QCOMPARE(missing.count(), 1);
    QCOMPARE(missing.first().first().toString(), QStringLiteral("The film has no picture this computer can show."));
    QVERIFY(bench.source.isPlaying());
    QVERIFY(bench.backend->running);
    QVERIFY(!bench.backend->calls.contains("pause"));

    for (int tick = 0; tick < 2 * FilmSource::PictureWaitTicks; ++tick)
        bench.source.tickEvent();
    QCOMPARE(missing.count(), 1);

    // The next film is watched afresh.
    bench.openFilm();
    for (int tick = 0; tick < FilmSource::PictureWaitTicks; ++tick)
        bench.source.tickEvent();
    QCOMPARE(missing.count(), 2);
}

void FilmSourceTest::noPictureIsToldAtTheEndOfAShorterFilm()
{
    Bench bench;
    bench.backend->frames = 0;
    bench.openFilm();
    QSignalSpy missing(&bench.source, SIGNAL(pictureMissing(QString)));
    bench.source.tickEvent();
    bench.backend->at = 10 * Second;
    bench.source.tickEvent();
    QCOMPARE(missing.count(), 1);
}

void FilmSourceTest::aFilmShowingFramesSaysNothing()
{
    Bench bench;
    bench.openFilm();
    QSignalSpy missing(&bench.source, SIGNAL(pictureMissing(QString)));
    for (int tick = 0; tick < 2 * FilmSource::PictureWaitTicks; ++tick)
        bench.source.tickEvent();
    bench.backend->at = 10 * Second;
    bench.source.tickEvent();
    QCOMPARE(missing.count(), 0);
}

// Two seconds of playing, not of waiting: ticks that find the film resting at its start (here
// after rewinding past it) do not count.
void FilmSourceTest::pausedTimeDoesNotCount()
{
    Bench bench;
    bench.backend->frames = 0;
    bench.openFilm();
    QSignalSpy missing(&bench.source, SIGNAL(pictureMissing(QString)));
    bench.source.backward();
    bench.backend->at = -Second;
    bench.source.tickEvent();
    QVERIFY(!bench.source.isPlaying());
    for (int tick = 0; tick < 2 * FilmSource::PictureWaitTicks; ++tick)
        bench.source.tickEvent();
    QCOMPARE(missing.count(), 0);
}

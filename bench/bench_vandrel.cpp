// Measures the game in one process: the cost of a tick and of painting the
// window, the time from a key to the picture that shows it, and how game time
// keeps to wall time; or, alone, the cost of the first request to play a sound,
// or what a gamepad costs. Prints one line per figure; tools/bench runs it.
//   bench_vandrel [--quick]      (--quick skips the 30-second game)
//   bench_vandrel --first-sound
//   bench_vandrel --pad

#include "WindowOnFakes.h"
#include "platform/LazySoundPlayer.h"
#include "ui/RoadView.h"

#include <SDL.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dlfcn.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double Micro(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void Report(const char* name, double value, const char* unit, const char* against, double ratio)
{
    std::printf("%-34s %12.3f %-4s  %s %.6g\n", name, value, unit, against, ratio);
    std::fflush(stdout);
}

// The tick alone, on the real generator, with game overs answered Yes.
void TickCost()
{
    Fakes h;
    h.settings = {{"Sound", "2"}, {"Time", "1e9"}};
    RandomGenerator random;
    MainControls controls(h);
    SoundChoice choice(h, h);
    Game game(controls, choice, h.Services(random), h, ".", "");
    game.GameStart();
    constexpr int batches = 10000, perBatch = 10; // 100,000 ticks
    std::vector<double> samples;
    samples.reserve(batches);
    for (int b = 0; b < batches; ++b) {
        const auto start = Clock::now();
        for (int t = 0; t < perBatch; ++t)
            game.Tick();
        samples.push_back(Micro(Clock::now() - start) / perBatch);
    }
    const double median = Median(samples);
    Report("tick, median", median, "us", "share of the 50 ms budget:", median / 50000.0);
}

// The real window, its traffic drawn by the program's own generator.
struct LiveWindow : WindowOnFakes
{
    explicit LiveWindow(const std::string& time = "1e9", const std::string& speed = "100")
        : WindowOnFakes({{"Sound", "2"}, {"Time", time}, {"Speed", speed}}, true)
    {
    }
    QWidget* Road() const { return Find("picRoad"); }
};

void PaintCost()
{
    LiveWindow w;
    for (const double scale : {1.0, 2.0}) {
        QImage image(w.form->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        std::vector<double> samples;
        for (int i = 0; i < 500; ++i) {
            const auto start = Clock::now();
            w.form->render(&image);
            samples.push_back(Micro(Clock::now() - start));
        }
        const double median = Median(samples) / 1000.0;
        Report(scale == 1.0 ? "paint window at scale 1, median" : "paint window at scale 2, median",
               median, "ms", "share of a 16.7 ms frame:", median / 16.7);
    }
}

// Counts the road's paints so that a key can be timed to the picture showing it.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(object, event);
    }
    int paints = 0;
};

void KeyToScreen()
{
    LiveWindow w;
    QApplication::processEvents();
    PaintWatch watch;
    w.Road()->installEventFilter(&watch);
    std::vector<double> samples;
    int turns = 0, worstTurns = 0; // processEvents calls until the paint
    for (int i = 0; i < 200; ++i) {
        const int key = i % 2 ? Qt::Key_Right : Qt::Key_Left;
        const int before = watch.paints;
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.Road(), &press);
        for (turns = 0; watch.paints == before && turns < 100; ++turns)
            QApplication::processEvents();
        samples.push_back(Micro(Clock::now() - start) / 1000.0);
        worstTurns = std::max(worstTurns, turns);
    }
    Report("key to repainted road, median", Median(samples), "ms",
           "event-loop turns at worst:", worstTurns);
}

// A 30-second game with no input (the traffic stands still at 0 km/h, so nothing
// crashes): the wall time from its first tick to the time-over box.
void GameTimeAgainstWallTime(QApplication& app)
{
    LiveWindow w("30", "0");
    std::vector<Clock::time_point> ticks;
    ticks.reserve(700);
    QObject::connect(w.Find<QTimer>("Timer1"), &QTimer::timeout, [&ticks] { ticks.push_back(Clock::now()); });
    Clock::time_point over;
    w.answers = {Dialogs::Answer::Ok, Dialogs::Answer::No};
    w.whileOpen = [&over] {
        if (over == Clock::time_point())
            over = Clock::now();
    };
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    app.exec();
    if (ticks.size() < 2) {
        std::printf("game time: no ticks\n");
        return;
    }
    const double wall = std::chrono::duration<double>(over - ticks.front()).count();
    double gap = 0;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        gap = std::max(gap, Micro(ticks[i] - ticks[i - 1]) / 1000.0);
    // The first tick comes 50 ms after the start, the box at tick 600: 599 periods.
    Report("30 s game, first tick to time over", wall, "s", "against 29.95 s:", wall / 29.95);
    Report("largest gap between ticks", gap, "ms", "over the 50 ms period:", gap / 50.0 - 1.0);
}

// The first request to play loads the sound module and connects to the sound
// server: a one-off pause of the event loop, at the first bonus or when the music
// starts. A later request is the everyday cost.
void FirstSound()
{
    LazySoundPlayer sound(QStringLiteral(VANDREL_SOUND_MODULE_PATH));
    const std::string effect = VANDREL_BONUS_SOUND;
    const auto first = Clock::now();
    sound.PlayEffect(effect);
    const auto later = Clock::now();
    sound.PlayEffect(effect);
    const auto end = Clock::now();
    if (sound.FileTypes().isEmpty()) {
        std::printf("first sound: the sound module did not load\n");
        return;
    }
    const double firstMs = Micro(later - first) / 1000.0;
    Report("first sound request, loads module", firstMs, "ms", "share of the 50 ms tick period:",
           firstMs / 50.0);
    const double laterMs = Micro(end - later) / 1000.0;
    Report("a later sound request", laterMs, "ms", "share of the 50 ms tick period:", laterMs / 50.0);
}

// A field of this process's status, in kB or a count; summed over its threads
// when of the threads.
long Status(const char* field, bool threads = false)
{
    long sum = 0;
    const QStringList tasks = threads ? QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot) : QStringList{""};
    for (const QString& task : tasks) {
        QFile status(threads ? "/proc/self/task/" + task + "/status" : "/proc/self/status");
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                sum += line.mid(qstrlen(field) + 1).trimmed().split(' ')[0].toLong();
    }
    return sum;
}

// The program's wake-ups a second over 5 s, as its threads' context switches.
double WakeUps()
{
    const auto switches = [] { return Status("voluntary_ctxt_switches", true) + Status("nonvoluntary_ctxt_switches", true); };
    const long before = switches();
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return double(switches() - before) / 5.0;
}

// What a gamepad costs a paused game: its wake-ups and its memory, with no pad,
// once a pad has loaded the module, and with a pad connected (one of SDL's
// virtual pads, reached through the module's own SDL).
void PadCost()
{
    QTemporaryFile devices;
    devices.open();
    WindowOnFakes w({{"Sound", "2"}, {"Speed", "0"}, {"Time", "1e9"}}, false, false, devices.fileName());
    const auto pause = [&] {
        QTest::keyClick(w.Find("picRoad"), Qt::Key_Pause);
        QTest::qWait(500);
    };
    pause();
    const long rss = Status("VmRSS");
    Report("paused, no pad: wake-ups", WakeUps(), "/s", "RSS, KiB:", double(rss));
    devices.write("H: Handlers=event20 js0\n");
    devices.flush();
    QTest::keyClick(w.Find("picRoad"), Qt::Key_Space); // the game runs: the pad is looked for
    QTest::qWait(500);
    if (!w.pad.Loaded())
        return (void)std::printf("pad: the gamepad module did not load\n");
    pause();
    Report("paused, module loaded: wake-ups", WakeUps(), "/s", "RSS over no pad, KiB:", double(Status("VmRSS") - rss));
    void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    const auto attach = reinterpret_cast<decltype(&SDL_JoystickAttachVirtualEx)>(sdl ? dlsym(sdl, "SDL_JoystickAttachVirtualEx") : nullptr);
    if (!attach)
        return (void)std::printf("pad: no SDL in the gamepad module\n");
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    attach(&pad);
    dlclose(sdl);
    QTest::keyClick(w.Find("picRoad"), Qt::Key_Space);
    QTest::qWait(1500); // found within the second of looking
    pause();
    Report("paused, a pad connected: wake-ups", WakeUps(), "/s", "RSS over no pad, KiB:", double(Status("VmRSS") - rss));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--first-sound") {
        FirstSound();
        return 0;
    }
    if (mode == "--pad") {
        PadCost();
        return 0;
    }
    const bool quick = mode == "--quick";
    TickCost();
    PaintCost();
    KeyToScreen();
    if (!quick)
        GameTimeAgainstWallTime(app);
    return 0;
}

// The rules of the game, on in-memory services: game start, traffic placement and
// collisions drawn as small pictures of the road, the tick, keys, menu commands,
// the sound choice and the random numbers.

#include "Fakes.h"
#include "Program.h"
#include "game/Control.h"
#include "game/MenuCommands.h"
#include "game/RandomGenerator.h"
#include "game/ViewSettings.h"

namespace {

using Answer = Dialogs::Answer;

void Place(clsCar& car, int track, int top)
{
    car.SetPos(std::int16_t(track));
    car.SetTop(std::int16_t(top));
}

struct Spot
{
    int track = 0;
    int top = 0;
};

// Lays the road out from a picture: rows of three tracks, 240 twips (half a car)
// apart, top row first, separated by '|'. 'P' is the player (its row at its Top of
// 5280; without a P the last row lies just above the road), 'R' a racer, 'B' the
// bonus, 'N' the spot a car is sent to. Racers not drawn wait far below the road,
// where they block nothing. Returns the N spot.
Spot Lay(GameOnFakes& g, const QString& picture)
{
    const QStringList rows = picture.split(QLatin1Char('|'));
    int reference = -240 * int(rows.size());
    for (int row = 0; row < rows.size(); ++row)
        if (rows[row].contains(QLatin1Char('P')))
            reference = 5280 - 240 * row;
    for (int i = 0; i < 4; ++i)
        Place(*g.game.Racer(i), 0, 30000);
    Place(*g.game.BonusCar(), 0, 30000);
    Spot spot;
    int racer = 1;
    for (int row = 0; row < rows.size(); ++row) {
        for (int track = 0; track < 3; ++track) {
            const int top = reference + 240 * row;
            switch (rows[row].at(track).toLatin1()) {
            case 'P': Place(*g.game.PlayerCar(), track, top); break;
            case 'R': Place(*g.game.Racer(racer++ % 4), track, top); break;
            case 'B': Place(*g.game.BonusCar(), track, top); break;
            case 'N': spot = {track, top}; break;
            default: break;
            }
        }
    }
    return spot;
}

// The gaps between the marks of a divider line, from the top down.
QList<float> Gaps(const std::array<std::shared_ptr<Control>, 8>& marks)
{
    QList<float> tops, gaps;
    for (const auto& mark : marks)
        tops << mark->Top;
    std::sort(tops.begin(), tops.end());
    for (qsizetype i = 1; i < tops.size(); ++i)
        gaps << tops[i] - tops[i - 1];
    return gaps;
}

QString S(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Where(const clsCar& car)
{
    return QStringLiteral("%1@%2").arg(car.GivePos()).arg(car.GetTop());
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void gameStart_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("first run writes the defaults") << "" << "" << "" << "100 kmph|30 sec" << QStringList{"Sound=1", "Speed=100", "Time=30"};
        QTest::newRow("stored values, music") << "250" << "12.5" << "0" << "250 kmph|12.5 sec" << QStringList{"music /music/loop.flac"};
        QTest::newRow("speed pinned to what 16 bits hold twice") << "99999" << "30" << "2" << "16383 kmph|30 sec" << QStringList{};
        QTest::newRow("negative speed pinned") << "-99999" << "30" << "2" << "-16384 kmph|30 sec" << QStringList{};
        // A game length that is not a positive number would end every game at once;
        // it plays as the first-run 30 s and the stored text stays as it is.
        for (const char* time : {"abc", "0", "-5", "1e999"})
            QTest::addRow("time %s plays 30 s", time) << "100" << time << "2" << "100 kmph|30 sec" << QStringList{};
    }

    void gameStart()
    {
        GameOnFakes g({{"MusicPath", "/music/loop.flac"}});
        for (const auto& [key, value] : {std::pair{"Speed", FETCH(QString, speed)}, {"Time", FETCH(QString, time)}, {"Sound", FETCH(QString, sound)}})
            if (!value.isEmpty())
                g.settings[key] = value.toStdString();
        g.game.Tick(); // before any game: nothing to move
        g.game.KeyDown(Game::vkUp);
        g.game.GameStart();
        QCOMPARE(S(g.controls.lblSpeed->Caption + "|" + g.controls.lblTime->Caption), FETCH(QString, shown));
        QCOMPARE(g.log, FETCH(QStringList, log));
        QCOMPARE(S(g.controls.lblDist->Caption), "0 km");
    }

    void car_data()
    {
        QTest::addColumn<int>("tracks");
        QTest::addColumn<int>("track");
        QTest::addColumn<QString>("shown"); // the picture's Left, then the car's track and Top

        QTest::newRow("first of three, centred") << 3 << 0 << "260 0@-7";
        QTest::newRow("last of three") << 3 << 2 << "2260 2@-7";
        QTest::newRow("the only track") << 1 << 0 << "1260 0@-7";
        QTest::newRow("no tracks: the picture stays") << 0 << 1 << "5 1@-7";
        QTest::newRow("no picture") << -1 << 1 << "none 1@0";
    }

    void car()
    {
        QFETCH(int, tracks);
        auto picture = std::make_shared<Control>(Control{5, 0, 480, 480, {}, true});
        clsCar car;
        car.Constructor(tracks < 0 ? nullptr : picture, 0, 3000, std::int16_t(std::max(tracks, 0)));
        car.SetPos(std::int16_t(FETCH(int, track)));
        car.SetTop(-7);
        QCOMPARE((tracks < 0 ? QString("none") : QString::number(picture->Left)) + " " + Where(car), FETCH(QString, shown));
    }

    void startDealsTheDraws()
    {
        GameOnFakes g({{"Sound", "2"}});
        // Four racer tracks, the bonus track, the bonus value, in that order.
        g.draws = {0.5f, 0.51f, 0.2f, 0.9f, 0.7f, 0.6f};
        g.game.GameStart();
        QStringList racers;
        for (int i = 0; i < 4; ++i)
            racers << Where(*g.game.Racer(i));
        QCOMPARE(racers, (QStringList{"0@-720", "1@-1440", "0@-2160", "1@-2880"}));
        QCOMPARE(Where(*g.game.BonusCar()), "1@-3600");
        QString values; // the bonus: 2r + 1 rounded, an exact half to the even neighbour
        for (const float r : {0.0f, 0.24f, 0.25f, 0.75f, 0.76f, 0.99f}) {
            g.draws = {0, 0, 0, 0, 0, r};
            g.game.GameStart();
            values += S(g.controls.lblBonus->Caption);
        }
        QCOMPARE(values, "112233");
        QCOMPARE(Where(*g.game.PlayerCar()), "1@5280");
        QCOMPARE(g.controls.imgCar->Left, 1260.0f); // centred in its track
        // The dividers at a third and two thirds of the road, marks 735 + 100 apart.
        QString dividers;
        for (const auto* line : {&g.controls.shpDiv1, &g.controls.shpDiv2})
            for (const auto& mark : *line)
                dividers += QStringLiteral("%1:%2 ").arg(mark->Left).arg(mark->Top);
        QCOMPARE(dividers, "932.5:0 932.5:835 932.5:1670 932.5:2505 932.5:3340 932.5:4175 932.5:5010 "
                           "932.5:5845 1932.5:0 1932.5:835 1932.5:1670 1932.5:2505 1932.5:3340 "
                           "1932.5:4175 1932.5:5010 1932.5:5845 ");
        QVERIFY(!g.log.contains("seed"));              // no re-seed at a game start
    }

    void placement_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("isBonus");
        QTest::addColumn<bool>("placed");

        QTest::newRow("free road") << "N..|...|...|..." << false << true;
        QTest::newRow("racer half a car below") << "N..|R..|...|..." << false << false;
        QTest::newRow("racer a whole car below") << "N..|...|R..|..." << false << true;
        QTest::newRow("racer above in the track") << "R..|...|N..|..." << false << false;
        QTest::newRow("outer track, middle racer half a car below its end") << "N..|...|...|.R.|..." << false << false;
        QTest::newRow("outer track, middle racer 1.5 cars below its end") << "N..|...|...|...|...|.R." << false << true;
        QTest::newRow("right track, middle racer close") << "..N|...|...|.R." << false << false;
        QTest::newRow("middle track, one side closed") << ".N.|...|...|R..|..." << false << true;
        QTest::newRow("middle track, both sides closed") << ".N.|...|...|R.R|..." << false << false;
        QTest::newRow("middle track, left side 1.5 cars below its end") << ".N.|...|...|..R|...|R.." << false << true;
        QTest::newRow("middle track, right side 1.5 cars below its end") << ".N.|...|...|R..|...|..R" << false << true;
        QTest::newRow("middle track, a car below in its own") << ".N.|...|...|.RR|..." << false << true;
        QTest::newRow("outer track, middle racer a car below its end") << "N..|...|...|...|.R." << false << false;
        QTest::newRow("level with the bonus") << "N.B|...|...|..." << false << false;
        QTest::newRow("a car above the bonus") << "N..|...|..B|..." << false << true;
        QTest::newRow("bonus itself over a racer") << "N..|R..|...|..." << true << false;
        QTest::newRow("bonus beside a racer") << "N..|.R.|...|..." << true << true;
    }

    void placement()
    {
        QFETCH(QString, road);
        QFETCH(bool, isBonus);
        GameOnFakes g({{"Sound", "2"}});
        g.game.GameStart();
        const Spot spot = Lay(g, road);
        g.log.clear();
        clsCar& car = isBonus ? *g.game.BonusCar() : *g.game.Racer(0);
        Place(car, 2, 6000);
        // The first draw picks the track, the second the height above the road.
        g.draws = {spot.track == 0 ? 0.0f : spot.track == 1 ? 0.5f : 0.9f, float(-spot.top / (5895.0 * 1.5))};
        g.game.SetRandom(car, isBonus);
        QCOMPARE(Where(car), FETCH(bool, placed) ? QStringLiteral("%1@%2").arg(spot.track).arg(spot.top) : QStringLiteral("2@6000"));
        QCOMPARE(g.log, QStringList{"seed"}); // re-seeded at every placement
    }

    void collision_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("log");

        const QStringList crash{"Game Over|Crashed!!\r\nYou covered 0 km", "Game Over|Play Again?", "unload"};
        QTest::newRow("racer half a car ahead") << ".R.|.P." << 2 << crash;
        QTest::newRow("racer a car ahead") << ".R.|...|.P." << 2 << QStringList{};
        QTest::newRow("racer half a car behind") << ".P.|.R." << 2 << crash;
        QTest::newRow("racer alongside in the next track") << ".PR" << 2 << QStringList{};
        QTest::newRow("bonus taken, Sound") << ".B.|.P." << 1 << QStringList{"effect /opt/vandrel/TimeBonus.wav"};
        QTest::newRow("bonus taken, No Sound") << ".B.|.P." << 2 << QStringList{};
        QTest::newRow("bonus in the next track") << "B..|.P." << 1 << QStringList{};
        QTest::newRow("crash and bonus at once, No: nothing after") << ".R.|.P.|.B." << 1 << crash;
    }

    void collision()
    {
        QFETCH(QString, road);
        GameOnFakes g({{"Sound", std::to_string(FETCH(int, mode))}, {"Speed", "100"}, {"Time", "30"}});
        g.game.GameStart();
        g.controls.lblBonus->Caption = "3";
        Lay(g, road);
        const int bonusTop = g.game.BonusCar()->GetTop();
        g.log.clear();
        g.answers = {Answer::Ok, Answer::No};
        g.draws = {0.9f}; // after a take the next bonus is 9 x 0.9 + 1, rounded: 9
        g.game.CheckCrash();
        QCOMPARE(g.log, FETCH(QStringList, log));
        const bool taken = bonusTop != g.game.BonusCar()->GetTop();
        QCOMPARE(taken, road.startsWith(".B.|.P."));
        QCOMPARE(g.game.TimeLeft(), taken ? 33.0 : 30.0);
        if (taken) {
            QCOMPARE(S(g.controls.lblBonus->Caption), "9");
            QCOMPARE(g.game.BonusCar()->GetTop(), 5895);
        }
    }

    void tick()
    {
        GameOnFakes g({{"Sound", "2"}, {"Speed", "100"}, {"Time", "0.5"}});
        g.game.GameStart();
        Place(*g.game.Racer(2), 0, 5770);
        Place(*g.game.BonusCar(), 0, 17560); // 125 short of three road heights
        g.controls.shpDiv1[5]->Top = 5695;    // 200 short of the road's last twip
        g.game.Tick();
        QCOMPARE(g.game.Racer(0)->GetTop(), -720 + 125); // step 200 less the 75 lag
        QCOMPARE(g.game.BonusCar()->GetTop(), 17685);     // at three road heights, kept
        QCOMPARE(g.controls.shpDiv2[3]->Top, 2505 + 200);
        QCOMPARE(g.controls.shpDiv1[5]->Top, 5895);       // on the road's last twip, kept
        QCOMPARE(S(g.controls.lblDist->Caption + "|" + g.controls.lblTime->Caption), "0.001 km|0.45 sec");
        QCOMPARE(g.log, QStringList{}); // the racer at 5895, still on the road; 0.45 s is not the end
        // Below the road, and past three road heights: sent to free places above.
        g.draws = {0.9f, 0.5f, 0.5f, 0.1f, 0.6f}; // racer track and height, bonus's, bonus value
        g.game.Tick();
        QCOMPARE(g.log, (QStringList{"seed", "seed"}));
        QCOMPARE(Where(*g.game.Racer(2)) + " " + Where(*g.game.BonusCar()) + " " + S(g.controls.lblBonus->Caption), "2@-4421 1@-884 2");
        QCOMPARE(S(g.controls.lblDist->Caption), "0.003 km"); // 0.00278 to 3 decimals
        // A mark leaving the road goes back above the next one, keeping the spacing,
        // through games that end and start again.
        for (int i = 0; i < 40; ++i)
            g.game.Tick();
        QCOMPARE(Gaps(g.controls.shpDiv1), QList<float>(7, 835.0f));
        QCOMPARE(Gaps(g.controls.shpDiv2), QList<float>(7, 835.0f));
        // At the highest speed a car far down is pinned at the end of 16 bits, then dealt
        // a new place (dry draws: track 0, the top): never wrapped round above the road.
        g.game.SetSpeed(16383);
        Place(*g.game.BonusCar(), 1, 17000);
        g.game.Tick();
        QCOMPARE(Where(*g.game.BonusCar()), "0@0");
        auto order = g.controls.RoadPaintOrder(); // and every one of them painted, once
        std::sort(order.begin(), order.end());
        QCOMPARE(order.size(), 8 + 8 + 1 + 4 + 2);
        QVERIFY(std::adjacent_find(order.begin(), order.end()) == order.end());
    }

    void bestDistances_data()
    {
        QTest::addColumn<QStringList>("stored"); // keys 1, 2, ...
        QTest::addColumn<double>("km");          // a game that ends after those
        QTest::addColumn<int>("rank");           // 0: it does not enter, and nothing is written
        QTest::addColumn<QString>("table");      // the distances read afterwards
        const auto at = [](const char* km, int minute = 0) {
            return QStringLiteral("%1 km, 100 km/h, 30 s, crash, 2025-12-06T05:%2:00Z").arg(km).arg(minute, 2, 10, QChar('0'));
        };
        QStringList ten;
        for (int km = 10; km > 0; --km)
            ten << at(QByteArray::number(km));
        QTest::newRow("first game") << QStringList{} << 1.5 << 1 << "1.5";
        QTest::newRow("0 km never enters") << QStringList{} << 0.0 << 0 << "";
        QTest::newRow("by distance; equal ones by time, then as entered")
            << QStringList{at("1", 9), at("2", 50), at("1", 1), "1 km, 100 km/h, 30 s, crash, 2025-12-06T05:46:40Z"} << 1.0 << 5 << "2 1@1 1@9 1@46 1@46t";
        QTest::newRow("the eleventh stays out") << ten << 0.5 << 0 << "10 9 8 7 6 5 4 3 2 1";
        QTest::newRow("a better one pushes the last out") << ten << 5.5 << 6 << "10 9 8 7 6 5.5 5 4 3 2";
        QTest::newRow("the store's own commas, blanks and tabs beside them") << QStringList{"2 km\t,100 km/h,30 s ,\ttime over\t,2025-12-06T23:59:59Z"}
                                                << 0.0 << 0 << "2";
        QTest::newRow("a record writes the good ones, none twice") << QStringList{at("3"), at("x"), at("x"), at("1")} << 2.0 << 2 << "3 2 1";
        // Each kind of broken entry is skipped, the others kept; nothing written.
        for (const char* bad : {"2 km, 100 km/h, 30 s, crash", "2 km, 40000 km/h, 30 s, crash, 2025-12-06T05:00:00Z",
                                "2 km, 100 km/h, 30 s, lost, 2025-12-06T05:00:00Z", "0 km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z",
                                "2 km, 100 km/h, 0 s, crash, 2025-12-06T05:00:00Z", "2 km, 100.5 km/h, 30 s, crash, 2025-12-06T05:00:00Z",
                                "2 km, 100 km/h, 30 s, crash, 2025-02-30T05:00:00Z", "2 km, 100 km/h, 30 s, crash, 2025-12-06T24:00:00Z",
                                "2 km, 100 km/h, 30 s, crash, 2025-12-06T23:60:00Z", "2 km, 100 km/h, 30 s, crash, 2025-12-06T23:59:60Z", "2 km, 100 km/h, 30 s, crash, 2025-12-06", "2 km, , 30 s, crash, 2025-12-06T05:00:00Z",
                                "two km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z", "2 km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z, 9 km", "2 km/h, 100 km, 30 s, crash, 2025-12-06T05:00:00Z"})
            QTest::newRow(bad) << QStringList{at("3"), QString::fromLatin1(bad), at("1")} << 0.0 << 0 << "3 1";
    }

    void bestDistances()
    {
        Fakes f;
        const QStringList stored = FETCH(QStringList, stored);
        for (int i = 0; i < stored.size(); ++i)
            f.settings[std::to_string(i + 1)] = stored[i].toStdString();
        const auto before = f.settings;
        BestDistances table(f);
        const auto rank = table.Enter({FETCH(double, km), 100, 30, BestDistance::Ending::timeOver, f.now});
        QCOMPARE(int(rank.value_or(0)), FETCH(int, rank));
        QStringList read; // with the minute (and a t for time over) where distances are equal
        const std::vector<BestDistance> games = table.Read();
        for (const BestDistance& game : games) {
            const auto minute = std::chrono::floor<std::chrono::minutes>(game.when.time_since_epoch()).count() % 60;
            const bool tied = std::count_if(games.begin(), games.end(), [&](auto& g) { return g.km == game.km; }) > 1;
            const char* over = game.ending == BestDistance::Ending::timeOver ? "t" : "";
            read << QString::number(game.km) + (tied ? QStringLiteral("@%1%2").arg(minute).arg(over) : QString());
        }
        QCOMPARE(read.join(' '), FETCH(QString, table));
        QCOMPARE(f.settings == before, !rank);
        QVERIFY(f.settings.size() <= BestDistances::kept); // the game pushed out is not kept
    }

    void bestDistancesOfTwoCopies()
    {
        // Each copy reads the stored table again before it writes: neither loses the other's.
        Fakes f;
        BestDistances first(f), second(f);
        const BestDistance game{1.25, -7, 0.5, BestDistance::Ending::crash, f.now};
        for (BestDistances* copy : {&first, &second, &first})
            copy->Enter(game);
        QCOMPARE(second.Read(), std::vector(3, game)); // all kept, each stored and read back whole
    }

    void gameOver_data()
    {
        QTest::addColumn<Answer>("again");
        QTest::addColumn<QStringList>("log");
        // The game enters the table of best distances between the two boxes.
        const QStringList boxes{"Game Over|Time Over!!\r\nYou covered 0.001 km",
                                "1=0.001 km, 36 km/h, 0.05 s, time over, 2025-12-06T05:46:40Z", "best 1", "Game Over|Play Again?"};
        QTest::newRow("Yes starts a new game") << Answer::Yes << boxes;
        QTest::newRow("No unloads the window") << Answer::No << boxes + QStringList{"unload"};
    }

    void gameOver()
    {
        QFETCH(Answer, again);
        // 36 km/h for one tick is 0.0005 km and a hair: shown as 0.001.
        GameOnFakes g({{"Sound", "2"}, {"Speed", "36"}, {"Time", "0.05"}});
        g.game.GameStart();
        g.answers = {Answer::Ok, again};
        int ticksWhileOpen = 0;
        g.whileOpen = [&] {
            // The tick has shown its figures before the box; ticks and keys meanwhile do nothing.
            QCOMPARE(S(g.controls.lblTime->Caption), "0 sec");
            g.game.Tick();
            g.game.KeyDown(Game::vkLeft);
            g.game.EndGame("Crashed!!", BestDistance::Ending::crash); // no box over the box
            ++ticksWhileOpen;
        };
        g.game.Tick();
        QCOMPARE(g.log, FETCH(QStringList, log));
        QCOMPARE(ticksWhileOpen, 3);
        QCOMPARE(Where(*g.game.PlayerCar()), "1@5280");
        QCOMPARE(S(g.controls.lblTime->Caption), again == Answer::Yes ? "0.05 sec" : "0 sec");
        QCOMPARE(g.controls.shpDiv1[0]->Top, again == Answer::Yes ? 0.0f : 72.0f); // laid out anew
        g.game.Tick(); // after No nothing runs again
        QCOMPARE(g.game.IsBusy(), again == Answer::No);
    }

    void keys_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("track");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("after"); // track, speed, paused

        QTest::newRow("Left") << false << int(Game::vkLeft) << 1 << 100 << "0 100 run";
        QTest::newRow("Left at the edge") << false << int(Game::vkLeft) << 0 << 100 << "0 100 run";
        QTest::newRow("Right") << false << int(Game::vkRight) << 1 << 100 << "2 100 run";
        QTest::newRow("Right at the edge") << false << int(Game::vkRight) << 2 << 100 << "2 100 run";
        QTest::newRow("Up") << false << int(Game::vkUp) << 1 << 100 << "1 101 run";
        QTest::newRow("Up at the 16-bit end") << false << int(Game::vkUp) << 1 << 16383 << "1 16383 run";
        QTest::newRow("Down above the start") << false << int(Game::vkDown) << 1 << 101 << "1 100 run";
        QTest::newRow("Down at the start") << false << int(Game::vkDown) << 1 << 100 << "1 100 run";
        QTest::newRow("Pause") << false << int(Game::vkPause) << 1 << 100 << "1 100 paused";
        QTest::newRow("F1 pauses") << false << int(Game::vkF1) << 1 << 100 << "1 100 paused";
        QTest::newRow("any key resumes, does nothing else") << true << int(Game::vkLeft) << 1 << 100 << "1 100 run";
        QTest::newRow("F1 keeps the pause") << true << int(Game::vkF1) << 1 << 100 << "1 100 paused";
        // -1: the player turned to another program's window.
        QTest::newRow("looking away pauses") << false << -1 << 1 << 100 << "1 100 paused";
        QTest::newRow("looking away keeps the pause") << true << -1 << 1 << 100 << "1 100 paused";
    }

    void keys()
    {
        GameOnFakes g({{"Sound", "2"}, {"Speed", "100"}});
        g.game.GameStart();
        g.game.SetSpeed(std::int16_t(FETCH(int, speed)));
        g.game.PlayerCar()->SetPos(std::int16_t(FETCH(int, track)));
        if (FETCH(bool, paused))
            g.game.PauseIt();
        if (FETCH(int, key) == -1)
            g.game.LookedAway();
        else
            g.game.KeyDown(FETCH(int, key));
        const bool pausedAfter = !g.controls.Timer1.Enabled;
        QCOMPARE(g.controls.lblPaused->Visible, pausedAfter);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(g.game.PlayerCar()->GivePos()).arg(g.game.Speed()).arg(pausedAfter ? "paused" : "run"), FETCH(QString, after));
    }

    void setSpeedAndTime_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("log");

        const QString speedBox = "Set Speed|Enter the Starting Speed: (between 50 and 300)|100";
        const QString restart = "New Game|The game will now restart";
        QTest::newRow("speed accepted") << "speed" << QStringList{"300"} << QStringList{speedBox, restart, "Speed=300"};
        QTest::newRow("speed out of range asked again") << "speed" << QStringList{"301", "49", "50"}
            << QStringList{speedBox, speedBox, speedBox, restart, "Speed=50"};
        QTest::newRow("speed past 16 bits refused, Cancel") << "speed" << QStringList{"1e6", ""} << QStringList{speedBox, speedBox};
        QTest::newRow("time accepted") << "time" << QStringList{"0.1"} << QStringList{"Set Time|Enter the time:|30", restart, "Time=0.1"};
        QTest::newRow("time with the player's decimal comma, or a point") << "time," << QStringList{"0,5"}
            << QStringList{"Set Time|Enter the time:|2,5", restart, "Time=0.5"};
        QTest::newRow("time 0 and infinity refused") << "time" << QStringList{"0", "1e999", ""}
            << QStringList{"Set Time|Enter the time:|30", "Set Time|Enter the time:|30", "Set Time|Enter the time:|30"};
        QTest::newRow("About") << "about" << QStringList{}
            << QStringList{QString("About|Vandrel Version ") + Program::shortVersion + " \r\nCreated by the Vandrel developers\r\n"
                           "Report any bugs at " + QString(*Program::contact ? Program::contact : "the place where you got this copy of Vandrel")};
    }

    void setSpeedAndTime()
    {
        QFETCH(QString, command);
        GameOnFakes g({{"Sound", "2"}, {"Speed", "100"}, {"Time", command == "time," ? "2.5" : "30"}});
        MenuCommands menus(g.game, g, g, g, command.endsWith(",") ? "," : ".");
        g.game.GameStart();
        menus.mnuMenu_Click();
        QVERIFY(!g.controls.Timer1.Enabled);
        for (const QString& text : FETCH(QStringList, typed))
            g.typed.push_back(text.toStdString());
        g.log.clear();
        if (command == "speed")
            menus.mnuSetSpeed_Click();
        else if (command.startsWith("time"))
            menus.mnuSetTime_Click();
        else
            menus.mnuAbout_Click();
        const QStringList log = FETCH(QStringList, log);
        QCOMPARE(g.log, log);
        // A restart runs a new game, resumed; Cancel and About leave the game paused.
        const bool restarted = log.contains("New Game|The game will now restart");
        QCOMPARE(g.controls.Timer1.Enabled, restarted);
        if (restarted)
            QCOMPARE(S(g.controls.lblSpeed->Caption), S(g.settings["Speed"] + " kmph"));
    }

    void viewSettings_data()
    {
        QTest::addColumn<QString>("stored"); // Zoom, FullScreen, SmoothMotion; "-" for none
        QTest::addColumn<QString>("read");   // as read, then what setting zoom 17 and 0 writes
        QTest::newRow("none: zoom 1, a window, smooth") << "- - -" << "1 0 1";
        QTest::newRow("the largest zoom, full screen, classic") << "16 1 0" << "16 1 0";
        QTest::newRow("past the ends: the defaults") << "17 2 2" << "1 0 1";
        QTest::newRow("below them, not whole, or no number") << "0 -1 0.5" << "1 0 1";
        QTest::newRow("not whole, no number") << "2.5 x x" << "1 0 1";
        QTest::newRow("2, a tab, an exponent") << "2 \t 1e0" << "2 0 1";
    }

    void viewSettings()
    {
        Fakes store;
        const QStringList stored = FETCH(QString, stored).split(' ');
        const char* keys[] = {"Zoom", "FullScreen", "SmoothMotion"};
        for (int i = 0; i < 3; ++i)
            if (stored[i] != "-")
                store.settings[keys[i]] = stored[i].toStdString();
        ViewSettings view(store);
        QCOMPARE(QString("%1 %2 %3").arg(view.Zoom()).arg(view.FullScreen()).arg(view.SmoothMotion()), FETCH(QString, read));
        view.SetZoom(17);
        const std::string most = store.settings["Zoom"];
        view.SetZoom(0);
        view.SetSmoothMotion(true);
        const std::string smooth = store.settings["SmoothMotion"];
        view.SetFullScreen(true);
        view.SetSmoothMotion(false);
        QCOMPARE(most + " " + store.settings["Zoom"] + " " + smooth + store.settings["FullScreen"] + store.settings["SmoothMotion"], "16 1 110");
    }

    void soundChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("events"); // click N, path P, ok, cancel
        QTest::addColumn<QString>("shown");  // mode, path, enabled
        QTest::addColumn<QStringList>("log");

        QTest::newRow("music stored") << "0" << "" << "0 /a.ogg on" << QStringList{};
        QTest::newRow("music chosen") << "1" << "click0 path/b.mp3 ok" << "0 /b.mp3 on" << QStringList{"Sound=0", "MusicPath=/b.mp3", "music /b.mp3"};
        QTest::newRow("No Sound keeps the path") << "0" << "click2 ok" << "2 /a.ogg on" << QStringList{"Sound=2", "stop"};
        QTest::newRow("stored 3 and clicks on no option: Sound") << "3" << "click0 cancel click3 click-1" << "1 /a.ogg off" << QStringList{};
        QTest::newRow("path box stays enabled") << "1" << "click0 click1" << "1 /a.ogg on" << QStringList{};
        QTest::newRow("OK twice restarts the music") << "0" << "ok ok" << "0 /a.ogg on" << QStringList{"Sound=0", "MusicPath=/a.ogg", "music /a.ogg", "Sound=0",
                           "MusicPath=/a.ogg", "music /a.ogg"};
    }

    void soundChoice()
    {
        Fakes outside;
        outside.settings = {{"MusicPath", "/a.ogg"}, {"Sound", FETCH(QString, stored).toStdString()}};
        SoundChoice choice(outside, outside);
        choice.Load();
        choice.Load(); // once a run
        for (const QString& event : FETCH(QString, events).split(' ', Qt::SkipEmptyParts)) {
            if (event.startsWith("click"))
                choice.Click(event.mid(5).toInt());
            else if (event.startsWith("path"))
                choice.SetMusicText(event.mid(4).toStdString());
            else if (event == "ok")
                choice.OK();
            else
                choice.Cancel();
        }
        QCOMPARE(QString::number(choice.Mode()) + " " + S(choice.MusicText()) + (choice.MusicTextEnabled() ? " on" : " off"), FETCH(QString, shown));
        QCOMPARE(outside.log, FETCH(QStringList, log));
    }

    void textsFilledIn()
    {
        // One pass: a value is never filled in again; a % before anything else stays.
        QCOMPARE(Translator::Fill("%1 of %1, 100%", "a%1"), "a%1 of a%1, 100%");
        QCOMPARE(Translator::Fill("%%1%2%", "x"), "%x%2%");
        QCOMPARE(Translator::Fill("%2 then %1, %3", std::vector<std::string>{"a%2", "b"}), "b then a%2, %3");
    }

    void whereToReport()
    {
        // What the contact is picks the text: other languages say each in their own way.
        struct : Translator { std::string Translate(const char*, const char* s, const char* kind) const override { return kind ? kind : s; } } kinds;
        QCOMPARE(MenuCommands::WhereToReport(kinds, "a@b.invalid") + "|" + MenuCommands::WhereToReport(kinds, "https://b.invalid/")
                     + "|" + MenuCommands::WhereToReport(kinds, ""), "to an e-mail address|to a web address|to a phrase");
    }

    void randomNumbers()
    {
        RandomGenerator a, b, c;
        const auto now = std::chrono::system_clock::time_point(std::chrono::seconds(1'700'000'000));
        for (RandomGenerator* r : {&a, &b, &c, &c}) // a second re-seed within one clock reading moves on
            r->Randomize(now);
        const float first = a.Rnd();
        QCOMPARE(b.Rnd(), first);
        QVERIFY(c.Rnd() != first);
        double sum = 0;
        for (int i = 0; i < 100000; ++i) {
            const float r = a.Rnd(); // uniform in [0, 1): one draw outside spoils the mean
            sum += r >= 0.0f && r < 1.0f ? r : 1e9;
        }
        QVERIFY(std::abs(sum / 100000 - 0.5) < 0.01);
    }

    void longPlayKeepsTheRoadWhole()
    {
        // The program's own generator and random keys: the dividers keep their spacing,
        // at any speed. Runs started at other
        // clock readings deal other first games: the game seeds its generator once.
        QSet<QString> deals;
        int run = 0;
        for (const char* speed : {"0", "100", "300", "16383"}) {
            RandomGenerator random;
            GameOnFakes g({{"Sound", "2"}, {"Speed", speed}, {"Time", "1e9"}}, &random, std::chrono::seconds(run++));
            g.game.GameStart();
            deals << QString::number(random.Rnd(), 'g', 9);
            const int keys[] = {Game::vkLeft, Game::vkRight, Game::vkUp, Game::vkDown, Game::vkPause};
            for (int i = 0; i < 50000; ++i) {
                if (random.Rnd() < 0.05f)
                    g.game.KeyDown(keys[int(random.Rnd() * 5)]);
                g.game.Tick();
                if (!g.controls.Timer1.Enabled)
                    g.game.KeyDown(Game::vkLeft);
            }
            if (g.game.Step() <= 835) // a longer step overtakes the marks
                QCOMPARE(Gaps(g.controls.shpDiv2), QList<float>(7, 835.0f));
        }
        QCOMPARE(deals.size(), 4);
    }
};

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"

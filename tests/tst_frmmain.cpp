// The real main window, offscreen, on in-memory services. Run at scale 1 and, with
// QT_SCALE_FACTOR=2, at scale 2.

#include "WindowHarness.h"
#include "ui/RoadView.h"

#include <QtTest>

#include <QLabel>
#include <QMenuBar>

#include <memory>
#include <set>

namespace {

using Window = WindowHarness;

QStringList Texts(const QList<QLabel*>& labels)
{
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowHasTheDesignedFrame();
    void menusHaveTheirCaptions_data();
    void menusHaveTheirCaptions();
    void playerCarIsDrawnCrispInTheMiddleLane();
    void keysReachTheGame_data();
    void keysReachTheGame();
};

void TestMainWindow::windowHasTheDesignedFrame()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));

    QCOMPARE(w.form->windowTitle(), QStringLiteral("Vandrel!"));
    QCOMPARE(w.form->centralWidget()->size(), QSize(236, 453));
    QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
    QVERIFY(!(w.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!w.form->windowIcon().isNull());
    QCOMPARE(w.form->Road()->geometry(), QRect(16, 16, 200, 393));
    QCOMPARE(w.form->Road(), QApplication::focusWidget());

    auto labels = w.form->centralWidget()->findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(),
              [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QCOMPARE(Texts(labels), (QStringList{"100 kmph", "30 sec", "0 km"}));
    QCOMPARE(labels[0]->pos(), QPoint(16, 424));
    for (const QLabel* label : labels)
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));

    const QTimer& timer = w.form->Timer1();
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 50);
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);
}

void TestMainWindow::menusHaveTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("mnuNewGame") << "mnuNewGame" << "&New Game";
    QTest::newRow("mnuSetSpeed") << "mnuSetSpeed" << "Set &Speed";
    QTest::newRow("mnuSetTime") << "mnuSetTime" << "Set &Time";
    QTest::newRow("mnuSound") << "mnuSound" << "&Sound...";
    QTest::newRow("mnuExit") << "mnuExit" << "E&xit";
    QTest::newRow("mnuHelp") << "mnuHelp" << "&Help";
    QTest::newRow("mnuAbout") << "mnuAbout" << "&About";
}

void TestMainWindow::menusHaveTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Window w;
    const QList<QAction*> menus = w.form->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Game"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
    const auto* item = w.form->findChild<QAction*>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QVERIFY(item->shortcut().isEmpty());
    QVERIFY(item->isEnabled() && item->isVisible());
}

void TestMainWindow::playerCarIsDrawnCrispInTheMiddleLane()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));

    const QImage image = w.form->Road()->grab().toImage();
    const double scale = image.devicePixelRatio();
    QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    QCOMPARE(image.width(), qRound(200 * scale));

    // The car's square: Left 1260 and Top 5280 twips, inside the 2-pixel frame.
    const QPointF corner(2 + 1260 / 15.0, 2 + 5280 / 15.0);
    const auto pixel = [&](double x, double y) {
        return image.pixelColor(int((corner.x() + x) * scale), int((corner.y() + y) * scale));
    };
    const QColor road(192, 192, 192);
    QCOMPARE(pixel(0.5, 0.5), road);    // transparent corner of the picture
    QCOMPARE(pixel(31.5, 31.5), road);
    QCOMPARE(pixel(6.5, 0.5), road);
    QCOMPARE(pixel(10.5, 0.5), QColor(Qt::black)); // the front bumper
    QCOMPARE(pixel(16.5, 16.5), QColor(Qt::black)); // the roof
    QCOMPARE(pixel(10.5, 1.5), QColor(255, 255, 0)); // a headlight
    QCOMPARE(pixel(-1.5, 16.5), road);  // beside the car
    QCOMPARE(pixel(33.5, 16.5), road);

    // No smoothing: only the picture's own colours, no blends between them.
    const std::set<QRgb> palette = {qRgb(192, 192, 192), qRgb(0, 0, 0), qRgb(255, 255, 0),
                                    qRgb(128, 128, 128)};
    for (int y = 0; y < int(32 * scale); ++y)
        for (int x = 0; x < int(32 * scale); ++x) {
            const QRgb rgb = image.pixel(int(corner.x() * scale) + x, int(corner.y() * scale) + y)
                & 0xFFFFFF;
            QVERIFY2(palette.count(rgb | 0xFF000000), qPrintable(QString::number(rgb, 16)));
        }
}

void TestMainWindow::keysReachTheGame_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("carLeft");
    QTest::addColumn<bool>("running");

    QTest::newRow("left") << int(Qt::Key_Left) << 260.0f << true;
    QTest::newRow("F1 pauses") << int(Qt::Key_F1) << 1260.0f << false;
    QTest::newRow("a letter does nothing") << int(Qt::Key_A) << 1260.0f << true;
}

void TestMainWindow::keysReachTheGame()
{
    QFETCH(int, key);
    QFETCH(float, carLeft);
    QFETCH(bool, running);

    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    QTest::keyClick(w.form->Road(), Qt::Key(key));

    QCOMPARE(w.form->Controls().imgCar->Left, carLeft);
    QCOMPARE(w.form->Timer1().isActive(), running);
    QCOMPARE(w.form->Controls().lblPaused->Visible, !running);
}

QTEST_MAIN(TestMainWindow)
#include "tst_frmmain.moc"

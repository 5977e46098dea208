// The windows, offscreen (and again at scale 2): the label row, the screen behind
// the game-over boxes, the road's drawing, keys, help, the sound dialog and its
// file chooser, the real message boxes and the splash.

#include "WindowOnFakes.h"
#include "platform/PlayerLanguage.h"
#include "ui/HelpWindow.h"
#include "ui/RoadView.h"
#include "ui/StatusRow.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"
#include "ui/WindowPlacement.h"
#include "ui/frmSound.h"
#include "ui/frmSplash.h"

#include <SDL.h>

#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QTableWidget>
#include <QTextBrowser>
#include <QWindow>

#include <numeric>

namespace {

// Runs once the next modal box is open.
void WhenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        act(QApplication::activeModalWidget());
    });
}

// Counts a widget's events of a kind, its paints unless told.
struct EventCounter : QObject
{
    EventCounter(QWidget* widget, int& count, QEvent::Type type = QEvent::Paint) : mCount(count), mType(type) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override { mCount += event->type() == mType; return false; }
    int& mCount;
    const QEvent::Type mType;
};

// Where a picture has this colour, and how many of its pixels.
std::pair<QRect, int> Ink(const QImage& image, QRgb colour)
{
    std::pair<QRect, int> ink;
    for (int i = 0; i < image.width() * image.height(); ++i)
        if (image.pixel(i % image.width(), i / image.width()) == colour)
            ink = {ink.first | QRect(i % image.width(), i / image.width(), 1, 1), ink.second + 1};
    return ink;
}

// Draws a text in one colour as Qt sets it in a font of that many pixels.
void Typeset(QImage& image, QFont font, int pixels, QRgb pen, const QRect& box, int align, const QString& text)
{
    font.setPixelSize(pixels);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(box, align, text);
}

// Wraps every text that goes through a translation, the game's and Qt's: "[Crashed!!]".
struct PseudoTranslator : QTranslator
{
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return '[' + QString::fromUtf8(source) + ']';
    }
};

// A dialog read row by row as its layout holds it: a label, a key box by its name (+clear
// with a clear button; ? where its name for screen readers is not its row's), another
// control by its name or class, - for an empty cell; "fixed" if it cannot be resized.
QString Rows(QWidget* dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog->layout());
    QStringList rows{dialog->minimumSize() == dialog->maximumSize() ? "fixed" : "resizable"};
    for (int r = 0; r < (grid ? grid->rowCount() : dialog->layout()->count()); ++r) {
        QStringList cells;
        for (int c = 0; c < (grid ? grid->columnCount() : 1); ++c) {
            const QLayoutItem* item = grid ? grid->itemAtPosition(r, c) : dialog->layout()->itemAt(r);
            QWidget* cell = item ? item->widget() : nullptr;
            const auto* edit = qobject_cast<QKeySequenceEdit*>(cell);
            const QString action = edit ? qobject_cast<QLabel*>(grid->itemAtPosition(r, 0)->widget())->text() : QString();
            cells << (edit ? edit->objectName() + (edit->findChild<QLineEdit*>()->isClearButtonEnabled() ? "+clear" : "")
                                 + (edit->accessibleName() == (c == 1 ? action : QCoreApplication::translate("frmKeys", "%1, second key").arg(action)) ? "" : "?")
                      : !cell ? "-" : qobject_cast<QLabel*>(cell) ? "label" : cell->objectName().isEmpty() ? cell->metaObject()->className() : cell->objectName());
        }
        rows << cells.join(' ');
    }
    return rows.join(" | ");
}

// Every text the player can see, in a fixed order: the main window and its menus,
// the paused banner, the boxes (one text a line), Qt's buttons of the real boxes,
// the sound dialog, help and the splash. A control whose text does not fit, or one
// that takes the focus without an accessible name, is listed in faults.
void EveryText(WindowOnFakes& w, QStringList& texts, QStringList& faults)
{
    emit w.Find<QMenu>("mnuGame")->aboutToShow(); // paused, as by the player
    texts << w.form->windowTitle();
    for (const char* name : {"mnuGame", "mnuView", "mnuHelpMenu"}) {
        texts << w.Find<QMenu>(name)->title();
        for (const QAction* action : w.Find<QMenu>(name)->actions())
            if (!action->isSeparator())
                texts << action->text();
    }
    texts << QString::fromStdString(MainControls(w).lblPaused->Caption);
    const auto checkWindow = [&](QWidget* window) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus)
                texts << (name.contains(QRegularExpression("[[:alpha:]]")) ? name : "no name: " + widget->objectName());
            if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !QStringList{"", "..."}.contains(button->text())) {
                texts << button->text();
                if (button->sizeHint().width() > button->width() + 8 || button->geometry().right() >= window->width())
                    faults << "too wide: " + button->text();
            }
        }
    };
    checkWindow(w.form.get());
    w.Find<QAction>("mnuSound")->trigger();
    auto* dialog = WindowOnFakes::TopLevel<frmSound>();
    texts << dialog->windowTitle() << dialog->findChild<QWidget*>("cmdBrowse")->toolTip();
    checkWindow(dialog);
    dialog->reject();
    WhenModal([&](QWidget* keys) { // another action's key refused in a box, then closed
        texts << keys->windowTitle();
        for (const QLabel* label : keys->findChildren<QLabel*>())
            texts << label->text();
        QString rows = "fixed | label label label | - label label";
        for (int action = 0; action < KeyBindings::actionCount; ++action)
            rows += QStringLiteral(" | label keys%1_0 keys%1_1+clear").arg(action);
        faults << (Rows(keys) == rows + " | " + QString("QDialogButtonBox ").repeated(3).trimmed() ? "" : "keys laid out: " + Rows(keys));
        checkWindow(keys);
        QTest::keyClick(keys->findChild<QWidget*>("keys0_0"), Qt::Key_Right);
        QTRY_COMPARE(w.log.filter("|").size(), 1);
        keys->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    w.Find<QAction>("mnuKeys")->trigger();
    // The table of best distances, holding one game: every column as wide as its texts.
    w.bestDistances.look = [&](QWidget* table) {
        auto* grid = table->findChild<QTableWidget*>("grdBest");
        texts << table->windowTitle() << table->findChild<QLabel*>("lblSaid")->text() << grid->item(0, 4)->text();
        for (int column = 0; column < grid->columnCount(); ++column) {
            texts << grid->horizontalHeaderItem(column)->text();
            if (grid->columnWidth(column) < std::max(static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column), grid->horizontalHeader()->sectionSizeHint(column)))
                faults << "cut: " + grid->horizontalHeaderItem(column)->text();
        }
        faults << (grid->horizontalHeader()->length() <= grid->viewport()->width() ? "" : "table cut");
        // Read with what it says, as tall as its text, focused; Tab goes on to the buttons.
        faults << (Rows(table) == "fixed | label | grdBest | QDialogButtonBox" && table->focusWidget() == grid
                   && grid->accessibleDescription() == table->findChild<QLabel*>("lblSaid")->text()
                   && grid->rowHeight(0) <= std::max(static_cast<QAbstractItemView*>(grid)->sizeHintForRow(0), grid->verticalHeader()->minimumSectionSize()) ? "" : "table: " + Rows(table));
        QTest::keyClick(grid, Qt::Key_Tab);
        faults << (qobject_cast<QPushButton*>(table->focusWidget()) ? "" : "Tab stays in the table");
        checkWindow(table);
        QTest::keyClick(table, Qt::Key_Escape);
    };
    w.Find<QAction>("mnuBestDistances")->trigger();
    w.bestDistances.look = nullptr;
    w.Find<QAction>("mnuHelp")->trigger();
    QApplication::processEvents();
    auto* help = WindowOnFakes::TopLevel<HelpWindow>();
    texts << help->windowTitle();
    checkWindow(help);
    // The real boxes: Qt's buttons, and owned by the game's window though another is active.
    help->activateWindow();
    const auto answer = [&](QWidget* box) {
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
            texts << button->text();
        faults << (box->parentWidget() == w.form.get() ? "" : "not owned");
        const auto labels = box->findChildren<QLabel*>(); // the prompt, its line break the system's
        faults << (std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "2\n5"; }) ? "" : "no prompt");
        QFont bold = box->font(); // a title bar: the title in bold, an icon and three buttons
        bold.setBold(true);
        const QMargins edge = box->layout()->contentsMargins(); // the title bar's bold title, with room for its icon and buttons
        faults << (box->width() == QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 8 * QFontMetrics(bold).height() + edge.left() + edge.right() ? "" : "title cut: " + box->windowTitle());
        QTest::keyClick(box->focusWidget(), Qt::Key_End); // after the preset, if any
        QTest::keyClicks(box->focusWidget(), "0");
        QTest::keyClick(box, Qt::Key_Return);
    };
    WhenModal(answer);
    const std::string title = QCoreApplication::translate("Game", "Game Over").toStdString();
    faults << (w.boxes.MsgBox("2\r\n5", Dialogs::Style::YesNoQuestion, title) == Dialogs::Answer::Yes ? "" : "not Yes");
    WhenModal(answer);
    faults << QString::fromStdString(w.boxes.InputBox("2\r\n5", title, "25")).remove("250");
    WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    faults << QString::fromStdString(w.boxes.InputBox("2\r\n5", title, "25")); // Cancel: nothing typed
    faults.removeAll("");
    help->close();
    w.typed = {"200"};
    w.answers = {Dialogs::Answer::Ok, Dialogs::Answer::Ok, Dialogs::Answer::Ok, Dialogs::Answer::No};
    for (const char* item : {"mnuAbout", "mnuSetSpeed", "mnuSetTime"})
        w.Find<QAction>(item)->trigger();
    QTest::keyClick(w.Find("picRoad"), Qt::Key_Left);
    QTRY_COMPARE_WITH_TIMEOUT(w.log.filter("|").size(), 8, 5000); // game over, its rank, not played again
    for (const QString& box : w.log.filter("|"))
        texts << box.split("|"); // a typed box's preset too, in the player's digits
    for (const char* name : {"lblSpeed", "lblTime", "lblDist"}) {
        const auto* label = w.Find<QLabel>(name);
        texts << label->text() << label->accessibleName();
        if (QAccessible::queryAccessibleInterface(w.Find(name))->text(QAccessible::Description) != label->text())
            faults << "not read: " + label->text();
    }
    auto* splash = new frmSplash([] {});
    splash->setPixmap(frmSplash::Picture(3.0)); // as if made for a denser screen: shown here, it fits
    splash->show();
    if (splash->pixmap().devicePixelRatio() != splash->devicePixelRatio() || frmSplash::Picture(1.0).toImage() != QImage(":/assets/splash.png"))
        faults << "not the splash for its screen";
    splash->setPixmap(frmSplash::Picture(3.0)); // as if from a denser screen: moved here, it fits again
    emit splash->windowHandle()->screenChanged(splash->screen());
    QTRY_VERIFY(!splash->message().isEmpty());
    // The version line as Qt writes it in white 16-pixel type, centred on the band below the title.
    const qreal ratio = splash->devicePixelRatio();
    QImage band = splash->pixmap().copy(QRect(QPoint(0, 112) * ratio, QSize(407, 30) * ratio)).toImage().convertToFormat(QImage::Format_RGB32);
    band.setDevicePixelRatio(ratio);
    Typeset(band, splash->font(), 16, 0xffffffff, QRect(0, 0, 407, 30), Qt::AlignCenter, splash->message());
    if (splash->pixmap().devicePixelRatio() != ratio || splash->pixmap().deviceIndependentSize() != QSize(407, 310)
        || frmSplash::Picture(3.0).deviceIndependentSize() != QSize(407, 310)
        || splash->grab(QRect(0, 112, 407, 30)).toImage().convertToFormat(QImage::Format_RGB32) != band || !Ink(band, 0xffffffff).second)
        faults << "the splash's picture does not fit the screen, or its version line is not where and as designed";
    texts << splash->message() << (splash->accessibleName().isEmpty() ? "no name: splash" : splash->accessibleName());
    splash->close();
}
} // namespace

// Presses keys where the keyboard is (a menu, a box, the active window, the game's if
// none is, as under a window manager), each from a timer of its own to go on inside
// boxes' event loops. "Click" clicks beside a menu; "Close", a title bar's close button; "OK", a dialog's OK;
// "Wait" waits a moment.
void Walk(QWidget& game, const QString& keys)
{
    auto left = std::make_shared<QStringList>(keys.split(", "));
    std::function<void()> next = [&game, left, &next] {
        QWidget* front = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                       : QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
        if (left->isEmpty())
            return;
        QTimer::singleShot(left->first() == "Wait" ? 300 : 40, next); // before the key, which may open a box
        if (!front || !front->isVisible()) // none yet, or one just closed: not where keys go
            return game.activateWindow();
        if (front->isModal() && !front->isActiveWindow()) // a box under one just closed: a window manager gives it back the keys
            return front->activateWindow();
        const auto windows = QApplication::topLevelWidgets(); // a window just shown takes the keys once active (a box under another aside)
        if (std::any_of(windows.begin(), windows.end(), [&](QWidget* t) { return t != &game && t->isVisible() && !t->isActiveWindow() && !(t->isModal() && t != front); }))
            return;
        const QString key = left->takeFirst();
        if (key == "Click")
            QTest::mouseClick(front->windowHandle(), Qt::LeftButton, {}, QPoint(-5, -5));
        else if (key == "Close")
            front->close();
        else if (key == "OK")
            front->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        else if (key == "Away") { // another program's window becomes the active one
            auto* other = new QWindow;
            other->show();
            other->requestActivate();
            QTimer::singleShot(200, other, &QObject::deleteLater);
        }
        else if (key == "None") // a key Qt has no code for
            QTest::sendKeyEvent(QTest::Click, front->windowHandle(), Qt::Key_unknown, QString(), {});
        else if (key != "Wait") // "Wait" made the time before this step longer, for a button pressed by its access key
            QTest::keyClick(front->windowHandle(), QKeySequence(key)[0].key(), QKeySequence(key)[0].keyboardModifiers());
    };
    QTimer::singleShot(40, next);
    QTRY_VERIFY_WITH_TIMEOUT(left->isEmpty(), 10000);
}

// The player's track, from the road's pixels: the middle of the black of the
// player's car, in the rows where it drives.
int TrackOfCar(QWidget& road, const MainControls& designed)
{
    const QRect band = Twips::ToPixels(*designed.imgCar).translated(RoadView::border, RoadView::border);
    const QImage image = road.grab(QRect(RoadView::border, band.top(), road.width() - 2 * RoadView::border, band.height()))
                             .toImage().convertToFormat(QImage::Format_RGB32);
    const QRect black = Ink(image, 0xff000000).first;
    return black.isEmpty() ? -1 : (black.left() + black.right()) / 2 * 3 / image.width();
}

// A game controller of SDL's own making, which the program's gamepad module takes for a real one.
struct VirtualPad
{
    VirtualPad() { SDL_InitSubSystem(SDL_INIT_JOYSTICK); Plug(); }
    ~VirtualPad() { Unplug(); SDL_QuitSubSystem(SDL_INIT_JOYSTICK); }
    void Plug()
    {
        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION, pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX, pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        joystick = SDL_JoystickOpen(index = SDL_JoystickAttachVirtualEx(&pad));
    }
    void Unplug() { SDL_JoystickClose(std::exchange(joystick, nullptr)); SDL_JoystickDetachVirtual(index); } // closing none is safe
    // A button by SDL's name ("a", "dpleft") down or up; an axis with its far end
    // ("leftx-", "righttrigger+") or a value of its own ("leftx=-16384") there or
    // back at rest. A trigger's virtual value v is (v + 32768) / 2 to the game.
    void Set(const QString& control, bool down)
    {
        const QByteArray name = control.section('=', 0, 0).toLatin1();
        const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name);
        const auto axis = SDL_GameControllerGetAxisFromString(control.contains('=') ? name : name.chopped(1));
        // A trigger at rest is the axis's low end to a virtual pad.
        const Sint16 rest = axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT ? -32768 : 0;
        if (button != SDL_CONTROLLER_BUTTON_INVALID)
            SDL_JoystickSetVirtualButton(joystick, button, down);
        else
            SDL_JoystickSetVirtualAxis(joystick, axis, !down ? rest : control.contains('=') ? control.section('=', 1).toShort()
                                                                  : name.endsWith('-') ? -32768 : 32767);
    }
    int index = -1;
    SDL_Joystick* joystick = nullptr;
};

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void labelRow_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("designed");

        QTest::newRow("start") << "100" << "30" << true;
        QTest::newRow("usual range at its end") << "999" << "999.999" << true;
        QTest::newRow("1000 km/h, 100000 s") << "1000" << "100000" << false;
        QTest::newRow("the longest texts") << "-16384" << "1.79769313486231E+308" << false;
    }

    void labelRow()
    {
        QFETCH(QString, speed);
        QFETCH(QString, time);
        WindowOnFakes w({{"Sound", "2"}, {"Speed", speed.toStdString()}, {"Time", time.toStdString()}});
        const QLabel* labels[] = {w.Find<QLabel>("lblSpeed"), w.Find<QLabel>("lblTime"), w.Find<QLabel>("lblDist")};
        const QRect designed[] = {{16, 424, 57, 17}, {80, 424, 73, 17}, {160, 424, 57, 17}};
        for (int i = 0; i < 3; ++i) {
            const QLabel* label = labels[i];
            QVERIFY(label->geometry().left() >= 16 && label->geometry().right() < w.form->width());
            if (i > 0)
                QVERIFY(labels[i - 1]->geometry().right() + StatusRow::gap < label->geometry().left());
            if (FETCH(bool, designed))
                QCOMPARE(label->geometry().topLeft(), designed[i].topLeft());
            // Readable: the whole text, or its start with an ellipsis.
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width() && label->text().size() >= 4);
        }
        QCOMPARE(w.form->size(), w.form->minimumSize()); // the window keeps its fixed size
        // Where the texts are too long even to share the row, only the widest gives way.
        QCOMPARE(labels[0]->text(), speed + " kmph");
        QCOMPARE(labels[1]->text().endsWith(QChar(0x2026)), time.size() > 20);
        // Sharing the row (each text's left and width): the widest gives way, or all share alike;
        // the gaps exact, the designed places kept only with room to spare.
        const std::pair<std::array<int, 3>, QString> rows[] = {{{300, 10, 20}, "10+66 78+10 90+20"}, {{300, 300, 300}, "10+32 44+32 78+32"},
            {{29, 10, 20}, "10+29 59+10 90+20"}, {{21, 29, 20}, "10+21 46+29 90+20"}, {{20, 20, 41}, "10+20 39+20 69+41"}, {{20, 20, 40}, "10+20 40+20 70+40"}};
        for (const auto& [widths, placed] : rows) {
            QStringList places;
            for (const QRect& r : StatusRow::Place({QRect(10, 0, 20, 9), QRect(40, 0, 20, 9), QRect(70, 0, 20, 9)}, 110, widths))
                places << QStringLiteral("%1+%2").arg(r.left()).arg(r.width());
            QCOMPARE(places.join(' '), placed);
        }
    }

    void glide_data()
    {
        QTest::addColumn<float>("before"); // the racer's top as the tick before the last left it
        QTest::addColumn<float>("now");    // and as the last tick did, in twips
        QTest::addColumn<float>("model");  // and as the model has it now
        QTest::addColumn<float>("left");   // where it was before, the model's left being 0
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<double>("top"); // where it is drawn, in logical pixels
        QTest::newRow("a late frame stays at the last tick") << 0.0f << 300.0f << 300.0f << 0.0f << 1.5 << 1 << 20.0;
        QTest::newRow("sent back to the top: there at once") << 3000.0f << 300.0f << 300.0f << 0.0f << 0.5 << 1 << 20.0;
        QTest::newRow("in another lane: there at once") << 0.0f << 300.0f << 300.0f << 1200.0f << 0.5 << 1 << 20.0;
        QTest::newRow("moved since the tick, as by a new game") << 0.0f << 300.0f << 600.0f << 0.0f << 0.5 << 1 << 40.0;
        QTest::newRow("zoom 3: whole pixels of the screen") << 0.0f << 100.0f << 100.0f << 0.0f << 0.5 << 3 << 10.0 / 3;
    }

    void glide()
    {
        const Control before{FETCH(float, left), FETCH(float, before), 480, 480, {}, true},
            now{0, FETCH(float, now), 480, 480, {}, true}, model{0, FETCH(float, model), 480, 480, {}, true};
        const QRectF drawn = RoadView::Glide(before, now, model, FETCH(double, fraction), FETCH(int, zoom));
        QCOMPARE(drawn, QRectF(0, FETCH(double, top), 32, 32));
    }

    void glidingRoad()
    {
        // On the compositor's clock, as on Wayland: a frame between two slow ticks shows racer 0 on its way; frames
        // go on after one drawn and after ones skipped; a change that moves nothing is drawn. Stopped, a refresh repaints.
        const Fakes english;
        MainControls c(english);
        c.Timer1.Interval = 1000;
        *c.imgRacers[0] = Control{1500, 1500, 480, 480, {}, true};
        QWidget window; // as in the game: a window of its own is repainted whole at each frame asked
        RoadView road(c, &window, FramePacer::Clock::Compositor);
        road.resize(road.sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto drawnTop = [&] { return Ink(road.grab().toImage().convertToFormat(QImage::Format_RGB32), 0xff00ffff).first.top(); };
        road.SetGliding(true);
        road.Ticked();
        const int before = drawnTop();
        c.imgRacers[0]->Top += 300; // 20 pixels on
        road.Ticked();
        QTest::qWait(100);
        const int between = drawnTop();
        QVERIFY(before < between && between < before + 20 * road.devicePixelRatio());
        road.Ticked(); // now still
        int paints = 0;
        EventCounter counter(&road, paints);
        for (const bool gliding : {true, false}) {
            QTest::qWait(100);
            QVERIFY(road.Gliding() == gliding && std::exchange(paints, 0) <= 2); // frames that show nothing new skipped
            c.imgRacers[1]->Visible ^= true;
            gliding ? road.Ticked() : road.Refresh();
            QTRY_VERIFY(paints > 0);
            road.SetGliding(false);
        }
    }

    void framePacer_data()
    {
        QTest::addColumn<QString>("platform"); // whose clock it is given: a compositor's on Wayland's
        QTest::addColumn<bool>("shown");      // the window is shown before the pacer starts
        QTest::addColumn<QString>("next");    // what frames tell the pacer: all drawn, the first skipped, or nothing
        QTest::addColumn<bool>("again");      // stopped after the first frame and started again
        QTest::addColumn<int>("frames");      // in all, or -1: they keep coming
        QTest::addColumn<qreal>("hertz");     // and a display's rate, whose period is
        QTest::addColumn<int>("period");      // this many ms
        QTest::newRow("X11's display: a frame each refresh") << "xcb" << true << "" << false << -1 << 60.0 << 17;
        QTest::newRow("compositor: one frame for one ask") << "wayland" << true << "" << false << 1 << 144.0 << 7;
        QTest::newRow("compositor: one skipped, one more a refresh later") << "wayland-egl" << true << "skipped" << false << 2 << 1.0 << 1000;
        QTest::newRow("compositor: shown later, its first frame asks") << "wayland" << false << "drawn" << false << -1 << 0.99 << 17;
        QTest::newRow("compositor, started again: one frame for one ask") << "wayland" << true << "" << true << 2 << 5000.0 << 1;
    }

    void framePacer()
    {
        QCOMPARE(FramePacer::Period(FETCH(qreal, hertz)), FETCH(int, period));
        QWidget widget;
        widget.resize(64, 64);
        if (FETCH(bool, shown)) {
            widget.show();
            QVERIFY(QTest::qWaitForWindowExposed(&widget));
        }
        int frames = 0;
        const QString next = FETCH(QString, next);
        FramePacer* pacing = nullptr;
        FramePacer pacer(widget, [&] {
            ++frames;
            if (next == "drawn")
                pacing->FrameDrawn();
            else if (next == "skipped" && frames == 1)
                pacing->FrameSkipped();
        }, FramePacer::PlatformClock(FETCH(QString, platform)));
        pacing = &pacer;
        pacer.Start();
        if (!widget.isVisible()) {
            widget.show();
            QVERIFY(QTest::qWaitForWindowExposed(&widget));
            QTest::qWait(50);
            QCOMPARE(frames, 0); // nothing asked while there was no window
            pacer.FrameDrawn();  // as the first paint does
        }
        if (FETCH(bool, again)) {
            QTRY_COMPARE(frames, 1);
            pacer.Stop();
            pacer.Start();
        }
        const int expected = FETCH(int, frames);
        if (expected < 0) {
            QTRY_VERIFY(frames >= 5);
        } else {
            QTRY_COMPARE(frames, expected);
            QTest::qWait(100);
            QCOMPARE(frames, expected);
        }
        pacer.Stop(); // then nothing more comes, asked or due
        const int stopped = frames;
        QTest::qWait(100);
        QCOMPARE(frames, stopped);
        QVERIFY(!pacer.Running());
    }

    void view_data()
    {
        QTest::addColumn<QString>("zoom"); // as kept
        QTest::addColumn<QSize>("room");   // the game's room in a window enlarged by hand, if it is
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("pixels"); // the desktop's font in pixels, as some give it, or 0: in points
        QTest::newRow("kept, clamped to the screen") << "3" << QSize() << 1 << 0;
        QTest::newRow("broken: 1") << "2.5" << QSize() << 1 << 0;
        QTest::newRow("enlarged: the largest multiple that fits") << "1" << QSize(1000, 1400) << 3 << 12;
        QTest::newRow("enlarged, a font in points") << "1" << QSize(1000, 1400) << 3 << 0;
        QTest::newRow("enlarged, not quite twice") << "1" << QSize(471, 1400) << 1 << 12;
    }

    void view()
    {
        const auto font = qScopeGuard([old = QApplication::font()] { QApplication::setFont(old); });
        if (const int size = FETCH(int, pixels)) {
            QFont pixels = QApplication::font();
            pixels.setPixelSize(size);
            QApplication::setFont(pixels);
        }
        WindowOnFakes w({{"Sound", "2"}, {"Speed", "0"}, {"Time", "1e9"}, {"Zoom", FETCH(QString, zoom).toStdString()}});
        QWidget* stage = w.form->centralWidget();
        if (FETCH(QSize, room).isValid())
            w.form->resize(w.form->size() + FETCH(QSize, room) - stage->size());
        const int zoom = FETCH(int, drawn);
        auto* road = w.Find<RoadView>("picRoad");
        QTRY_COMPARE(road->Zoom(), zoom);
        QCOMPARE(road->size(), Twips::ToPixels(*MainControls(w).picRoad).size() * zoom);
        QVERIFY((road->parentWidget()->geometry().center() - stage->rect().center()).manhattanLength() <= 1); // centred, whole
        QCOMPARE(road->parentWidget()->size(), QSize(236, 453) * zoom);
        const QRect dist = w.Find<QLabel>("lblDist")->geometry(); // at the row's right end, zoomed with it
        QCOMPARE(dist.bottomRight() + QPoint(1, 1), QPoint(234, 441) * zoom);
        QVERIFY(QFontInfo(w.Find<QLabel>("lblDist")->font()).pixelSize() >= 8 * zoom);
        // The offscreen screen holds one zoom only; the window never opens larger.
        QVERIFY(!w.Find<QAction>("mnuZoomIn")->isEnabled());
        QCOMPARE(w.Find<QAction>("mnuZoomOut")->isEnabled(), zoom > 1);
        QVERIFY(!w.settings.contains("FullScreen") && w.Find<QMenu>("mnuView")->actions().at(3)->isSeparator()); // written only when changed; sizes, then modes
        w.Find<QAction>("mnuActualSize")->trigger(); // kept only when the player changes it
        QCOMPARE(road->Zoom(), 1);
        for (const char* name : {"lblSpeed", "lblTime", "lblDist"}) // shown again at once, not at the next tick
            QVERIFY2(!w.Find<QLabel>(name)->text().isEmpty(), name);
        QCOMPARE(w.settings["Zoom"], zoom > 1 ? "1" : FETCH(QString, zoom).toStdString());
        w.Find<QAction>("mnuFullScreen")->trigger();
        QVERIFY(w.form->isFullScreen() && !w.Find<QAction>("mnuZoomOut")->isEnabled());
        w.Find<QAction>("mnuFullScreen")->trigger(); // F11 leaves it again; the menu item follows the window manager's change too
        w.form->setWindowState(Qt::WindowFullScreen);
        QVERIFY(w.Find<QAction>("mnuFullScreen")->isChecked());
        w.form->setWindowState(Qt::WindowNoState);
        int restyled = 0; // a desktop theme changed: the window is styled again, as any of Qt's
        EventCounter styles(w.form.get(), restyled, QEvent::StyleChange);
        QEvent theme(QEvent::ThemeChange);
        QVERIFY(QCoreApplication::sendEvent(w.form.get(), &theme) && restyled == 1);
        w.Find<QAction>("mnuAbout")->trigger(); // a box pauses; the next key goes on, gliding again
        QTest::keyClick(road, Qt::Key_Up);
        QVERIFY(road->Gliding() && !w.form->windowIcon().isNull() && w.Find<QTimer>("Timer1")->timerType() == Qt::PreciseTimer);
        for (const bool pad : {true, false}) { // a pad pulled out (as its module tells it, through a private base), another program's window: paused with no tick more
            QApplication::setActiveWindow(w.form.get());
            pad ? ((Gamepad::Listener&)*w.form).PadPulledOut() : QApplication::setActiveWindow(nullptr);
            QCoreApplication::sendPostedEvents(w.form.get(), QEvent::MetaCall); // what waits for the activation to settle, and no timer
            QVERIFY(!w.Find<QTimer>("Timer1")->isActive());
            QTest::keyClick(road, Qt::Key_Up);
        }
        // The menu bar's style is its desktop's, but for Alt alone, which leaves the keys on the road.
        QCOMPARE(w.form->menuBar()->style()->styleHint(QStyle::SH_MenuBar_MouseTracking), QApplication::style()->styleHint(QStyle::SH_MenuBar_MouseTracking));
        w.Find<QAction>("mnuSmoothMotion")->trigger();
        QCOMPARE(w.settings["FullScreen"] + w.settings["SmoothMotion"], "00");
        QVERIFY(!w.form->isFullScreen() && !road->Gliding()); // a running game, shown as the rules hold it
        QTimer late; // Exit ends the program's event loop, with status 0
        late.callOnTimeout([] { QCoreApplication::exit(1); });
        late.start(5000);
        QTimer::singleShot(0, w.Find<QAction>("mnuExit"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void zoomKeys()
    {
        // Kept at 3, maximized, the zoom keys (Ctrl+-, Ctrl+=, Ctrl++, Ctrl+0; a: Actual Size enabled; m: still maximized for the window system), then the zoom kept; on
        // screens that hold four but for 4 pixels of height (tst_windows_large), two exactly across, or one.
        WindowOnFakes w({{"Sound", "2"}, {"Zoom", "3"}});
        QString seen;
        w.form->setWindowState(Qt::WindowMaximized); // a zoom chosen is a size, no longer maximized
        for (const char* keys : {"", "Ctrl+-", "Ctrl+-", "Ctrl+=", "Ctrl++", "Ctrl++", "Ctrl+0"}) {
            QTest::keySequence(w.form->windowHandle(), QKeySequence(keys));
            seen += QString::number(w.Find<RoadView>("picRoad")->Zoom()) + (w.Find<QAction>("mnuActualSize")->isEnabled() ? "a" : "") + (w.form->windowHandle()->windowStates() & Qt::WindowMaximized ? "m" : "");
        }
        const QMap<QString, QString> expected{{"large", "3am2a12a3a3a1 1"}, {"narrow", "2am112a2a2a1 1"}};
        QCOMPARE(seen + " " + QString::fromStdString(w.settings["Zoom"]), expected.value(w.form->screen()->name(), "1m1m1m1m1m1m1m 3"));
    }

    void boxesOpenOverTheLastState()
    {
        // Racer 0 in the player's track: at 100 km/h it meets the player in the 45th tick.
        WindowOnFakes w({{"Sound", "2"}, {"Speed", "100"}, {"Time", "30"}});
        w.draws = {0.9f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        emit w.Find<QMenu>("mnuGame")->aboutToShow();
        w.Find<QAction>("mnuNewGame")->trigger();
        // The road repaints for the box, as its own event loop would let it.
        auto* road = w.Find("picRoad");
        int paints = 0;
        EventCounter counter(road, paints);
        int paintedForTheBox = -1;
        QString timeShown;
        QVERIFY(static_cast<RoadView*>(road)->Gliding());
        const QString started = w.Find<QLabel>("lblTime")->text();
        QTest::qWait(500); // ten ticks, shown as they come, which a gliding road draws only at its frames, thrice as many
        QVERIFY2(paints > 12 && w.Find<QLabel>("lblTime")->text() != started, qPrintable(QString::number(paints)));
        w.answers = {Dialogs::Answer::Ok, Dialogs::Answer::No};
        w.whileOpen = [&] {
            if (paintedForTheBox >= 0)
                return;
            const int before = paints;
            QApplication::processEvents();
            paintedForTheBox = paints - before + static_cast<RoadView*>(road)->Gliding(); // never over a box
            timeShown = w.Find<QLabel>("lblTime")->text();
        };
        QTRY_VERIFY_WITH_TIMEOUT(paintedForTheBox >= 0, 5000);
        QCOMPARE(w.log.filter("Game Over|").first(), "Game Over|Crashed!!\r\nYou covered 0.061 km");
        QCOMPARE(paintedForTheBox, 1);
        QCOMPARE(timeShown, "27.8 sec");
    }

    void keysComeBackToTheRoad_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("track"); // of the player's car at the end; it starts in 1
        QTest::addColumn<QString>("stored"); // a stored key of an action, "Name=keys"
        QTest::addColumn<QString>("moveLeft"); // the keys stored for moving left at the end
        // A menu pauses, a box leaves the game paused: the first key resumes, the next moves.
        QTest::newRow("menu closed by Escape, About") << "Alt+G, Esc, Alt+H, A, Return, Right, Left" << 0 << "" << "";
        QTest::newRow("menu closed by Escape, Set Time") << "Alt+G, Esc, Alt+G, T, Return, Return, Left" << 0 << "" << "";
        QTest::newRow("menu closed by Escape, Space") << "Alt+G, Esc, Space, Right" << 2 << "" << "";
        QTest::newRow("menu closed by Escape, a second resumes") << "Alt+G, Esc, Esc, Right" << 2 << "" << "";
        QTest::newRow("menu closed by a click") << "Alt+H, Click, Left, Right" << 2 << "" << "";
        QTest::newRow("menu item, box by its close button") << "Alt+H, A, Close, Right, Left" << 0 << "" << "";
        QTest::newRow("input box cancelled") << "Alt+G, S, Return, Esc, Left, Right" << 2 << "" << "";
        QTest::newRow("new game") << "Alt+G, Esc, Alt+G, N, Right" << 2 << "" << "";
        QTest::newRow("sound dialog, closed") << "Alt+G, S, S, Return, Close, Right, Left" << 0 << "" << "";
        QTest::newRow("sound dialog, OK") << "Alt+G, S, S, Return, Return, Left, Right" << 2 << "" << "";
        QTest::newRow("help by F1, Escape") << "F1, Esc, Right, Left" << 0 << "" << "";
        QTest::newRow("help from its menu, Ctrl+W") << "Alt+H, H, Ctrl+W, Left, Right" << 2 << "" << "";
        QTest::newRow("best distances, Escape") << "Alt+G, B, Esc, Left, Right" << 2 << "" << "";
        QTest::newRow("best distances, Empty: Enter says No") << "Alt+G, B, Alt+E, Wait, Return, Return, Space, Left" << 0 << "" << "";
        QTest::newRow("another program's window pauses") << "Away, Left, Right" << 2 << "" << "";
        QTest::newRow("view menu closed by Escape") << "Alt+V, Esc, Left, Right" << 2 << "" << "";
        QTest::newRow("P pauses, the next key resumes") << "P, Left, Right" << 2 << "" << "";
        QTest::newRow("P pauses, Tab resumes, a key with no code not") << "P, None, Right, P, Tab, Left" << 0 << "" << "";
        QTest::newRow("keys dialog: A steers left, its OK clicked") << "Alt+G, K, A, OK, Space, A" << 0 << "" << "A";
        QTest::newRow("keys dialog: Left then only resumes") << "Alt+G, K, A, Return, Left, Right" << 2 << "" << "A";
        QTest::newRow("keys dialog: a second key, then Cancel") << "Alt+G, K, Tab, A, Esc, Space, A, Right" << 2 << "" << "";
        QTest::newRow("keys dialog: another action's key is refused") << "Alt+G, K, Tab, Tab, Left, Return, Return, Space, Right" << 2 << "" << "Left";
        QTest::newRow("keys dialog: Ctrl+A is refused") << "Alt+G, K, Ctrl+A, Return, Return, Space, Left" << 0 << "" << "Left";
        QTest::newRow("keys dialog: F11 is refused") << "Alt+G, K, F11, Return, Return, Space, Left" << 0 << "" << "Left";
        QTest::newRow("keys dialog: Restore Defaults") << "Alt+G, K, Alt+R, Wait, Return, Space, Left" << 0 << "MoveLeft=A" << "Left";
        QTest::newRow("stored keys steer, their defaults not") << "Home, Left, Right, A" << 0 << "MoveLeft=Home, A" << "Home, A";
        QTest::newRow("stored key unknown to Qt: the default") << "Left" << 0 << "MoveLeft=Lefft" << "Lefft";
        QTest::newRow("stored key of another action: the default") << "Right" << 2 << "MoveLeft=Right" << "Right";
        QTest::newRow("stored key with a modifier: the default") << "Left" << 0 << "MoveLeft=Ctrl+A" << "Ctrl+A";
        QTest::newRow("help by a chosen key, from its menu") << "Alt+H, H, Esc, Right, Left" << 0 << "Help=H" << "";
    }

    void keysComeBackToTheRoad()
    {
        // At speed 0 the traffic drifts up and away: nothing meets the player.
        const std::string best = "1.5 km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z";
        const QStringList stored = FETCH(QString, stored).split('=');
        WindowOnFakes w({{"Sound", "2"}, {"Speed", "0"}, {"Time", "1e9"}, {"1", best}, {stored[0].toStdString(), stored.value(1).toStdString()}}, false, true);
        w.bestDistances.look = [](QWidget*) {}; // the keys close it
        QCOMPARE(TrackOfCar(*w.Find("picRoad"), MainControls(w)), 1);
        Walk(*w.form, FETCH(QString, keys));
        QCOMPARE(w.settings["1"], best); // never emptied but by a Yes
        QCOMPARE(QApplication::activeModalWidget(), nullptr); // no box, no menu left open
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(TrackOfCar(*w.Find("picRoad"), MainControls(w)), FETCH(int, track));
        QCOMPARE(QString::fromStdString(w.settings["MoveLeft"]), FETCH(QString, moveLeft));
    }

    void gamepad_data()
    {
        // SDL's names of the controls, held a while if Held; About or Set Speed opens a box; Unplug, Plug; Resume: a key
        QTest::addColumn<QString>("presses");
        // while each is down: the track, the speed shown, running or paused, a box open, the pad's polls if not 16 ms
        QTest::addColumn<QString>("seen");
        QTest::newRow("lanes: stick first, D-pad") << "leftx+, dpleft, dpleft, dpright, leftx-"
                                                   << "2 0 kmph run, 1 0 kmph run, 0 0 kmph run, 1 0 kmph run, 0 0 kmph run";
        QTest::newRow("half way and just short of it") << "leftx=-16383, leftx=-16384, leftx=16383, leftx=16384, righttrigger=0, righttrigger=1, lefttrigger=0, lefttrigger=1"
            << "1 0 kmph run, 0 0 kmph run, 0 0 kmph run, 1 0 kmph run, 1 0 kmph run, 1 1 kmph run, 1 1 kmph run, 1 0 kmph run";
        QTest::newRow("speed: D-pad, triggers") << "dpup, righttrigger+, dpdown, lefttrigger+" << "1 1 kmph run, 1 2 kmph run, 1 1 kmph run, 1 0 kmph run";
        QTest::newRow("Start pauses, any button resumes") << "start, x, start, dpleft, start, start"
            << "1 0 kmph paused, 1 0 kmph run, 1 0 kmph paused, 1 0 kmph run, 1 0 kmph paused, 1 0 kmph run";
        QTest::newRow("A and B in boxes, nothing else") << "About, dpleft, a, dpleft, Set Speed, b"
                                                       << "1 0 kmph run box, 1 0 kmph run box, 1 0 kmph run, 0 0 kmph run, 0 0 kmph run box, 0 0 kmph run";
        QTest::newRow("unplugged mid-game, plugged in again") << "Unplug, dpleft, Resume, Plug, leftx+"
            << "1 0 kmph paused poll none, 1 0 kmph paused poll none, 1 0 kmph run poll 1000, 1 0 kmph run, 2 0 kmph run";
        QTest::newRow("held: repeated at the keyboard's rate") << "Held dpup, Held lefttrigger+" << "1 many kmph run, 1 few kmph run";
    }

    void gamepad()
    {
        // The module loads where the list of input devices holds a pad; attached
        // first, the virtual pad is found at once.
        QTemporaryFile devices;
        QVERIFY(devices.open());
        devices.write("I: Bus=0003 Vendor=045e Product=028e Version=0110\nN: Name=\"A pad\"\nH: Handlers=event20 js0\n\n");
        devices.flush();
        VirtualPad pad;
        QTest::failOnWarning(QRegularExpression("gamepad"));
        WindowOnFakes w({{"Sound", "2"}, {"Speed", "0"}, {"Time", "1e9"}}, false, true, devices.fileName());
        QVERIFY(w.pad.Loaded());
        // Each press from a timer of its own, to go on inside a box's event loop.
        QStringList seen, left = FETCH(QString, presses).split(", ");
        std::function<void()> next = [&] {
            const QString press = left.takeFirst(), control = press.section(' ', -1);
            const bool held = press.startsWith("Held");
            if (press == "Unplug" || press == "Plug")
                press == "Plug" ? pad.Plug() : pad.Unplug();
            else if (press == "Resume")
                QTest::keyClick(w.Find("picRoad"), Qt::Key_Space);
            else if (press.front().isUpper() && !held)
                QTimer::singleShot(0, w.Find<QAction>(press == "About" ? "mnuAbout" : "mnuSetSpeed"), &QAction::trigger);
            else
                pad.Set(control, true);
            QTimer::singleShot(held ? 1500 : press == "Plug" ? 1200 : 100, [&, control, held] {
                const QString speed = w.Find<QLabel>("lblSpeed")->text();
                const int kmph = speed.split(' ')[0].toInt();
                const auto poll = w.pad.PollInterval();
                seen << QStringLiteral("%1 %2 %3%4%5").arg(TrackOfCar(*w.Find("picRoad"), MainControls(w)))
                            .arg(!held ? speed : kmph <= 3 ? "few kmph" : kmph <= 35 ? "many kmph" : speed) // 30 a second at most
                            .arg(w.Find<QTimer>("Timer1")->isActive() ? "run" : "paused").arg(QApplication::activeModalWidget() ? " box" : "")
                            .arg(!poll ? " poll none" : *poll == std::chrono::milliseconds(16) ? "" : QStringLiteral(" poll %1").arg(poll->count()));
                pad.Set(control, false);
                if (!left.isEmpty())
                    QTimer::singleShot(50, next);
            });
        };
        next();
        QTRY_VERIFY_WITH_TIMEOUT(left.isEmpty() && seen.size() == FETCH(QString, presses).count(',') + 1, 10000);
        QCOMPARE(seen.join(", "), FETCH(QString, seen));
        QCOMPARE(QString::fromStdString(w.settings["Speed"]), "0"); // B cancelled Set Speed
        const QPointer<QStyle> style(w.form->menuBar()->style()); // the menu bar's style goes with the window
        w.form.reset();
        QVERIFY(!style);
    }

    void bestDistances_data()
    {
        QTest::addColumn<QString>("kept"); // the table before the game: this game this many times
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("locale"); // the player's
        QTest::addColumn<QStringList>("seen");
        const QString crash = "%1 km, 50 km/h, 9 s, crash, 2025-12-06T05:00:00Z";
        // The new game: 0.001 km at 36 km/h, 0.05 s. Right-aligned cells are marked >.
        QTest::newRow("2nd, between the boxes") << crash.arg(2) << 1 << "C" << QStringList{
            "1 boxes, Your 2nd best distance, 2 rows, row 1 selected", "1 2", ">1|>2 km|>50 km/h|>9 s|Crashed|date",
            ">2|>0.001 km|>36 km/h|>0.05 s|Time over|date", "owned, 1 selected"};
        QTest::newRow("10th of 10, in the player's digits") << crash.arg(5) << 9 << "ar_EG" << QStringList{
            "1 boxes, Your 10th best distance, 10 rows, row 9 selected", "١ ٢ ٣ ٤ ٥ ٦ ٧ ٨ ٩ ١٠",
            ">١|>5 km|>50 km/h|>9 s|Crashed|date", ">١٠|>0٫001 km|>36 km/h|>0٫05 s|Time over|date", "owned, 1 selected"};
        QTest::newRow("1st, the only one") << crash.arg(0) << 0 << "fa_IR" << QStringList{
            "1 boxes, Your best distance so far, 1 rows, row 0 selected", "۱",
            ">۱|>0٫001 km|>36 km/h|>0٫05 s|Time over|date", ">۱|>0٫001 km|>36 km/h|>0٫05 s|Time over|date", "owned, 1 selected"};
    }

    void bestDistances()
    {
        // After the game between the boxes, selected; then from the menu, emptied by a Yes.
        QLocale::setDefault(QLocale(FETCH(QString, locale)));
        const auto inC = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        WindowOnFakes w({{"Sound", "2"}, {"Speed", "36"}, {"Time", "0.05"}});
        for (int rank = 1; rank <= FETCH(int, times); ++rank) // before the game ends
            w.settings[std::to_string(rank)] = FETCH(QString, kept).toStdString();
        w.answers = {Dialogs::Answer::Ok, Dialogs::Answer::No};
        QStringList seen;
        w.bestDistances.look = [&](QWidget* table) {
            auto* grid = table->findChild<QTableWidget*>("grdBest");
            const auto selected = grid->selectionModel()->selectedRows();
            seen << QStringLiteral("%1 boxes, %2, %3 rows, row %4 selected").arg(w.log.filter("|").size())
                        .arg(table->findChild<QLabel*>("lblSaid")->text()).arg(grid->rowCount()).arg(selected.isEmpty() ? -1 : selected[0].row());
            QStringList ranks;
            for (int row = 0; row < grid->rowCount(); ++row)
                ranks << grid->item(row, 0)->text();
            seen << ranks.join(' ');
            for (const int row : {0, selected.isEmpty() ? 0 : selected[0].row()}) {
                QStringList cells;
                for (int column = 0; column < grid->columnCount(); ++column) {
                    const QTableWidgetItem* item = grid->item(row, column);
                    cells << QString(item->textAlignment() & Qt::AlignRight ? ">" : "") + (column == 5 ? "date" : item->text());
                }
                seen << cells.join('|');
            }
            QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier); // one row at most
            seen << (table->parentWidget() == w.form.get() ? "owned" : "not owned") + QStringLiteral(", %1 selected").arg(grid->selectionModel()->selectedRows().size());
            QTest::keyClick(grid, Qt::Key_F2); // no cell can be changed
            QVERIFY(!grid->findChild<QLineEdit*>());
            QTest::keyClick(table, Qt::Key_Return);
        };
        QTRY_COMPARE_WITH_TIMEOUT(w.log.filter("|").size(), 2, 5000);
        QCOMPARE(seen, FETCH(QStringList, seen));
        w.answers = {Dialogs::Answer::Yes};
        w.bestDistances.look = [&](QWidget* table) { // from the menu, no rank said; emptied, the table keeps the keys
            const QString said = table->findChild<QLabel*>("lblSaid")->text();
            table->findChild<QPushButton*>("cmdEmpty")->setFocus();
            table->findChild<QPushButton*>("cmdEmpty")->click();
            seen = {said, table->findChild<QLabel*>("lblSaid")->text() + QString(table->findChild<QPushButton*>("cmdEmpty")->isEnabled() ? ", can empty" : "")
                    + (table->focusWidget() == table->findChild<QTableWidget*>("grdBest") ? "" : ", the table not focused")};
            QTest::keyClick(table, Qt::Key_Escape);
        };
        w.Find<QAction>("mnuBestDistances")->trigger();
        QCOMPARE(seen, (QStringList{"Your best distances, the longest first", "No game has entered the table yet."}));
        QCOMPARE(w.log.filter("|").last(), "Best Distances|Empty the table of best distances? This cannot be undone.");
        QVERIFY(w.settings.count("1") + w.settings.count("2") == 0);
    }

    void virtualKeys()
    {
        // The game's keys by the codes it knows, and no key is none; any other key is a
        // key all the same (it resumes a paused game), but none of those.
        const std::map<int, int> known{{Qt::Key_Left, Game::vkLeft}, {Qt::Key_Up, Game::vkUp}, {Qt::Key_Right, Game::vkRight},
            {Qt::Key_Down, Game::vkDown}, {Qt::Key_Pause, Game::vkPause}, {Qt::Key_F1, Game::vkF1}, {Qt::Key_unknown, 0}, {0, 0}};
        for (const auto& [qtKey, code] : known)
            QCOMPARE(VirtualKeys::FromQtKey(qtKey), code);
        for (const int other : {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt,
                                Qt::Key_CapsLock, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home,
                                Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Percent, Qt::Key_ParenLeft, Qt::Key_0, Qt::Key_9, Qt::Key_A, Qt::Key_Z, Qt::Key_F2, Qt::Key_F24, Qt::Key_F25})
            QVERIFY2(std::none_of(known.begin(), known.end(), [&](auto k) { return k.second == VirtualKeys::FromQtKey(other); }),
                     qPrintable(QKeySequence(other).toString()));
    }

    void helpWindow()
    {
        WindowOnFakes w({{"Sound", "2"}, {"FullScreen", "1"}}); // as the player left it
        QTest::keyClick(w.Find("picRoad"), Qt::Key_F1);
        auto* help = WindowOnFakes::TopLevel<HelpWindow>();
        QVERIFY(help);
        QCOMPARE(help->size(), QSize(520, 600).boundedTo(help->screen()->availableGeometry().size() * 0.9)); // within nine tenths of the screen
        QCOMPARE(std::pair(help->isVisible() && w.form->isFullScreen() && w.Find<QAction>("mnuFullScreen")->isChecked(), w.Find<QTimer>("Timer1")->isActive()), std::pair(true, false));
        // Centred over the game, across exactly (the screen is wide enough); over a window
        // in a corner of the screen, kept on it.
        QVERIFY(std::abs(help->frameGeometry().center().x() - w.form->frameGeometry().center().x()) <= 2);
        const QRect screen = help->screen()->availableGeometry();
        for (const QPoint corner : {screen.topLeft(), screen.bottomRight()}) {
            WindowPlacement::CentreOn(*help, QRect(corner, QSize(1, 1)));
            QVERIFY(screen.contains(help->frameGeometry()));
        }
        QVERIFY(help->findChild<QTextBrowser*>()->toPlainText().contains("Crashed!!"));
        QCOMPARE(help->findChild<QTextBrowser*>()->geometry(), help->rect()); // the text fills the window
        const auto c = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        QLocale::setDefault(QLocale::system()); // at scale 2, English first, then German: English throughout
        {
            const PlayerLanguage first(QLocale::system());
            const bool englishHelp = HelpWindow().findChild<QTextBrowser*>()->toPlainText().contains("Crashed!!");
            QCOMPARE(QCoreApplication::translate("frmMain", "&Game") + QCoreApplication::translate("QPlatformTheme", "&Yes")
                         + (englishHelp ? " in English" : ""), "&Game&Yes in English");
        }
        QLocale::setDefault(QLocale("de_AT")); // a regional German: the German help
        QVERIFY(HelpWindow().findChild<QTextBrowser*>()->toPlainText().contains("Zeit abgelaufen!!"));
        QLocale::setDefault(QLocale::c());
        w.Find<QAction>("mnuHelp")->trigger(); // the menu item and a second F1 raise the same window
        QApplication::setActiveWindow(w.form.get());
        QTest::keyClick(w.Find("picRoad"), Qt::Key_F1);
        QTRY_VERIFY(help->isActiveWindow());
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* t) { return qobject_cast<HelpWindow*>(t); }), 1);
        // Keys every 10 ms (the first resumes) hold no tick back; minimising pauses.
        const QString shown = w.Find<QLabel>("lblTime")->text();
        for (int i = 0; i < 50; ++i, QTest::qWait(10))
            QTest::keyClick(w.Find("picRoad"), Qt::Key_Up);
        QVERIFY(w.Find<QLabel>("lblTime")->text() != shown);
        w.form->setWindowState(Qt::WindowMinimized);
        QVERIFY(!w.Find<QTimer>("Timer1")->isActive() && w.form->close() && !WindowOnFakes::TopLevel<HelpWindow>()); // the help goes with the game
    }

    void soundDialog()
    {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        const auto native = qScopeGuard([] { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false); });
        QTemporaryDir folder;
        const QString typed = folder.filePath("old.wav"), chosen = folder.filePath("song.flac");
        QFile(chosen).open(QIODevice::WriteOnly);
        WindowOnFakes w({{"Sound", "1"}, {"MusicPath", "/m/a.ogg"}});
        w.Find<QAction>("mnuSound")->trigger();
        auto* dialog = WindowOnFakes::TopLevel<frmSound>();
        auto* path = dialog->findChild<QLineEdit*>("txtMusic");
        auto* browse = dialog->findChild<QPushButton*>("cmdBrowse");
        QCOMPARE(std::tuple(dialog->isVisible(), w.form->isVisible(), path->isEnabled(), browse->isEnabled(), dialog->findChild<QAbstractButton*>("optSound1")->isChecked(), path->text()),
                 std::tuple(true, false, false, false, true, QString("/m/a.ogg")));
        QStringList tabs{path->objectName()}; // the path, its button, the options from the bottom up, OK, Cancel
        for (QWidget* next = path->nextInFocusChain(); next != path && next != dialog && tabs.size() < 9; next = next->nextInFocusChain())
            tabs << next->objectName();
        QCOMPARE(tabs.join(' '), "txtMusic cmdBrowse optSound2 optSound1 optSound0 cmdOK cmdCancel");
        QTest::keyClick(dialog, Qt::Key_F1); // the help over it
        QTRY_VERIFY(WindowOnFakes::TopLevel<HelpWindow>() && WindowOnFakes::TopLevel<HelpWindow>()->isVisible());
        WindowOnFakes::TopLevel<HelpWindow>()->close();
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("optSound0"), Qt::LeftButton);
        QCOMPARE(std::pair(path->isEnabled(), browse->isEnabled()), std::pair(true, true));
        // Laid out as designed, in pixels of 15 twips (an option wider if its caption needs it).
        QString layout = QStringLiteral("%1x%2").arg(dialog->width()).arg(dialog->height());
        for (const char* name : {"optSound0", "optSound1", "optSound2", "txtMusic", "cmdBrowse", "cmdOK", "cmdCancel"}) {
            const QRect r = dialog->findChild<QWidget*>(name)->geometry();
            layout += QStringLiteral(" %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(name[0] == 'o' ? std::min(r.width(), 113) : r.width()).arg(r.height());
        }
        QCOMPARE(layout, "255x144 8,8 113x17 8,56 113x17 8,80 113x17 24,32 201x19 226,32 23x19 40,104 81x33 128,104 81x33");
        dialog->windowHandle()->setPosition(10, 10); // where the player puts it, it opens again
        QTRY_VERIFY(dialog->pos().x() < 20);
        const QPoint placed = dialog->pos();
        dialog->findChild<QPushButton*>("cmdCancel")->click(); // back to the stored choice
        QCOMPARE(std::tuple(w.form->isVisible(), dialog->isVisible(), path->isEnabled()), std::tuple(true, false, false));
        w.Find<QAction>("mnuSound")->trigger();
        QCOMPARE(dialog->pos(), placed);
        dialog->findChild<QAbstractButton*>("optSound0")->click();
        path->clear();
        // With no path, the chooser opens at home when there is no music folder, else at
        // the typed path's folder; its name box empty; Cancel leaves the box as it was.
        const auto home = qScopeGuard([old = qgetenv("HOME")] { qputenv("HOME", old); });
        qputenv("HOME", QFile::encodeName(folder.path()));
        for (const int round : {0, 1, 2}) { // no path, Cancel; a path, Cancel; a path, a choice
            if (round == 1)
                QTest::keyClicks(path, typed);
            QStringList filters;
            QString opened, named;
            WhenModal([&](QWidget* modal) {
                auto* files = qobject_cast<QFileDialog*>(modal);
                QVERIFY(files);
                filters = files->nameFilters();
                opened = files->directory().absolutePath();
                named = files->findChild<QLineEdit*>("fileNameEdit")->text();
                if (round < 2)
                    return files->reject();
                files->selectFile(chosen);
                QMetaObject::invokeMethod(files, "accept");
            });
            browse->click();
            QCOMPARE(opened + named, QDir(folder.path()).absolutePath());
            QCOMPARE(filters, (QStringList{"Sound files (*.flac *.wav)", "All files (*)"}));
            QCOMPARE(path->text(), QStringList({"", typed, chosen})[round]);
        }
        // After a choice, Enter confirms it instead of opening the chooser again.
        QCOMPARE(dialog->focusWidget()->objectName(), "cmdOK");
        for (const QString typedOn : {"", "2"}) { // the chosen file as it is, then typed on
            if (!typedOn.isEmpty())
                w.Find<QAction>("mnuSound")->trigger();
            QTest::keyClicks(path, typedOn);
            QTest::keyClick(dialog->findChild<QWidget*>("cmdOK"), Qt::Key_Return);
            QCOMPARE(w.log.mid(w.log.size() - 3), (QStringList{"Sound=0", "MusicPath=" + chosen + typedOn, "music " + chosen + typedOn}));
        }
        QTest::keyClick(w.Find("picRoad"), Qt::Key_Up);
        w.form->close(); // closing a running game stops the sound and the ticks, and closes the dialog
        QCOMPARE(std::tuple(w.log.last(), w.Find<QTimer>("Timer1")->isActive(), WindowOnFakes::TopLevel<frmSound>()), std::tuple(QString("stop"), false, nullptr));
    }

    void splashForTwoSeconds()
    {
        // It hands over after two seconds, and only then goes: the main window first.
        QElapsedTimer up;
        up.start();
        qint64 handed = -1;
        QPointer<frmSplash> splash;
        splash = new frmSplash([&] { handed = splash && splash->isVisible() ? up.elapsed() : -2; });
        splash->show();
        QTRY_VERIFY_WITH_TIMEOUT(!splash, 5000);
        QVERIFY2(handed >= 1890 && handed <= 2600, qPrintable(QString::number(handed)));
    }

    void everyTextInThePlayersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("shown"); // some of the texts, exactly
        QTest::addColumn<QStringList>("same");  // the texts as in English, numbers aside
        QTest::newRow("pseudo") << "pseudo" << QStringList{"[&Game]", "[Time Over!!]\r\n[You covered 0.003 km]", "[Road]"} << QStringList{};
        QTest::newRow("de") << "de" << QStringList{"&Spiel", "Zeit abgelaufen!!\r\nSie sind 0,003 km weit gefahren", "PAUSE", "&Ja", "200 km/h", "Ihre zweitbeste Strecke", "0,05"}
                            << QStringList{"Vandrel!", "OK", "Version ", " km", "Pause", ""};
        QTest::newRow("fr") << "fr" << QStringList{"&Jeu", "Tintement du bonus seulement", "PAUSE", "&Oui", "Annuler", "Route", "Votre 2e meilleure distance"}
                            << QStringList{"Vandrel!", "OK", "Version ", " km", "Distance", "Date", "Pause", ""};
        QTest::newRow("es") << "es" << QStringList{"&Juego", "Sa&lir", "PAUSA", "&Sí", "Cancelar", "Tu 2.ª mejor distancia"}
                            << QStringList{"Vandrel!", "&No", " km", ""};
    }

    void everyTextInThePlayersLanguage()
    {
        const Stored stored{{"Sound", "2"}, {"Time", "0.05"}, {"1", "1.5 km, 100 km/h, 30 s, crash, 2025-12-06T05:00:00Z"}};
        QStringList faults, english;
        {
            WindowOnFakes w(stored);
            EveryText(w, english, faults);
        }
        QFETCH(QString, language);
        std::unique_ptr<QTranslator> pseudo;
        std::optional<PlayerLanguage> translated;
        if (language == "pseudo")
            QCoreApplication::installTranslator((pseudo = std::make_unique<PseudoTranslator>()).get());
        else
            translated.emplace(QLocale(language));
        QLocale::setDefault(QLocale(language == "pseudo" ? "en" : language));
        WindowOnFakes w(stored);
        QStringList texts;
        EveryText(w, texts, faults);
        QLocale::setDefault(QLocale::c());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
        QCOMPARE(texts.size(), english.size());
        for (const QString& text : FETCH(QStringList, shown))
            QVERIFY2(texts.contains(text), qPrintable(text));
        // Every text through a translation, nothing else: wrapped, or translated.
        static const QRegularExpression wrapped(R"(\[[^][]*\])"), letter("[A-Za-z]"), number("[0-9.,]");
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QString left = texts[i];
            while (left.contains(wrapped))
                left.remove(wrapped);
            const bool same = QString(texts[i]).remove(number) == QString(english[i]).remove(number);
            QVERIFY2(language == "pseudo" ? !left.contains(letter) : !same || FETCH(QStringList, same).contains(QString(texts[i]).remove(number)),
                     qPrintable(texts[i]));
        }
    }

    void roadDrawing_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("as designed") << 1;
        QTest::newRow("zoom 3: every pixel three times as large, the pictures' edges hard") << 3;
    }

    void roadDrawing()
    {
        // The road as drawn: the sunken frame, each car's picture at its place, a white
        // mark, the bonus's figure in yellow on black and PAUSED in red on grey.
        const Fakes english;
        MainControls c(english);
        for (int i = 0; i < 8; ++i)
            c.shpDiv1[i]->Top = c.shpDiv2[i]->Top = 9000; // below the road
        *c.shpDiv1[0] = Control{1500, 3600, 135, 735, {}, true};
        for (int i = 0; i < 4; ++i)
            c.imgRacers[i]->Top = 600.0f * float(i);
        *c.lblBonus = Control{2400, 0, 480, 480, "30", true};
        c.lblPaused->Visible = true;
        QFont desktop("DejaVu Sans", -1, QFont::Black); // the road's type is its own, whatever the desktop's
        desktop.setPixelSize(12);
        const auto font = qScopeGuard([old = QApplication::font()] { QApplication::setFont(old); });
        QApplication::setFont(desktop);
        RoadView road(c, nullptr, FramePacer::Clock::Display);
        road.SetZoom(FETCH(int, zoom));
        road.resize(road.sizeHint());
        // s: the image's pixels to a pixel of the design; w, h: the design's size
        const int s = int(road.devicePixelRatio()) * road.Zoom(), w = road.width() / road.Zoom(), h = road.height() / road.Zoom();
        QImage image(road.size() * int(road.devicePixelRatio()), QImage::Format_RGB32);
        image.setDevicePixelRatio(road.devicePixelRatio());
        image.fill(Qt::magenta); // the road paints every pixel itself
        road.render(&image);
        const auto at = [&](int x, int y) { return image.pixelColor(x * s, y * s).name(); };
        const auto part = [&](const Control& control) { // the device pixels of a control
            const QRect area = Twips::ToPixels(control).translated(2, 2); // inside the 2-pixel frame
            return image.copy(QRect(area.topLeft() * s, area.size() * s));
        };
        QString frame; // the outer ring's edges, then the inner ring's: top, left, bottom, right
        for (const int ring : {0, 1})
            frame += at(w / 2, ring) + at(ring, h / 2) + at(w / 2, h - 1 - ring) + at(w - 1 - ring, h / 2) + " ";
        QCOMPARE(frame, "#808080#808080#ffffff#ffffff #000000#000000#c0c0c0#c0c0c0 ");
        for (int i = -1; i < 4; ++i) {
            QImage expected(QSize(32, 32) * s, QImage::Format_RGB32);
            expected.fill(QColor(192, 192, 192));
            expected.setDevicePixelRatio(s);
            QPainter(&expected).drawPixmap(QRect(0, 0, 32, 32), QPixmap(i < 0 ? ":/assets/car-player.ico" : QString(":/assets/car-racer%1.ico").arg(i)));
            QVERIFY2(part(i < 0 ? *c.imgCar : *c.imgRacers[i]) == expected, qPrintable(QString::number(i)));
        }
        const QImage paused = part(*c.lblPaused);
        QVERIFY(Ink(part(*c.shpDiv1[0]), 0xffffffff).second && Ink(paused, 0xff404040).second && Ink(part(*c.lblBonus), 0xff000000).second);
        // PAUSED centred in its label in 29-pixel calligraphy, the figure atop its own in 27-pixel serif:
        // each within a pixel or two of where Qt sets it in that type, as large and as solid.
        for (const auto& [label, family, pixels, align, pen] : {std::tuple<Control&, const char*, int, int, QRgb>{*c.lblPaused, "Z003", 29, Qt::AlignCenter, 0xffff0000},
                 {*c.lblBonus, "Liberation Serif", 27, Qt::AlignTop | Qt::AlignHCenter, 0xffffff00}}) {
            QImage typeset = part(label);
            typeset.setDevicePixelRatio(s);
            typeset.fill(QColor(typeset.pixel(0, 0)));
            Typeset(typeset, QFont(family, -1, QFont::Normal), pixels, pen, QRect(QPoint(), typeset.size() / s), align, QString::fromStdString(label.Caption));
            const auto [drawn, solid] = Ink(part(label), pen);
            const auto [set, setSolid] = Ink(typeset, pen);
            const QPointF off = QRectF(drawn).center() / s - QRectF(set).center() / s; // in design pixels
            const QSize larger = drawn.size() - set.size(); // in the image's
            QVERIFY2(std::max(std::abs(off.x()), std::abs(off.y())) <= 2.5 && std::max(std::abs(larger.width()), std::abs(larger.height())) <= 1
                         && std::abs(solid - setSolid) * 20 <= setSolid, family);
        }
        // A hidden control leaves the road bare; PAUSED stands over a car under it.
        c.imgRacers[3]->Visible = false;
        *c.imgRacers[2] = Control{c.lblPaused->Left + 600, c.lblPaused->Top, 480, 480, {}, true};
        road.render(&image);
        QCOMPARE(Ink(part(*c.imgRacers[3]), 0xffc0c0c0).second, 32 * 32 * s * s);
        QVERIFY(part(*c.lblPaused) == paused);
        // Everything piled on one spot, front to back as designed, then taken away one by
        // one from the front: each shows there in its turn (the cars by their bodies).
        const QPoint label(2, 2), bonus(2, 29), dash(4, 20), car(7, 10); // the spot, inside each, in design pixels
        const std::pair<Control*, QPoint> pile[] = {{c.lblPaused.get(), label}, {c.lblBonus.get(), bonus}, {c.shpDiv2[6].get(), dash},
            {c.shpDiv2[5].get(), dash}, {c.shpDiv1[6].get(), dash}, {c.shpDiv1[5].get(), dash}, {c.imgRacers[3].get(), car}, {c.imgRacers[2].get(), car},
            {c.imgRacers[1].get(), car}, {c.imgRacers[0].get(), car}, {c.imgCar.get(), car}, {c.shpDiv2[0].get(), dash}, {c.shpDiv2[1].get(), dash},
            {c.shpDiv2[4].get(), dash}, {c.shpDiv2[2].get(), dash}, {c.shpDiv2[3].get(), dash}, {c.shpDiv1[4].get(), dash}, {c.shpDiv1[3].get(), dash},
            {c.shpDiv1[2].get(), dash}, {c.shpDiv1[1].get(), dash}, {c.shpDiv1[0].get(), dash}, {c.shpDiv2[7].get(), dash}, {c.shpDiv1[7].get(), dash}};
        for (auto [control, inside] : pile) {
            control->Left = float(15 * (60 - inside.x()));
            control->Top = float(15 * (60 - inside.y()));
            control->Visible = true;
        }
        QString seen;
        for (auto [control, inside] : pile) {
            road.render(&image);
            seen += at(62, 62) + " ";
            control->Visible = false;
        }
        c.imgCar->Top = -240.0f; // half above the road: the frame stays whole over it
        c.imgCar->Visible = true;
        road.render(&image);
        seen += at(62, 0) + at(62, 1) + " ";
        QCOMPARE(seen + at(62, 62), "#404040 #000000 " + QString("#ffffff ").repeated(4) + "#ffff00 #ff0000 #00ff00 #00ffff #000000 "
                                         + QString("#ffffff ").repeated(12) + "#808080#000000 #c0c0c0");
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"

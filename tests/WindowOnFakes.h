#pragma once

// The real main window on in-memory services, for widget tests and benchmarks.

#include "Fakes.h"
#include "game/RandomGenerator.h"
#include "platform/LazyGamepad.h"
#include "ui/QtDialogs.h"
#include "ui/frmBest.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <memory>

// Closes each table of best distances as it opens, logged as a box; or lets a test look.
struct BestDistancesCloser : QObject
{
    explicit BestDistancesCloser(QStringList& log) : mLog(log) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* table = qobject_cast<frmBest*>(object);
        if (table && event->type() == QEvent::Show) {
            if (!look)
                mLog << table->windowTitle() + "|" + table->findChild<QLabel*>("lblSaid")->text();
            QTimer::singleShot(0, table, [this, table] { look ? look(table) : table->reject(); });
        }
        return false;
    }
    std::function<void(QWidget*)> look;
    QStringList& mLog;
};

struct WindowOnFakes : Fakes
{
    // Scripted draws (dry: every racer and the bonus in track 0), or the
    // program's own generator; boxes answered from the script, or Qt's real ones;
    // the program's gamepad module, loaded when the list of input devices holds a pad.
    explicit WindowOnFakes(Stored stored, bool generated = false, bool realBoxes = false, const QString& inputDevices = "/nonexistent/devices")
        : pad(VANDREL_GAMEPAD_MODULE_PATH, inputDevices, 30)
    {
        settings = stored;
        form = std::make_unique<frmMain>(Outside{*this, *this, generated ? static_cast<RandomSource&>(generator) : *this,
                                                 *this, realBoxes ? static_cast<Dialogs&>(boxes) : *this, *this},
                                         "/opt/vandrel", [] { return QStringList{"flac", "wav"}; }, pad);
        boxes.SetOwner(form.get());
        form->show();
    }

    template <typename T = QWidget>
    T* Find(const char* name) const { return form->findChild<T*>(QLatin1String(name)); }

    // The first top-level window of a kind, such as the sound dialog.
    template <typename T>
    static T* TopLevel()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(widget))
                return found;
        return nullptr;
    }

    LazyGamepad pad;
    BestDistancesCloser bestDistances{log};
    RandomGenerator generator;
    QtDialogs boxes;
    std::unique_ptr<frmMain> form;
};

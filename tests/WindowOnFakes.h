#pragma once

// The real main window on in-memory services, for widget tests and benchmarks.

#include "Fakes.h"
#include "game/RandomGenerator.h"
#include "ui/QtDialogs.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTimer>

#include <memory>

struct WindowOnFakes : Fakes
{
    // Scripted draws (dry: every racer and the bonus in track 0), or the
    // program's own generator; boxes answered from the script, or Qt's real ones.
    explicit WindowOnFakes(Stored stored, bool generated = false, bool realBoxes = false)
    {
        settings = stored;
        form = std::make_unique<frmMain>(Outside{*this, *this, generated ? static_cast<RandomSource&>(generator) : *this,
                                                 *this, realBoxes ? static_cast<Dialogs&>(boxes) : *this, *this},
                                         "/opt/vandrel", [] { return QStringList{"flac", "wav"}; });
        boxes.SetOwner(form.get());
        form->show();
    }

    template <typename T = QWidget>
    T* Find(const char* name) const
    {
        return form->findChild<T*>(QLatin1String(name));
    }

    // The first top-level window of a kind, such as the sound dialog.
    template <typename T>
    static T* TopLevel()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(widget))
                return found;
        return nullptr;
    }

    RandomGenerator generator;
    QtDialogs boxes;
    std::unique_ptr<frmMain> form;
};

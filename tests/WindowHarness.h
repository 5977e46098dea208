#pragma once

// The real main window on in-memory services, for widget tests and benchmarks.

#include "GameFakes.h"
#include "ui/frmMain.h"
#include "ui/frmSound.h"

#include <QAction>
#include <QMenu>

#include <initializer_list>
#include <memory>
#include <utility>

struct WindowHarness : FakeServices
{
    using Settings = std::initializer_list<std::pair<std::string, std::string>>;

    // Scripted draws put every racer and the bonus in track 0 at the start.
    explicit WindowHarness(Settings settings = {}, Draws draws = Draws::Scripted)
    {
        for (const auto& [key, value] : settings)
            store.Set(key, value);
        random.draws = {0, 0, 0, 0, 0, 0};
        form = std::make_unique<frmMain>(
            frmMain::Services{store, sound, Random(draws), clock, dialogs, "/opt/vandrel"});
        form->show();
    }

    void Trigger(const char* name) { form->findChild<QAction*>(name)->trigger(); }
    void OpenMenu(const char* name) { emit form->findChild<QMenu*>(name)->aboutToShow(); }
    frmSound* OpenSoundDialog()
    {
        OpenMenu("mnuGame");
        Trigger("mnuSound");
        return form->SoundDialog();
    }

    std::unique_ptr<frmMain> form;
};

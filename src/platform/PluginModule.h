#pragma once

#include <QPluginLoader>

// A module of the program's, a Qt plugin, loaded at its first use. One attempt a
// run: a module that failed once would fail at every use. A failure is said once
// on the standard error, with what the game goes without.
class PluginModule
{
public:
    // without: what the game lacks when it fails, "no sound, the sound module".
    PluginModule(const QString& path, const char* without);

    // The module's root object as the interface it must have; nullptr when it
    // did not load, or is not the program's.
    template <typename Interface>
    Interface* Instance()
    {
        return static_cast<Interface*>(Instance(qobject_interface_iid<Interface*>()));
    }

private:
    void* Instance(const char* iid);

    QPluginLoader mLoader;
    const char* mWithout;
    void* mInstance = nullptr;
    bool mTried = false;
};

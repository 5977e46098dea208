#include "platform/PluginModule.h"

#include <QDebug>

PluginModule::PluginModule(const QString& path, const char* without) : mLoader(path), mWithout(without) {}

void* PluginModule::Instance(const char* iid)
{
    if (mTried)
        return mInstance;
    mTried = true;
    QObject* root = mLoader.instance();
    mInstance = root ? root->qt_metacast(iid) : nullptr;
    if (!mInstance)
        qWarning().noquote() << "Vandrel:" << mWithout << "did not load:"
                             << (mLoader.isLoaded() ? QStringLiteral("it is not Vandrel's") : mLoader.errorString());
    return mInstance;
}

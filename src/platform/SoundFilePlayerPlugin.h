#pragma once

#include "platform/SoundPlayerFactory.h"

#include <QObject>

// The sound module's root object: it makes its sound player.
class SoundFilePlayerPlugin final : public QObject, public SoundPlayerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundPlayerFactory_iid)
    Q_INTERFACES(SoundPlayerFactory)

public:
    std::unique_ptr<SoundPlayer> CreatePlayer() override;
    QStringList FileTypes() const override;
};

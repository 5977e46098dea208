#include "platform/QtSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view section, std::string_view key)
{
    return FromUtf8(section) + QLatin1Char('/') + FromUtf8(key);
}

} // namespace

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::Store(std::string_view appName) const
{
    const QString application = FromUtf8(appName);
    auto& store = mStores[application];
    if (!store)
        store = std::make_unique<QSettings>(application, application);
    return *store;
}

std::string QtSettingsStore::GetSetting(std::string_view appName, std::string_view section,
                                        std::string_view key) const
{
    QSettings& store = Store(appName);
    Sync(store); // takes in what another program wrote meanwhile
    const QVariant value = store.value(KeyPath(section, key));
    // A hand-edited INI value with commas in it comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(std::string_view appName, std::string_view section,
                                  std::string_view key, std::string_view value)
{
    QSettings& store = Store(appName);
    store.setValue(KeyPath(section, key), FromUtf8(value));
    Sync(store);
}

void QtSettingsStore::DeleteSetting(std::string_view appName, std::string_view section, std::string_view key)
{
    QSettings& store = Store(appName);
    store.remove(KeyPath(section, key));
    Sync(store);
}

void QtSettingsStore::Exclusively(std::string_view appName, const std::function<void()>& change)
{
    QSettings& store = Store(appName);
    QDir().mkpath(QFileInfo(store.fileName()).path());
    QLockFile lock(store.fileName() + QStringLiteral(".change-lock"));
    // Another copy holds it for milliseconds. One that cannot be had in time (a
    // folder that cannot be written, a lock held on another host) changes the
    // store unguarded, as before there was a lock, rather than lose the change.
    lock.tryLock(5000);
    store.sync();
    const QDateTime found = QFileInfo(store.fileName()).lastModified();
    mExclusive = true;
    change();
    mExclusive = false;
    store.sync();
    // QSettings takes a file of the size and time (to the millisecond) it last saw
    // as unchanged; two changes of one size in one millisecond, or a clock behind
    // the file, would hide the later one from another copy, whose next change,
    // made from the text it had, would drop it. So every change made here leaves
    // the file later than it found it.
    QFile file(store.fileName());
    if (found.isValid() && QFileInfo(file).lastModified() <= found && file.open(QIODevice::ReadOnly))
        file.setFileTime(found.addMSecs(1), QFileDevice::FileModificationTime);
}

void QtSettingsStore::Sync(QSettings& store) const
{
    if (!mExclusive)
        store.sync();
}

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The folder beside the executable if it holds the file, else the installed folder
// at fromBin, a path relative to the executable's folder.
QString FolderOf(const QString& executableFolder, const QString& fileName, const char* fromBin)
{
    const QDir beside(executableFolder);
    if (QFileInfo::exists(beside.filePath(fileName)))
        return beside.path();
    return QDir::cleanPath(beside.filePath(QString::fromUtf8(fromBin)));
}

} // namespace

std::string ProgramFolder()
{
    return ProgramFolderFor(QCoreApplication::applicationDirPath()).toStdString();
}

QString ProgramFolderFor(const QString& executableFolder)
{
    return FolderOf(executableFolder, QStringLiteral("TimeBonus.wav"), VANDREL_DATA_FROM_BIN);
}

QString SoundModulePath()
{
    return ModulePathFor(QCoreApplication::applicationDirPath(), QStringLiteral(VANDREL_SOUND_MODULE));
}

QString GamepadModulePath()
{
    return ModulePathFor(QCoreApplication::applicationDirPath(), QStringLiteral(VANDREL_GAMEPAD_MODULE));
}

QString ModulePathFor(const QString& executableFolder, const QString& fileName)
{
    return QDir(FolderOf(executableFolder, fileName, VANDREL_MODULES_FROM_BIN)).filePath(fileName);
}

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

std::string ProgramFolder()
{
    return ProgramFolderFor(QCoreApplication::applicationDirPath()).toStdString();
}

QString ProgramFolderFor(const QString& executableFolder)
{
    const QDir beside(executableFolder);
    if (QFileInfo::exists(beside.filePath(QStringLiteral("TimeBonus.wav"))))
        return beside.path();
    // VANDREL_DATA_FROM_BIN: the data folder as seen from the executable's folder.
    return QDir::cleanPath(beside.filePath(QStringLiteral(VANDREL_DATA_FROM_BIN)));
}

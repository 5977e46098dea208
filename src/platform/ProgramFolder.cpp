#include "platform/ProgramFolder.h"

#include <QCoreApplication>

std::string ProgramFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

#include "app/Environment.h"

#include "app/Dialogs.h"

#include <QCoreApplication>
#include <QDateTime>

Environment Environment::System()
{
    Environment env;
    env.ProgramFolder = QCoreApplication::applicationDirPath();
    env.Boxes = std::make_shared<QtDialogs>();
    env.Today = QDate::currentDate();
    env.RandomSeed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    return env;
}

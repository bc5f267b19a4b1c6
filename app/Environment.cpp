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
    env.Locale = QLocale::system();
    return env;
}

char Environment::DecimalSeparator() const
{
    const QString point = Locale.decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.';
}

#include "ui/Environment.h"

#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace {

QString WritableOr(const QString &folder, QStandardPaths::StandardLocation fallback)
{
    if (QFileInfo(folder).isWritable())
        return folder;
    return QStandardPaths::writableLocation(fallback);
}

} // namespace

Environment Environment::System()
{
    Environment env;
    env.ProgramFolder = QCoreApplication::applicationDirPath();
    env.SettingsFolder = WritableOr(env.ProgramFolder, QStandardPaths::AppConfigLocation);
    env.DataFolder = WritableOr(env.ProgramFolder, QStandardPaths::AppDataLocation);
    env.Boxes = std::make_shared<QtDialogs>();
    env.Today = [] { return QDate::currentDate(); };
    env.RandomSeed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    env.Locale = QLocale::system();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        env.FreeScreenArea = screen->availableGeometry();
    return env;
}

QString Environment::ProgramPath() const
{
    return QDir(ProgramFolder).absolutePath() + QLatin1Char('/');
}

char Environment::DecimalSeparator() const
{
    const QString point = Locale.decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.';
}

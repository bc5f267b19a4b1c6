#pragma once

#include "app/CommandLine.h"

#include <QString>
#include <QStringList>

#include <sstream>

// The command line run in this process, with what it wrote.
struct Run
{
    int status = 0;
    QString out;
    QString err;
};

inline Run RunArguments(const QStringList &arguments)
{
    std::vector<std::string> args;
    for (const QString &argument : arguments)
        args.push_back(argument.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

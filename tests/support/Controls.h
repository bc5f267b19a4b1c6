#pragma once

#include <QObject>
#include <QString>

// A control of a window or page by its name; a test that names one the
// window does not have stops.
template <typename Control> Control *Named(const QObject &root, const QString &name)
{
    auto *control = root.findChild<Control *>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

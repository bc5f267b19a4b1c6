#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

// Drags the files onto the window and drops them there, as the desktop
// does; true when the window took both the drag and the drop.
inline bool DropOnto(QWidget &window, const QList<QUrl> &urls)
{
    const QPoint place(500, 300);
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(place, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(place, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

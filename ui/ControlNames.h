#pragma once

#include "texts/ControlHelp.h"

#include <QStringList>

#include <string>
#include <vector>

class QObject;
class QWidget;

// The caption a control shows (a label's, a button's, an action's or a
// panel's text) as a part of a name: without the marks of Alt keys, a
// closing colon, line breaks and repeated spaces.
QString CaptionOf(const QObject *control);

// Names control for screen readers by the parts, read in their order. It is
// named again whenever a part changes: with the language, or a row's name.
void NameControl(QWidget *control, const QStringList &parts);

// The tool tip, which screen readers hear as the control's description;
// given as that too, for a list does not read its tool tip.
void SetToolTip(QWidget *control, const QString &tip);

// A tool tip or name of the help texts in the language, "%1" filled in.
QString HelpText(ControlHelp help, bool german, const std::vector<std::string> &values = {});

#include "ui/ControlNames.h"

#include "ui/AccessibleWidgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

// Buttons and actions read "&" as the mark of an Alt key, a label only when
// it has a buddy for the key to reach.
bool MarksAltKeys(const QObject *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->buddy() != nullptr;
    return qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QAction *>(control);
}

// "&x" shows as "x" and "&&" as "&". Not a regular expression: the first
// one would cost the start-up its engine.
QString WithoutAltMarks(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

} // namespace

QString CaptionOf(const QObject *control)
{
    QString caption = control->property("text").toString().simplified();
    if (MarksAltKeys(control))
        caption = WithoutAltMarks(caption);
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

void NameControl(QWidget *control, const QStringList &parts)
{
    // Drop-downs hear their names only through our description of them.
    InstallAccessibleWidgets();
    control->setAccessibleName(parts.join(QStringLiteral(", ")));
}

void SetToolTip(QWidget *control, const QString &tip)
{
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

QString HelpText(ControlHelp help, bool german, const std::vector<std::string> &values)
{
    return QString::fromStdString(Filled(Text(help, german), values));
}

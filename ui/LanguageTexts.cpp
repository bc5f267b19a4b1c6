#include "ui/LanguageTexts.h"

#include "texts/LanguageTable.h"
#include "ui/Expander.h"
#include "ui/TabWidget.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

namespace {

// A label shows its text as it stands; "&&" is how the table writes one
// ampersand, as buttons and menus read it.
QString LabelText(const QString &text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void ReplaceItems(QComboBox *combo, const ItemList &items, bool english)
{
    // The same position stays chosen; no handler runs for the replacement.
    const QSignalBlocker blocker(combo);
    const int position = combo->currentIndex();
    combo->clear();
    for (const ItemText &item : items)
        combo->addItem(QString::fromUtf8(Translated(item, english)));
    combo->setCurrentIndex(position);
}

void SetTabCaption(QWidget *page, const QString &text)
{
    for (QWidget *parent = page->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *tabs = qobject_cast<TabWidget *>(parent)) {
            tabs->setTabText(tabs->indexOfPage(page), text);
            return;
        }
    }
}

// One walk over the controls rather than a search per row.
void Gather(const QObject *parent, const QList<const QObject *> &leftOut,
            QHash<QString, QObject *> &controls)
{
    for (QObject *child : parent->children()) {
        controls.insert(child->objectName(), child);
        if (!leftOut.contains(child))
            Gather(child, leftOut, controls);
    }
}

} // namespace

void ApplyLanguageTexts(const QObject *root, bool english, bool rowNames,
                        const QList<const QObject *> &leftOut)
{
    QHash<QString, QObject *> controls;
    Gather(root, leftOut, controls);

    for (const LanguageText &row : LanguageTexts) {
        if (row.ChannelName && !rowNames)
            continue;
        // Controls made on first use (the command page, the main menu) get
        // their texts when they are made.
        QObject *control = controls.value(QLatin1String(row.Control));
        if (!control)
            continue;
        if (row.Kind == TextKind::Items) {
            ReplaceItems(qobject_cast<QComboBox *>(control), ItemsOfRow(row), english);
            continue;
        }
        const QString text = QString::fromUtf8(Translated(row, english));
        switch (row.Kind) {
        case TextKind::Label:
            qobject_cast<QLabel *>(control)->setText(LabelText(text));
            break;
        case TextKind::MenuEntry:
            if (auto *menu = qobject_cast<QMenu *>(control))
                menu->setTitle(text);
            else
                qobject_cast<QAction *>(control)->setText(text);
            break;
        case TextKind::CheckBox:
        case TextKind::PushButton:
            qobject_cast<QAbstractButton *>(control)->setText(text);
            break;
        case TextKind::TabCaption:
            SetTabCaption(qobject_cast<QWidget *>(control), text);
            break;
        case TextKind::ExpanderCaption:
            qobject_cast<Expander *>(control)->setText(text);
            break;
        case TextKind::Items:
            break;
        }
    }
}

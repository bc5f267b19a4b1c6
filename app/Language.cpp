#include "app/FormMain.h"

#include "texts/LanguageTable.h"
#include "ui/Expander.h"
#include "ui_FormMain.h"

#include <QHash>
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

template <std::size_t N>
void ReplaceItems(QComboBox *combo, const std::array<ItemText, N> &items, bool english)
{
    // The same position stays chosen; no handler runs for the replacement.
    const QSignalBlocker blocker(combo);
    const int position = combo->currentIndex();
    combo->clear();
    for (const ItemText &item : items)
        combo->addItem(QString::fromUtf8(Translated(item, english)));
    combo->setCurrentIndex(position);
}

} // namespace

void TFormMain::ApplyLanguage(bool english, const QWidget *within)
{
    // One walk over the controls rather than a search per row.
    const QObject *root = within ? static_cast<const QObject *>(within) : this;
    QHash<QString, QObject *> controls;
    for (QObject *object : root->findChildren<QObject *>())
        controls.insert(object->objectName(), object);

    for (const LanguageText &row : LanguageTexts) {
        if (row.ChannelName && !ChangeChannelNames)
            continue;
        // Controls made on first use (the command page, the main menu) get
        // their texts when they are made.
        QObject *control = controls.value(QLatin1String(row.Control));
        if (!control)
            continue;
        if (row.Kind == TextKind::Items) {
            if (control == ui->ComboBoxObserverInt)
                ReplaceItems(ui->ComboBoxObserverInt, ObserverIntervalItems, english);
            else
                ReplaceItems(qobject_cast<QComboBox *>(control), GradientDirectionItems, english);
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
            ui->TabControlMain->setTabText(
                ui->TabControlMain->indexOf(qobject_cast<QWidget *>(control)), text);
            break;
        case TextKind::ExpanderCaption:
            qobject_cast<Expander *>(control)->setText(text);
            break;
        case TextKind::Items:
            break;
        }
    }
}

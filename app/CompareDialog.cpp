#include "app/CompareDialog.h"

#include "planfile/PlanCompare.h"
#include "texts/PlanTexts.h"
#include "texts/ReportTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QSize DialogSize(880, 600);

QString Utf8(const std::string &text)
{
    return QString::fromStdString(text);
}

QTableWidgetItem *Cell(const QString &text, bool number)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A heading over a group of rows, across the whole table.
void AddSection(QTableWidget *table, const QString &title)
{
    const int row = table->rowCount();
    table->insertRow(row);
    QTableWidgetItem *item = Cell(title, false);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    table->setItem(row, 0, item);
    table->setSpan(row, 0, 1, table->columnCount());
}

void AddRows(QTableWidget *table, const std::vector<ComparisonRow> &rows, bool numbers)
{
    for (const ComparisonRow &line : rows) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, Cell(Utf8(line.caption), false));
        table->setItem(row, 1, Cell(Utf8(line.window), numbers));
        table->setItem(row, 2, Cell(Utf8(line.file), numbers));
        table->setItem(row, 3, Cell(Utf8(line.difference), numbers));
    }
}

} // namespace

CompareDialog::CompareDialog(const PlanComparison &comparison, const QString &fileName,
                             bool english, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    const auto text = [english](const Message &message) {
        return QString::fromUtf8(message.In(!english));
    };
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(text(ComparePlanTitle));
    setModal(true);

    QString summary = text(ComparedWith).arg(fileName);
    if (comparison.identical)
        summary += QLatin1Char('\n') + text(PlansIdentical);
    auto *label = new QLabel(summary, this);
    label->setObjectName(QStringLiteral("LabelComparison"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);

    auto *table = new QTableWidget(0, static_cast<int>(ComparisonHeadings.size()), this);
    table->setObjectName(QStringLiteral("TableComparison"));
    QStringList headings;
    for (const Message &heading : ComparisonHeadings)
        headings << text(heading);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys go from cell to cell; Tab goes on to the button.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    if (!comparison.inputs.empty()) {
        AddSection(table, text(InputsDiffer));
        AddRows(table, comparison.inputs, false);
    }
    AddSection(table, QString::fromUtf8(Text(ReportText::Results, !english)));
    AddRows(table, comparison.results, true);
    // The captions take the room the figures leave.
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(text(CloseButton));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Nothing chosen in the table at first; the button has the keys.
    buttons->button(QDialogButtonBox::Close)->setFocus();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(DialogSize);
    if (mainWindow)
        move(mainWindow->geometry().center() - rect().center());
}

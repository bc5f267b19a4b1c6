#pragma once

#include <QDialog>

struct PlanComparison;

// The comparison of this window's plan with a plan file as one table: the
// inputs that differ, then every result with its difference. Modal; Escape
// or its button closes it.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    CompareDialog(const PlanComparison &comparison, const QString &fileName, bool english,
                  QWidget *mainWindow);
};

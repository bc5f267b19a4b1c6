#pragma once

#include <QObject>

class TFormMain;

// Applying an imported setup to both pages, and the ways a file is imported.
class SetupImport : public QObject
{
    Q_OBJECT

public:
    explicit SetupImport(TFormMain &form);

private:
    TFormMain &w;
};

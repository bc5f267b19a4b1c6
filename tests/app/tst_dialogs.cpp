#include "app/Application.h"
#include "ui/Dialogs.h"

#include <QDirIterator>
#include <QFileDialog>
#include <QPointer>
#include <QPrinter>
#include <QtTest>

#include <functional>

namespace {

// What a modal window showed while it was open.
struct Seen
{
    QString className;
    QString title;
    QString text;
    bool confirmsOverwrite = false; // a file dialog's
    QString defaultSuffix;
};

// Notes the modal window that opens next and closes it: a file dialog by
// choosing the given name (or cancelling when there is none), anything else
// by closing it.
void InspectAndClose(Seen &seen, const QString &choose)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    seen.className = QString::fromLatin1(modal->metaObject()->className());
    seen.title = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        seen.text = box->text();
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    if (dialog) {
        seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        seen.defaultSuffix = dialog->defaultSuffix();
    }
    if (dialog && !choose.isEmpty()) {
        dialog->selectFile(choose);
        QMetaObject::invokeMethod(dialog, "accept");
        return;
    }
    modal->close();
}

// Runs what shows a modal window, inspecting and closing the window once open.
Seen WhileOpen(const std::function<void()> &show, const QString &choose = {})
{
    Seen seen;
    QTimer::singleShot(0, [&seen, choose] { InspectAndClose(seen, choose); });
    show();
    return seen;
}

// Every file below the folder, relative to it.
QStringList FilesIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

// The file dialogs of the seam.
enum class FileDialog
{
    Open,
    OpenSeveral,
    Save,
    Folder,
};

Q_DECLARE_METATYPE(Dialogs::Kind)
Q_DECLARE_METATYPE(FileDialog)

// The real message boxes and file dialogs: their titles, and what they leave
// behind in the user's folders.
class TestDialogs : public QObject
{
    Q_OBJECT

public:
    explicit TestDialogs(const QString &home) : home_(home) {}

private slots:
    void messageBoxTitle_data();
    void messageBoxTitle();
    void failureReportTitle();
    void fileDialogs_data();
    void fileDialogs();
    void saveDialogOptions_data();
    void saveDialogOptions();
    void printDialog_data();
    void printDialog();

private:
    QString home_;
};

void TestDialogs::messageBoxTitle_data()
{
    QTest::addColumn<Dialogs::Kind>("kind");
    QTest::addRow("plain") << Dialogs::Kind::Plain;
    QTest::addRow("information") << Dialogs::Kind::Information;
    QTest::addRow("warning") << Dialogs::Kind::Warning;
    QTest::addRow("error") << Dialogs::Kind::Error;
}

void TestDialogs::messageBoxTitle()
{
    QFETCH(Dialogs::Kind, kind);
    QtDialogs dialogs;
    const Seen seen = WhileOpen([&dialogs, kind] {
        dialogs.showMessage(nullptr, kind, "Bitte beachten:", QMessageBox::Ok);
    });
    QCOMPARE(seen.className, QString("QMessageBox"));
    QCOMPARE(seen.title, QString("Pelora 1000 Toolbox"));
    QCOMPARE(seen.text, QString("Bitte beachten:"));
}

// The report shown before the main window takes over.
void TestDialogs::failureReportTitle()
{
    auto *application = qobject_cast<TApplication *>(QCoreApplication::instance());
    QVERIFY(application);
    const Seen seen = WhileOpen([application] { application->ReportError("the handler failed"); });
    QCOMPARE(seen.title, QString("Pelora 1000 Toolbox"));
    QCOMPARE(seen.text, QString("the handler failed"));
}

void TestDialogs::fileDialogs_data()
{
    QTest::addColumn<FileDialog>("kind");
    QTest::addColumn<bool>("choose");
    QTest::addRow("open, cancelled") << FileDialog::Open << false;
    QTest::addRow("open, chosen") << FileDialog::Open << true;
    QTest::addRow("open several, cancelled") << FileDialog::OpenSeveral << false;
    QTest::addRow("open several, chosen") << FileDialog::OpenSeveral << true;
    QTest::addRow("save, cancelled") << FileDialog::Save << false;
    QTest::addRow("save, chosen") << FileDialog::Save << true;
    QTest::addRow("folder, cancelled") << FileDialog::Folder << false;
    QTest::addRow("folder, chosen") << FileDialog::Folder << true;
}

// A file dialog keeps its history and layout to itself: the program leaves
// no file in the user's folders besides those it announces.
void TestDialogs::fileDialogs()
{
    QFETCH(FileDialog, kind);
    QFETCH(bool, choose);

    QTemporaryDir folder;
    QFile existing(QDir(folder.path()).filePath("PL1000.BIN"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    QVERIFY(QDir(folder.path()).mkdir("out"));
    // Each case starts from empty folders of the user.
    QVERIFY(QDir(home_).removeRecursively());
    QVERIFY(QDir().mkpath(home_));

    QtDialogs dialogs;
    const bool save = kind == FileDialog::Save;
    Dialogs::FileRequest request;
    request.title = "Pelora 1000  -  Select File";
    request.folder = folder.path();
    request.proposedName = save ? "0000000001.kcf" : "";
    request.filters = QStringList{"*.BIN (*.BIN)", "*.* (*.*)"};
    const QString chosen = QDir(folder.path())
                               .filePath(save                         ? "0000000001.kcf"
                                         : kind == FileDialog::Folder ? "out"
                                                                      : "PL1000.BIN");
    QString answer;
    const Seen seen = WhileOpen(
        [&] {
            switch (kind) {
            case FileDialog::Open:
                answer = dialogs.openFileName(nullptr, request);
                break;
            case FileDialog::OpenSeveral:
                answer = dialogs.openFileNames(nullptr, request).join('|');
                break;
            case FileDialog::Save:
                answer = dialogs.saveFileName(nullptr, request);
                break;
            case FileDialog::Folder:
                answer = dialogs.folderName(nullptr, request);
                break;
            }
        },
        choose ? chosen : QString());

    QCOMPARE(seen.className, QString("QFileDialog"));
    QCOMPARE(seen.title, request.title);
    QCOMPARE(answer, choose ? QDir::toNativeSeparators(chosen) : QString());
    QCOMPARE(FilesIn(home_), QStringList());
    QCOMPARE(FilesIn(folder.path()), QStringList{"PL1000.BIN"});
}

void TestDialogs::saveDialogOptions_data()
{
    QTest::addColumn<bool>("confirmOverwrite");
    QTest::addColumn<QString>("defaultSuffix");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    // The export refuses an existing file itself, with its own message.
    QTest::addRow("a command file") << false << QString() << "0000000001.kcf"
                                    << "0000000001.kcf";
    QTest::addRow("a plan file") << true << "p1kplan"
                                 << "site-a"
                                 << "site-a.p1kplan";
}

// A save dialog asks before replacing a file only where the caller wants it,
// and adds the extension asked for to a name typed without one.
void TestDialogs::saveDialogOptions()
{
    QFETCH(bool, confirmOverwrite);
    QFETCH(QString, defaultSuffix);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    QtDialogs dialogs;
    Dialogs::FileRequest request;
    request.title = "Save";
    request.folder = folder.path();
    request.defaultSuffix = defaultSuffix;
    request.confirmOverwrite = confirmOverwrite;
    QString answer;
    const Seen seen = WhileOpen([&] { answer = dialogs.saveFileName(nullptr, request); },
                                QDir(folder.path()).filePath(typed));
    QCOMPARE(seen.confirmsOverwrite, confirmOverwrite);
    QCOMPARE(seen.defaultSuffix, defaultSuffix);
    QCOMPARE(answer, QDir::toNativeSeparators(QDir(folder.path()).filePath(saved)));
}

void TestDialogs::printDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addRow("cancelled") << false;
    QTest::addRow("printed") << true;
}

// Qt's own print dialog, for the printer as the caller set it up.
void TestDialogs::printDialog()
{
    QFETCH(bool, accept);
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(folder.path()).filePath("report.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    QString shown;
    QTimer::singleShot(0, [&shown, accept] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        shown = QString::fromLatin1(modal->metaObject()->className());
        if (accept)
            QMetaObject::invokeMethod(modal, "accept");
        else
            modal->close();
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.choosePrinter(nullptr, printer), accept);
    QCOMPARE(shown, QString("QPrintDialog"));
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
}

// The user's folders point into a temporary one, so that what the dialogs
// write there can be seen, before Qt first looks them up.
int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(".local/share")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(".cache")));
    TApplication application(argc, argv);
    TestDialogs test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"

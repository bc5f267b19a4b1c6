#pragma once

#include "ui/Dialogs.h"
#include "ui/Environment.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

// Answers the window's boxes and dialogs in tests and remembers what was shown.
class FakeDialogs : public Dialogs
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        QMessageBox::StandardButton button;
    };

    void showMessage(QWidget *, Kind kind, const QString &text,
                     QMessageBox::StandardButton button) override
    {
        messages.push_back({kind, text, button});
    }
    QString openFileName(QWidget *, const FileRequest &request) override
    {
        return answer(fileAnswers, request);
    }
    QStringList openFileNames(QWidget *, const FileRequest &request) override
    {
        return answer(fileListAnswers, request);
    }
    QString saveFileName(QWidget *, const FileRequest &request) override
    {
        return answer(fileAnswers, request);
    }
    QString folderName(QWidget *, const FileRequest &request) override
    {
        return answer(fileAnswers, request);
    }
    // Prints into the next PDF file of the queue; an empty queue cancels.
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        printers.push_back({printer.docName(), printer.pageLayout(), printer.fullPage()});
        if (printAnswers.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printAnswers.front());
        printAnswers.pop_front();
        return true;
    }

    // A printer as it came to the print dialog.
    struct Printer
    {
        QString docName;
        QPageLayout layout;
        bool fullPage = false;
    };

    std::vector<Shown> messages;
    std::vector<FileRequest> fileRequests;
    std::deque<QString> fileAnswers;         // files and folders; an empty queue cancels
    std::deque<QStringList> fileListAnswers; // choices of several files; likewise
    std::vector<Printer> printers;
    std::deque<QString> printAnswers;

private:
    template <typename Answer>
    Answer answer(std::deque<Answer> &answers, const FileRequest &request)
    {
        fileRequests.push_back(request);
        if (answers.empty())
            return {};
        Answer next = answers.front();
        answers.pop_front();
        return next;
    }
};

// A program folder of its own, pinned date, random seed and locale.
struct TestPlatform
{
    QTemporaryDir folder;
    std::shared_ptr<FakeDialogs> boxes = std::make_shared<FakeDialogs>();

    static QDate PinnedToday() { return QDate(2026, 12, 10); }

    Environment environment(QDate today = PinnedToday(), const QLocale &locale = QLocale::c()) const
    {
        Environment env;
        env.ProgramFolder = folder.path();
        env.SettingsFolder = folder.path();
        env.DataFolder = folder.path();
        env.Boxes = boxes;
        env.Today = [today] { return today; };
        env.RandomSeed = 1;
        env.Locale = locale;
        return env;
    }
};

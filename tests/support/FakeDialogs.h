#pragma once

#include "ui/Dialogs.h"
#include "ui/Environment.h"

#include <QDate>
#include <QLocale>
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
    QString openFileName(QWidget *, const FileRequest &request) override { return answer(request); }
    QStringList openFileNames(QWidget *, const FileRequest &request) override
    {
        fileRequests.push_back(request);
        if (fileListAnswers.empty())
            return {};
        QStringList names = fileListAnswers.front();
        fileListAnswers.pop_front();
        return names;
    }
    QString saveFileName(QWidget *, const FileRequest &request) override { return answer(request); }
    QString folderName(QWidget *, const FileRequest &request) override { return answer(request); }

    std::vector<Shown> messages;
    std::vector<FileRequest> fileRequests;
    std::deque<QString> fileAnswers;         // files and folders; an empty queue cancels
    std::deque<QStringList> fileListAnswers; // choices of several files; likewise

private:
    QString answer(const FileRequest &request)
    {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return {};
        QString name = fileAnswers.front();
        fileAnswers.pop_front();
        return name;
    }
};

// A program folder of its own, pinned date, random seed and locale.
struct TestPlatform
{
    QTemporaryDir folder;
    std::shared_ptr<FakeDialogs> boxes = std::make_shared<FakeDialogs>();

    Environment environment(QDate today = QDate(2026, 12, 10),
                            const QLocale &locale = QLocale::c()) const
    {
        Environment env;
        env.ProgramFolder = folder.path();
        env.SettingsFolder = folder.path();
        env.DataFolder = folder.path();
        env.Boxes = boxes;
        env.Today = today;
        env.RandomSeed = 1;
        env.Locale = locale;
        return env;
    }
};

#include "commandfile/StationExportDialog.h"

#include "commandfile/PageTexts.h"
#include "commandfile/StationExport.h"
#include "commandfile/StationSummary.h"
#include "setup/SetupReader.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/Look.h"

#include <QBoxLayout>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

std::filesystem::path PathOf(const QString &name)
{
    return QFile::encodeName(name).toStdString();
}

// Why a setup file gave no station ID, in the user's language where the
// reader has one.
std::string SetupFailure(const SetupStationId &read, bool german)
{
    switch (read.read.Outcome) {
    case SetupReadOutcome::OpenFailed:
        return FileFaultReason(read.read.Fault, german);
    case SetupReadOutcome::WalkFailed:
        return ReadConfigFailedText + read.read.Description;
    case SetupReadOutcome::Complete:
        break;
    }
    return SetupNamesNoStation.In(german);
}

} // namespace

StationExportDialog::StationExportDialog(Environment environment, bool english, Job job,
                                         QWidget *parent)
    : QDialog(parent), environment_(std::move(environment)), english_(english), job_(std::move(job))
{
    setObjectName(QStringLiteral("FormStationExport"));
    MakeControls();
    ApplyTexts();
    folder_->setText(job_.folder);
    LinesChanged();
}

QString StationExportDialog::Folder() const
{
    return folder_->text();
}

QString StationExportDialog::Text(const Message &message) const
{
    return QString::fromUtf8(message.In(!english_));
}

void StationExportDialog::Tell(Dialogs::Kind kind, const QString &text)
{
    environment_.Boxes->showMessage(this, kind, text);
}

// Made in the order the Tab key visits them.
void StationExportDialog::MakeControls()
{
    const auto named = [this](auto *control, const char *name) {
        control->setObjectName(QLatin1String(name));
        return control;
    };
    labelIds_ = named(new QLabel(this), "LabelStationIds");
    memoIds_ = named(new QPlainTextEdit(this), "MemoStationIds");
    memoIds_->setTabChangesFocus(true);
    memoIds_->setLineWrapMode(QPlainTextEdit::NoWrap);
    UseCommandListFont(memoIds_);
    labelIds_->setBuddy(memoIds_);
    fromSetupFiles_ = named(new QPushButton(this), "ButtonFromSetupFiles");
    fromTextFile_ = named(new QPushButton(this), "ButtonFromTextFile");
    labelNotes_ = named(new QLabel(this), "LabelLineNotes");
    notes_ = named(new QListWidget(this), "ListBoxLineNotes");
    labelNotes_->setBuddy(notes_);
    labelFolder_ = named(new QLabel(this), "LabelFolder");
    folder_ = named(new QLineEdit(this), "EditFolder");
    // Chosen through the folder dialog, so that it names a folder that is there.
    folder_->setReadOnly(true);
    labelFolder_->setBuddy(folder_);
    chooseFolder_ = named(new QPushButton(this), "ButtonChooseFolder");
    fileCount_ = named(new QLabel(this), "LabelFileCount");
    write_ = named(new QPushButton(this), "ButtonWriteFiles");
    write_->setDefault(true);
    close_ = named(new QPushButton(this), "ButtonClose");

    auto *sources = new QVBoxLayout;
    sources->addWidget(fromSetupFiles_);
    sources->addWidget(fromTextFile_);
    sources->addStretch();
    auto *ids = new QHBoxLayout;
    ids->addWidget(memoIds_, 1);
    ids->addLayout(sources);
    auto *folder = new QHBoxLayout;
    folder->addWidget(labelFolder_);
    folder->addWidget(folder_, 1);
    folder->addWidget(chooseFolder_);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(fileCount_, 1);
    buttons->addWidget(write_);
    buttons->addWidget(close_);
    auto *page = new QVBoxLayout(this);
    page->addWidget(labelIds_);
    page->addLayout(ids, 3);
    page->addWidget(labelNotes_);
    page->addWidget(notes_, 2);
    page->addLayout(folder);
    page->addLayout(buttons);
    resize(560, 480);

    connect(memoIds_, &QPlainTextEdit::textChanged, this, &StationExportDialog::LinesChanged);
    connect(fromSetupFiles_, &QPushButton::clicked, this,
            &StationExportDialog::ButtonFromSetupFilesClick);
    connect(fromTextFile_, &QPushButton::clicked, this,
            &StationExportDialog::ButtonFromTextFileClick);
    connect(chooseFolder_, &QPushButton::clicked, this,
            &StationExportDialog::ButtonChooseFolderClick);
    connect(write_, &QPushButton::clicked, this, &StationExportDialog::ButtonWriteFilesClick);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void StationExportDialog::ApplyTexts()
{
    setWindowTitle(Text(StationExportTitle));
    labelIds_->setText(Text(StationIdsCaption));
    fromSetupFiles_->setText(Text(FromSetupFilesCaption));
    fromTextFile_->setText(Text(FromTextFileCaption));
    labelNotes_->setText(Text(LineNotesCaption));
    labelFolder_->setText(Text(FolderCaption));
    chooseFolder_->setText(Text(ChooseFolderCaption));
    write_->setText(Text(WriteFilesCaption));
    close_->setText(Text(CloseCaption));
}

QString StationExportDialog::LineNote(const StationIdLine &line) const
{
    const QString number = QString::number(line.number);
    const QString text = QString::fromStdString(line.text);
    const QString id = QString::fromStdString(line.id);
    switch (line.status) {
    case StationIdLine::Status::Changed:
        return Text(LineChangedNote).arg(number, text, id);
    case StationIdLine::Status::Empty:
        return Text(LineEmptyNote).arg(number);
    case StationIdLine::Status::Duplicate:
        return Text(LineRepeatedNote).arg(number, text, id, QString::number(line.firstLine));
    case StationIdLine::Status::Kept:
        break;
    }
    return {};
}

// Each line checked as it is typed: what changes or is left out is listed.
void StationExportDialog::LinesChanged()
{
    ids_ = ParseStationIdList(memoIds_->toPlainText().toStdString(), job_.upperCase);
    notes_->clear();
    for (const StationIdLine &line : ids_.lines) {
        if (line.status != StationIdLine::Status::Kept)
            notes_->addItem(LineNote(line));
    }
    fileCount_->setText(Text(FileCountText).arg(ids_.ids.size()));
    write_->setEnabled(!ids_.ids.empty() && !Folder().isEmpty());
}

// Lines taken from files go below those there, each on a line of its own.
void StationExportDialog::AppendLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QString text = lines.join(QLatin1Char('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    const QString present = memoIds_->toPlainText();
    if (!present.isEmpty() && !present.endsWith(QLatin1Char('\n')))
        text.prepend(QLatin1Char('\n'));
    memoIds_->moveCursor(QTextCursor::End);
    memoIds_->insertPlainText(text);
}

Dialogs::FileRequest StationExportDialog::Request(const Message &title) const
{
    Dialogs::FileRequest request;
    request.title = Text(title);
    request.folder = lastFileFolder_.isEmpty() ? Folder() : lastFileFolder_;
    return request;
}

// The station ID of each setup file, nothing else of it applied.
void StationExportDialog::ButtonFromSetupFilesClick()
{
    Dialogs::FileRequest request = Request(SetupFilesTitle);
    request.filters = QStringList{Text(SetupFilesFilter), Text(AllFilesFilter)};
    const QStringList files = environment_.Boxes->openFileNames(this, request);
    if (files.isEmpty())
        return;
    lastFileFolder_ = QFileInfo(files.first()).absolutePath();
    QStringList ids;
    QStringList failures;
    for (const QString &file : files) {
        const SetupStationId read = ReadSetupStationId(PathOf(file));
        if (read.stationId.empty())
            failures << file + QStringLiteral(": ") +
                            QString::fromStdString(SetupFailure(read, !english_));
        else
            ids << QString::fromStdString(read.stationId);
    }
    AppendLines(ids);
    if (!failures.isEmpty())
        Tell(Dialogs::Kind::Warning,
             Text(SetupIdsNotRead) + QLatin1Char('\n') + failures.join(QLatin1Char('\n')));
}

void StationExportDialog::ButtonFromTextFileClick()
{
    Dialogs::FileRequest request = Request(TextFileTitle);
    request.filters = QStringList{Text(TextFilesFilter), Text(AllFilesFilter)};
    const QString file = environment_.Boxes->openFileName(this, request);
    if (file.isEmpty())
        return;
    lastFileFolder_ = QFileInfo(file).absolutePath();
    std::string text;
    if (const FileFault fault = ReadStationIdFile(PathOf(file), text)) {
        Tell(
            Dialogs::Kind::Error,
            Text(FileNotRead).arg(file, QString::fromStdString(FileFaultReason(fault, !english_))));
        return;
    }
    AppendLines(QStringList{QString::fromStdString(text)});
}

void StationExportDialog::ButtonChooseFolderClick()
{
    Dialogs::FileRequest request = Request(FolderTitle);
    if (!Folder().isEmpty())
        request.folder = Folder();
    const QString folder = environment_.Boxes->folderName(this, request);
    if (folder.isEmpty())
        return;
    folder_->setText(folder);
    LinesChanged();
}

// One summary of the whole export. The dialog stays open when a file could
// not be written, so that the export can be tried again: the files written
// are then kept and listed.
void StationExportDialog::ButtonWriteFilesClick()
{
    const QString folder = Folder();
    if (ids_.ids.empty() || folder.isEmpty())
        return;
    const StationExport result =
        ExportForStations(job_.listText, ids_.ids, PathOf(folder), job_.random);
    bool failed = result.unencodable.has_value();
    bool kept = false;
    for (const StationFile &file : result.files) {
        failed = failed || file.outcome == StationFile::Outcome::Failed;
        kept = kept || file.outcome == StationFile::Outcome::Exists;
    }
    Tell(failed ? Dialogs::Kind::Error
         : kept ? Dialogs::Kind::Warning
                : Dialogs::Kind::Information,
         QString::fromStdString(StationExportSummary(result, folder.toStdString(), !english_)));
    if (result.unencodable)
        return;
    emit exported(folder);
    if (!failed)
        accept();
}

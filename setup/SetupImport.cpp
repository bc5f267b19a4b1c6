#include "setup/SetupImport.h"

#include "common/Message.h"
#include "setup/FileNames.h"
#include "setup/SetupCopy.h"
#include "setup/SetupFileFormat.h"
#include "texts/FileReasons.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <new>

namespace {

const char *const TemporaryCopyName = "PL1kCfgTmp.bin";
const char *const ImportTitle = "Pelora 1000  -  Select File";
const char *const SetupFilePattern = "*.BIN";
const char *const AnyFilePattern = "*.*";
const char *const SetupFileExtension = "BIN";
const char *const DroppedText = "DROPPED";
const char *const CannotImportText = "Can't import! Error in file content!";

// Ours: an import that cannot even start says so instead of doing nothing.
// "%1" names the chosen file, "%2" the reason (or the copy, "%3" the reason).
constexpr Message SetupNotCopied = {
    "The setup file \"%1\" could not be imported: %2",
    "Die Konfigurationsdatei \"%1\" konnte nicht importiert werden: %2"};
constexpr Message CopyNotWritten = {
    "The setup file \"%1\" could not be imported: its temporary copy \"%2\" cannot be "
    "written: %3",
    "Die Konfigurationsdatei \"%1\" konnte nicht importiert werden: ihre temporäre Kopie "
    "\"%2\" kann nicht geschrieben werden: %3"};
constexpr Message SetupNotOpened = {
    "The temporary copy \"%1\" of the setup file could not be read: %2",
    "Die temporäre Kopie \"%1\" der Konfigurationsdatei konnte nicht gelesen werden: %2"};
constexpr Message SetupNotImported = {"The setup file could not be imported: %1",
                                      "Die Konfigurationsdatei konnte nicht importiert werden: %1"};

} // namespace

SetupImport::SetupImport(Environment environment, bool english, QWidget *window)
    : QObject(window), environment_(std::move(environment)), window_(window), english_(english)
{}

void SetupImport::applyLanguage(bool english)
{
    english_ = english;
}

void SetupImport::Tell(const QString &text, bool error)
{
    environment_.Boxes->showMessage(window_, error ? Dialogs::Kind::Error : Dialogs::Kind::Plain,
                                    text);
}

QString SetupImport::Text(const Message &message) const
{
    return QString::fromUtf8(message.In(!english_));
}

QString SetupImport::Reason(const FileFault &fault) const
{
    return QString::fromStdString(FileFaultReason(fault, !english_));
}

void SetupImport::Guarded(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::bad_alloc &) {
        Tell(Text(SetupNotImported).arg(Reason(FileFault::OfSystem(ENOMEM))), true);
    }
}

QString SetupImport::TemporaryCopyPath() const
{
    return QDir(environment_.DataFolder).filePath(QLatin1String(TemporaryCopyName));
}

SetupReadResult SetupImport::ReadSetupFile(SetupModel &model)
{
    const QString copy = TemporaryCopyPath();
    const SetupReadResult result = ::ReadSetupFile(NativePath(copy), model);
    if (result.Outcome == SetupReadOutcome::WalkFailed)
        Tell(QString::fromLatin1(ReadConfigFailedText) + QString::fromStdString(result.Description),
             false);
    else if (result.Outcome == SetupReadOutcome::OpenFailed)
        Tell(Text(SetupNotOpened).arg(ReadableFileName(copy), Reason(result.Fault)), true);
    return result;
}

bool SetupImport::MakeTemporaryCopy(const QString &source)
{
    const QString copy = TemporaryCopyPath();
    std::error_code ignored; // a folder that cannot be made shows in the copy
    std::filesystem::create_directories(NativePath(environment_.DataFolder), ignored);
    const SetupCopyResult result = CopySetupFile(NativePath(source), NativePath(copy));
    if (!result.fault)
        return true;
    const QString name = ReadableFileName(source);
    if (result.side == SetupCopyResult::Side::Source)
        Tell(Text(SetupNotCopied).arg(name, Reason(result.fault)), true);
    else
        Tell(Text(CopyNotWritten).arg(name, ReadableFileName(copy), Reason(result.fault)), true);
    return false;
}

// A model that is not read completely is not handed on: the window and the
// command page keep the model they showed.
SetupReadResult SetupImport::Read(Way way)
{
    SetupModel model;
    const SetupReadResult result = ReadSetupFile(model);
    if (result.Succeeded())
        emit setupRead(model, way);
    return result;
}

void SetupImport::MenuItemImportClick()
{
    Guarded([this] {
        Dialogs::FileRequest request;
        request.title = QString::fromLatin1(ImportTitle);
        request.folder = ImportDir.empty()
                             ? environment_.ProgramPath()
                             : FileNameFromNative(QByteArray::fromStdString(ImportDir));
        request.filters =
            QStringList{QString::fromLatin1(SetupFilePattern), QString::fromLatin1(AnyFilePattern)};
        const QString path = environment_.Boxes->openFileName(window_, request);
        if (!path.isEmpty())
            ImportChosenFile(path);
    });
}

void SetupImport::ImportChosenFile(const QString &fileName)
{
    Guarded([this, &fileName] {
        // The bytes of the name, which need not be UTF-8.
        ImportDir = NativeFileName(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()))
                        .toStdString();
        if (MakeTemporaryCopy(fileName))
            Read(Way::Dialog);
    });
}

void SetupImport::WMDropFiles(const QStringList &files)
{
    Guarded([this, &files] {
        Tell(QString::fromLatin1(DroppedText), false);
        if (files.isEmpty())
            return;
        const QString name = files.first();
        const QString fileName = QFileInfo(name).fileName();
        const int dot = fileName.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && fileName.mid(dot + 1).toUpper() == QLatin1String(SetupFileExtension))
            ImportSetupFile(name);
    });
}

void SetupImport::ImportSetupFile(const QString &fileName)
{
    Guarded([this, &fileName] {
        if (fileName.isEmpty() || !MakeTemporaryCopy(fileName))
            return;
        if (Read(Way::Drop).Outcome == SetupReadOutcome::WalkFailed)
            Tell(QString::fromLatin1(CannotImportText), false);
    });
}

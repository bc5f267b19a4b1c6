#include "app/ReportCommand.h"

#include "app/CommandLine.h"
#include "app/EstimateCommand.h"
#include "report/ReportPdf.h"

#include <QGuiApplication>

#include <ctime>
#include <optional>
#include <ostream>

namespace {

// The command line speaks English, whatever language the report is in.
constexpr bool German = false;

ReportDate Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Qt's own notes while it runs (a missing runtime folder and the like) are
// not the command's, whose failures are told as such.
class QtNotesSilenced
{
public:
    QtNotesSilenced() : m_previous(qInstallMessageHandler(Ignore)) {}
    ~QtNotesSilenced() { qInstallMessageHandler(m_previous); }
    QtNotesSilenced(const QtNotesSilenced &) = delete;
    QtNotesSilenced &operator=(const QtNotesSilenced &) = delete;

private:
    static void Ignore(QtMsgType, const QMessageLogContext &, const QString &) {}

    QtMessageHandler m_previous;
};

} // namespace

int RunReport(const ReportOptions &options, std::ostream &err)
{
    std::string error;
    const std::optional<StationPlan> plan = ReadPlanOrSetup(options.file, error);
    if (!plan) {
        err << ProgramName << ": " << options.file << ": " << error << '\n';
        return 1;
    }
    // Text needs the fonts of a GUI application; the offscreen platform
    // gives them without a display, whatever QT_QPA_PLATFORM says.
    static char name[] = "pelora-toolbox";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char *arguments[] = {name, platformOption, platform, nullptr};
    int count = 3;
    const QtNotesSilenced silenced;
    std::optional<QGuiApplication> application;
    if (!QCoreApplication::instance())
        application.emplace(count, arguments);
    else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        err << ProgramName << ": the report needs fonts, which this process cannot load\n";
        return 1;
    }

    ReportData data;
    data.plan = *plan;
    data.german = options.german;
    // A German report writes its numbers with a decimal comma.
    data.decimalSeparator = options.german ? ',' : '.';
    data.date = Today();
    data.version = TOOLBOX_VERSION;
    if (const FileFault fault = WriteReportPdf(options.output, data)) {
        err << ProgramName << ": " << ReportNotWrittenText(options.output, fault, German) << '\n';
        return 1;
    }
    return 0;
}

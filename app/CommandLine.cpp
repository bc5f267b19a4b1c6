#include "app/CommandLine.h"

#include "app/CommandArguments.h"
#include "app/EstimateCommand.h"
#include "app/ReportCommand.h"
#include "common/FileFault.h"
#include "texts/FileReasons.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <ostream>
#include <sstream>

namespace {

constexpr std::size_t LineWidth = 79;
constexpr std::size_t HelpIndent = 2;
constexpr std::size_t OptionColumn = 26;

constexpr int Done = 0;
constexpr int NotWritten = 1;
constexpr int NotUnderstood = 2;
// The command line speaks English.
constexpr bool German = false;

constexpr const char *HelpOption = "--help";
constexpr const char *HelpShort = "-h";
constexpr const char *VersionOption = "--version";
constexpr const char *FormatOption = "--format";
constexpr const char *OutputOption = "--output";
constexpr const char *OutputShort = "-o";
constexpr const char *LanguageOption = "--lang";
constexpr const char *TargetYearsOption = "--target-years";
constexpr const char *DataPlanOption = "--data-plan-mb";

constexpr std::array<std::pair<std::string_view, bool>, 2> Languages = {{
    {"en", false},
    {"de", true},
}};

constexpr std::array<std::pair<std::string_view, OutputFormat>, 3> OutputFormats = {{
    {"table", OutputFormat::Table},
    {"csv", OutputFormat::Csv},
    {"json", OutputFormat::Json},
}};

const CommandOption Help = {HelpOption, HelpShort, {}, "show this help and leave"};

// A command: its name, operands, what it does, its options and how it runs
// once they are understood (a usage error comes back as text).
struct Command
{
    std::string_view name;
    std::string_view operands;
    std::string_view summary;
    std::vector<CommandOption> options;
    int (*run)(const CommandArguments &arguments, std::ostream &out, std::ostream &err,
               std::string &usageError);
};

// Sets value to the choice an option names from its table (name, value),
// if the option is given; false with the usage error for a name the table
// does not hold.
template <typename Choices, typename Value>
bool TakeChoice(const CommandArguments &arguments, const char *option, const Choices &choices,
                const char *what, Value &value, std::string &usageError)
{
    const auto given = arguments.options.find(option);
    if (given == arguments.options.end())
        return true;
    const auto known = std::find_if(choices.begin(), choices.end(), [&given](const auto &choice) {
        return choice.first == given->second;
    });
    if (known == choices.end()) {
        usageError = std::string("unknown ") + what + " \"" + given->second + "\"";
        return false;
    }
    value = known->second;
    return true;
}

// A target given as option, a number its spin box on the page takes; false
// and the reason when it is not one.
bool ReadTarget(const CommandArguments &arguments, const char *option, const TargetRange &range,
                std::optional<double> &target, std::string &usageError)
{
    const auto given = arguments.options.find(option);
    if (given == arguments.options.end())
        return true;
    const std::string &text = given->second;
    double value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size() || !range.Holds(value)) {
        std::ostringstream reason;
        reason << option << " takes a number from 0 to " << range.max << " with at most "
               << range.decimals << (range.decimals == 1 ? " decimal" : " decimals") << ", not \""
               << text << '"';
        usageError = reason.str();
        return false;
    }
    target = range.Rounded(value);
    return true;
}

int RunEstimateCommand(const CommandArguments &arguments, std::ostream &out, std::ostream &err,
                       std::string &usageError)
{
    EstimateOptions options;
    if (!TakeChoice(arguments, FormatOption, OutputFormats, "format", options.format, usageError) ||
        !ReadTarget(arguments, TargetYearsOption, TargetYearsRange, options.targetYears,
                    usageError) ||
        !ReadTarget(arguments, DataPlanOption, DataPlanRange, options.dataPlanMB, usageError))
        return NotUnderstood;
    if (arguments.operands.empty()) {
        usageError = "no file given";
        return NotUnderstood;
    }
    return RunEstimate(options, arguments.operands, out, err);
}

int RunReportCommand(const CommandArguments &arguments, std::ostream &, std::ostream &err,
                     std::string &usageError)
{
    ReportOptions options;
    if (!TakeChoice(arguments, LanguageOption, Languages, "language", options.german, usageError))
        return NotUnderstood;
    const auto output = arguments.options.find(OutputOption);
    if (output == arguments.options.end() || output->second.empty()) {
        usageError = "no output file given (-o OUT.pdf)";
        return NotUnderstood;
    }
    if (arguments.operands.size() != 1) {
        usageError = arguments.operands.empty() ? "no file given" : "more than one file given";
        return NotUnderstood;
    }
    options.file = arguments.operands.front();
    options.output = output->second;
    return RunReport(options, err);
}

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {
        {"estimate",
         "FILE...",
         "Estimates battery life and data volume of each file, a logger's setup file or a plan "
         "file (told apart by content), as the estimator page shows them after importing or "
         "opening it. A target given adds a column: the shortest TX1 interval of the interval "
         "table from which on every interval meets it, every other input of the file "
         "unchanged; empty when none does. A plan file's own targets are not used.",
         {{FormatOption, {}, "table|csv|json", "how to write the results (default: table)"},
          {TargetYearsOption, {}, "N", "adds the shortest TX1 interval for N years at -20 °C"},
          {DataPlanOption, {}, "M", "adds the shortest TX1 interval within M MB a month"},
          Help},
         RunEstimateCommand},
        {"report",
         "FILE",
         "Writes the station report of a setup or plan file as a one-page A4 PDF: the inputs, "
         "the results, the chart and the disclaimers, as the estimator page shows them after "
         "importing or opening the file, dated today.",
         {{OutputOption, OutputShort, "OUT.pdf", "the PDF file to write", true},
          {LanguageOption, {}, "en|de", "the report's language (default: en)"},
          Help},
         RunReportCommand},
    };
    return commands;
}

const Command *FindCommand(std::string_view name)
{
    const auto &commands = Commands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [name](const Command &c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

// The words of text in lines of at most LineWidth characters, each after
// indent blanks.
std::string Wrapped(std::string_view text, std::size_t indent)
{
    std::istringstream words{std::string(text)};
    std::string wrapped;
    std::string line;
    for (std::string word; words >> word;) {
        if (!line.empty() && indent + line.size() + 1 + word.size() > LineWidth) {
            wrapped += std::string(indent, ' ') + line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return wrapped + std::string(indent, ' ') + line + '\n';
}

std::string Usage()
{
    const std::string lead = std::string("Usage: ") + ProgramName;
    const std::string more(lead.size() - std::string_view(ProgramName).size(), ' ');
    std::ostringstream text;
    text << lead << '\n';
    for (const Command &command : Commands()) {
        text << more << ProgramName << ' ' << command.name;
        for (const CommandOption &option : command.options) {
            if (option.required)
                text << ' ' << (option.shortName.empty() ? option.name : option.shortName) << ' '
                     << option.value;
            else if (!option.value.empty())
                text << " [" << option.name << ' ' << option.value << ']';
        }
        text << ' ' << command.operands << '\n';
    }
    text << more << ProgramName << ' ' << HelpOption << " | " << VersionOption << '\n'
         << more << ProgramName << " [FILE]\n\n"
         << "Without a command the window opens, showing FILE, a plan or setup file, if given.\n";
    for (const Command &command : Commands()) {
        text << '\n'
             << command.name << ' ' << command.operands << '\n'
             << Wrapped(command.summary, HelpIndent);
        for (const CommandOption &option : command.options) {
            std::string names(option.name);
            if (!option.shortName.empty())
                names = std::string(option.shortName) + ", " + names;
            if (!option.value.empty())
                names += ' ' + std::string(option.value);
            text << std::string(HelpIndent, ' ') << names
                 << std::string(names.size() < OptionColumn ? OptionColumn - names.size() : 1, ' ')
                 << option.help << '\n';
        }
    }
    text << '\n'
         << Wrapped("Exit status: 0 when every file was estimated or the report written, 1 when "
                    "a file could not be read or the report or output not written, 2 when the "
                    "arguments are not understood.",
                    0);
    return text.str();
}

int WriteUsage(std::ostream &out, std::ostream &err)
{
    return WrittenOut(out, err, "the help", [&out] { out << Usage() << std::flush; }) ? Done
                                                                                      : NotWritten;
}

int UsageError(const std::string &reason, std::ostream &err)
{
    err << ProgramName << ": " << reason << "\n\n" << Usage();
    return NotUnderstood;
}

} // namespace

bool WrittenOut(std::ostream &out, std::ostream &err, const char *what,
                const std::function<void()> &write)
{
    errno = 0;
    write();
    if (out)
        return true;
    const FileFault fault = FileFault::OfSystem(errno != 0 ? errno : EIO);
    err << ProgramName << ": " << what
        << " could not be written: " << FileFaultReason(fault, German) << '\n';
    return false;
}

bool IsCommandLine(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
        return false;
    const std::string &first = arguments.front();
    return first == HelpOption || first == HelpShort || first == VersionOption ||
           FindCommand(first) != nullptr;
}

int RunCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.empty())
        return UsageError("no command given", err);
    const std::string &first = arguments.front();
    if (first == HelpOption || first == HelpShort)
        return WriteUsage(out, err);
    if (first == VersionOption)
        return WrittenOut(out, err, "the version",
                          [&out] { out << ProgramName << ' ' << TOOLBOX_VERSION << std::endl; })
                   ? Done
                   : NotWritten;
    const Command *command = FindCommand(first);
    if (!command)
        return UsageError("unknown command \"" + first + "\"", err);
    std::string error;
    const std::optional<CommandArguments> parsed = ParseCommandArguments(
        std::vector<std::string>(arguments.begin() + 1, arguments.end()), command->options, error);
    if (!parsed)
        return UsageError(error, err);
    if (parsed->Has(HelpOption))
        return WriteUsage(out, err);
    const int status = command->run(*parsed, out, err, error);
    if (!error.empty())
        return UsageError(error, err);
    return status;
}

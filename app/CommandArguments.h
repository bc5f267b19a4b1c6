#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Options and operands of one command of the command line, GNU style:
// "--name value", "--name=value", "-x value", "-xvalue"; "--" ends the
// options, a lone "-" is an operand.

struct CommandOption
{
    std::string_view name;      // "--format"
    std::string_view shortName; // "-o", or empty
    std::string_view value;     // what it takes, "table|csv|json"; empty for a switch
    std::string_view help;
    bool required = false; // the command runs only with it
};

struct CommandArguments
{
    // By the option's long name; a switch given holds an empty value. The
    // last of repeated options counts.
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> operands;

    bool Has(std::string_view name) const { return options.find(name) != options.end(); }
};

// The arguments after the command's name; nothing and the reason (naming
// the argument) when one is not an option of known or lacks its value.
std::optional<CommandArguments> ParseCommandArguments(const std::vector<std::string> &arguments,
                                                      const std::vector<CommandOption> &known,
                                                      std::string &error);

#include "app/CommandArguments.h"

#include <algorithm>

namespace {

const CommandOption *Find(const std::vector<CommandOption> &known, std::string_view given)
{
    const auto found =
        std::find_if(known.begin(), known.end(), [given](const CommandOption &option) {
            return option.name == given || (!option.shortName.empty() && option.shortName == given);
        });
    return found == known.end() ? nullptr : &*found;
}

bool IsOption(const std::string &argument)
{
    return argument.size() > 1 && argument[0] == '-';
}

} // namespace

std::optional<CommandArguments> ParseCommandArguments(const std::vector<std::string> &arguments,
                                                      const std::vector<CommandOption> &known,
                                                      std::string &error)
{
    CommandArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument == "--") {
            parsed.operands.insert(parsed.operands.end(), arguments.begin() + i + 1,
                                   arguments.end());
            break;
        }
        if (!IsOption(argument)) {
            parsed.operands.push_back(argument);
            continue;
        }
        // "--name=value" and "-xvalue" carry their value.
        const bool isLong = argument.compare(0, 2, "--") == 0;
        const std::size_t nameEnd =
            isLong ? argument.find('=') : std::min<std::size_t>(2, argument.size());
        const std::string name = argument.substr(0, nameEnd);
        const CommandOption *option = Find(known, name);
        if (!option) {
            error = "unknown option \"" + name + "\"";
            return std::nullopt;
        }
        std::optional<std::string> value;
        if (nameEnd != std::string::npos && nameEnd < argument.size())
            value = argument.substr(isLong ? nameEnd + 1 : nameEnd);
        if (option->value.empty()) {
            if (value) {
                error = "the option \"" + std::string(option->name) + "\" takes no value";
                return std::nullopt;
            }
            value = std::string();
        } else if (!value) {
            if (i + 1 == arguments.size()) {
                error = "the option \"" + name + "\" needs a value";
                return std::nullopt;
            }
            value = arguments[++i];
        }
        parsed.options[std::string(option->name)] = *value;
    }
    return parsed;
}

#include "app/CommandArguments.h"

#include <algorithm>

namespace {

const OptionSpec *Find(const std::vector<OptionSpec> &specs, std::string_view given)
{
    const auto found = std::find_if(specs.begin(), specs.end(), [given](const OptionSpec &spec) {
        return spec.name == given || (!spec.shortName.empty() && spec.shortName == given);
    });
    return found == specs.end() ? nullptr : &*found;
}

bool IsOption(const std::string &argument)
{
    return argument.size() > 1 && argument[0] == '-';
}

} // namespace

std::optional<CommandArguments> ParseCommandArguments(const std::vector<std::string> &arguments,
                                                      const std::vector<OptionSpec> &specs,
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
        const OptionSpec *spec = Find(specs, name);
        if (!spec) {
            error = "unknown option \"" + name + "\"";
            return std::nullopt;
        }
        std::optional<std::string> value;
        if (nameEnd != std::string::npos && nameEnd < argument.size())
            value = argument.substr(isLong ? nameEnd + 1 : nameEnd);
        if (spec->value.empty()) {
            if (value) {
                error = "the option \"" + std::string(spec->name) + "\" takes no value";
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
        parsed.options[std::string(spec->name)] = *value;
    }
    return parsed;
}

// Writes the seed corpus of the plan file's fuzzer into the folder given
// first: plans as our writer saves them, the same read in other shapes, and
// files refused in the ways the reader tells apart. Writes the fuzzer's
// dictionary, the file's keys and identifiers, to the file given second.
#include "estimators/PlanIds.h"
#include "planfile/JsonDocument.h"
#include "planfile/PlanFile.h"
#include "setup/SetupFileFormat.h"
#include "tests/estimators/SetupCases.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

using Json = nlohmann::ordered_json;

namespace {

// JSON's own words, an escape, a number beyond a double and a negative zero.
const char *const JsonWords[] = {"true", "false", "null", "\\u00", "1e400", "-0.0"};

StationPlan EveryValueChanged()
{
    StationPlan plan = SetupCases::ChangedPage();
    plan.rows[1].name = "Pegel \xFC";
    plan.rows[3].name = std::string("a\0b\x01\"\\", 6);
    plan.rows[4].name = std::string();
    plan.rows[5].inTX1 = true;
    plan.rows[6].inTX2 = true;
    StationPlan::Transmission &tx = plan.transmissions[2];
    tx.intervalSeconds = SecondsPerWeek;
    tx.format = StationPlan::Format::ZrxpV3;
    tx.server = StationPlan::Server::Mqtts;
    tx.compression = true;
    tx.compressionLevel = 9;
    tx.eventsNumber = 99;
    tx.secondaryMode = StationPlan::SecondaryMode::Backup;
    tx.backupPercent = 100;
    plan.targets = {12.5, 0.3};
    return plan;
}

StationPlan WithoutChoices()
{
    StationPlan plan = DefaultPlan();
    SetupCases::WithoutChoices(plan);
    return plan;
}

StationPlan LongestTexts()
{
    StationPlan plan = DefaultPlan();
    plan.stationId = std::string(SetupFile::MaxTextLength, '\xE9');
    plan.rows[8].name = std::string(SetupFile::MaxTextLength, '\xFF');
    plan.rows[8].id = std::string(SetupFile::MaxTextLength, 'x');
    plan.targets = {25, 100000};
    return plan;
}

std::string StartUp()
{
    return PlanFileText(DefaultPlan());
}

// The start-up file with its JSON changed.
std::string Changed(const std::function<void(Json &)> &change)
{
    Json file = Json::parse(StartUp());
    change(file);
    return file.dump(2);
}

// The start-up file with one piece of its text replaced, for what a JSON
// value cannot hold.
std::string Edited(const std::string &from, const std::string &to)
{
    std::string text = StartUp();
    const std::size_t at = text.find(from);
    if (at == std::string::npos) {
        std::fprintf(stderr, "no %s in the plan file\n", from.c_str());
        std::exit(1);
    }
    return text.replace(at, from.size(), to);
}

std::vector<std::pair<std::string, std::string>> Seeds()
{
    const auto set = [](const char *pointer, Json value) {
        return Changed([pointer, value](Json &f) { f[Json::json_pointer(pointer)] = value; });
    };
    const std::string startUp = StartUp();
    return {
        {"start-up", startUp},
        {"every-value-changed", PlanFileText(EveryValueChanged())},
        {"without-choices", PlanFileText(WithoutChoices())},
        {"longest-texts", PlanFileText(LongestTexts())},
        {"byte-order-mark", "\xEF\xBB\xBF" + startUp},
        {"sorted-on-one-line", nlohmann::json::parse(startUp).dump()},
        {"unknown-keys", Changed([](Json &f) {
             f["comment"] = "from a later version";
             f["transmissions"][0]["retries"] = Json::array({1, 2.5, nullptr});
             f.erase("results");
             f.erase("targets");
         })},
        {"cut-short", startUp.substr(0, startUp.size() / 2)},
        {"another-format", set("/format", "other-plan")},
        {"newer-version", set("/version", 2)},
        {"seven-rows", Changed([](Json &f) { f["measurements"].erase(7); })},
        {"row-twice", set("/measurements/1/row", 1)},
        {"interval-not-offered", set("/measurements/3/sampling_interval_s", 45)},
        {"name-beyond-latin1", set("/measurements/0/name", "Pegel \xE2\x82\xAC")},
        {"key-twice",
         Edited("\"conductivity\": false", "\"conductivity\": false, \"conductivity\": true")},
        {"number-beyond-double", Edited("\"data_plan_mb\": 0", "\"data_plan_mb\": 1e400")},
        {"nested-too-deep",
         Edited("\"format\"", "\"later\": " + std::string(MaxJsonDepth, '[') +
                                  std::string(MaxJsonDepth, ']') + ", \"format\"")},
        {"binary-after-a-brace", std::string("{\x01\x00\x00\x00", 5)},
    };
}

// A word as a dictionary line writes it: quoted, with quotes and
// backslashes escaped. The words are printable ASCII.
std::string DictionaryLine(const std::string &word)
{
    std::string line = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\')
            line += '\\';
        line += c;
    }
    return line + "\"";
}

// Every key of the value and of the values it holds, as JSON writes them.
void CollectKeys(const Json &value, std::set<std::string> &words)
{
    if (!value.is_structured())
        return;
    for (auto item = value.begin(); item != value.end(); ++item) {
        if (value.is_object())
            words.insert(Json(item.key()).dump());
        CollectKeys(*item, words);
    }
}

template <typename... Choices> void CollectIds(std::set<std::string> &words)
{
    const auto collect = [&words](const auto &table) {
        for (const auto &entry : table)
            words.insert(Json(std::string(entry.second)).dump());
    };
    (collect(PlanIds<Choices>::Table), ...);
}

std::set<std::string> DictionaryWords()
{
    std::set<std::string> words(std::begin(JsonWords), std::end(JsonWords));
    words.insert(Json(PlanFormatName).dump());
    CollectKeys(Json::parse(PlanFileText(EveryValueChanged())), words);
    CollectIds<StationPlan::Observer, StationPlan::Network, StationPlan::Format,
               StationPlan::Server, StationPlan::SecondaryMode>(words);
    return words;
}

bool Write(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER DICTIONARY\n", argv[0]);
        return 2;
    }
    for (const auto &[name, bytes] : Seeds()) {
        if (!Write(std::string(argv[1]) + "/" + name + PlanFileExtension, bytes))
            return 1;
    }
    std::string dictionary;
    for (const std::string &word : DictionaryWords())
        dictionary += DictionaryLine(word) + "\n";
    return Write(argv[2], dictionary) ? 0 : 1;
}

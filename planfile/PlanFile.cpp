#include "planfile/PlanFile.h"

#include "common/AtomicFile.h"
#include "common/InputFile.h"
#include "common/IntervalTables.h"
#include "common/Message.h"
#include "common/TableLookup.h"
#include "common/Text.h"
#include "estimators/PlanFigures.h"
#include "estimators/PlanIds.h"
#include "planfile/FiguresJson.h"
#include "planfile/JsonDocument.h"
#include "setup/SetupFileFormat.h"
#include "texts/FileReasons.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// Written with the keys in our order; read from a document of sorted keys.
using Json = nlohmann::ordered_json;
using Document = nlohmann::json;
using Kind = PlanFileError::Kind;
using Expected = PlanFileError::Expected;

namespace {

// The keys, in the order they are written.
namespace Key {
constexpr const char *FileFormat = "format";
constexpr const char *Version = "version";
constexpr const char *StationId = "station_id";
constexpr const char *Measurements = "measurements";
constexpr const char *Row = "row";
constexpr const char *Id = "id";
constexpr const char *Name = "name";
constexpr const char *Sampling = "sampling_interval_s";
constexpr const char *Storage = "storage_interval_s";
constexpr const char *InTx1 = "in_tx1";
constexpr const char *InTx2 = "in_tx2";
constexpr const char *Conductivity = "conductivity";
constexpr const char *BleReadings = "ble_readings";
constexpr const char *Network = "radio_network";
constexpr const char *Transmissions = "transmissions";
constexpr const char *Tx = "tx";
constexpr const char *On = "on";
constexpr const char *Interval = "interval_s";
constexpr const char *DataFormat = "data_format";
constexpr const char *Server = "server_type";
constexpr const char *Compression = "compression";
constexpr const char *Level = "compression_level";
constexpr const char *StationEvents = "station_events";
constexpr const char *MeasurementEvents = "measurement_events";
constexpr const char *EventsNumber = "events_number";
constexpr const char *SecondaryMode = "secondary_server_mode";
constexpr const char *SecondaryServer = "secondary_server_type";
constexpr const char *BackupPercent = "backup_percent";
constexpr const char *Targets = "targets";
constexpr const char *TargetYears = "battery_life_years";
constexpr const char *DataPlan = "data_plan_mb";
constexpr const char *Results = "results";
} // namespace Key

constexpr int Indent = 2;
// A value quoted in a message is cut after this many bytes.
constexpr std::size_t QuotedValueBytes = 40;

// "%1" is the key and "%2" the detail; in NotJsonText "%1" is the place.
constexpr Message NotJsonText = {"the file is not JSON (%1)", "die Datei ist kein JSON (%1)"};
constexpr Message NotPlanText = {"the file is not a station plan (\"%1\" is not \"%2\")",
                                 "die Datei ist kein Stationsplan (\"%1\" ist nicht \"%2\")"};
constexpr Message NewerVersionText = {
    "\"%1\" is %2: the plan comes from a newer version of the program",
    "\"%1\" ist %2: der Plan stammt aus einer neueren Version des Programms"};
constexpr Message MissingKeyText = {"the key \"%1\" is missing", "der Schlüssel \"%1\" fehlt"};
constexpr Message WrongTypeText = {"\"%1\" must be %2", "\"%1\" muss %2 sein"};
constexpr Message NotOfferedText = {"\"%1\" holds %2, which the page does not offer",
                                    "\"%1\" enthält %2, was die Seite nicht anbietet"};
constexpr Message RepeatedText = {"\"%1\" holds %2 a second time",
                                  "\"%1\" enthält %2 ein zweites Mal"};
constexpr Message WrongCountText = {"\"%1\" must hold %2 entries",
                                    "\"%1\" muss %2 Einträge enthalten"};
constexpr Message NotLatin1Text = {"\"%1\" holds the character \"%2\", which an 8-bit text "
                                   "(Latin-1) cannot hold",
                                   "\"%1\" enthält das Zeichen \"%2\", das ein 8-Bit-Text "
                                   "(Latin-1) nicht fassen kann"};
constexpr Message TooLongText = {"\"%1\" is longer than %2 characters",
                                 "\"%1\" ist länger als %2 Zeichen"};
constexpr Message NumberTooLargeText = {"\"%1\" holds the number %2, which is too large",
                                        "\"%1\" enthält die Zahl %2, die zu groß ist"};
constexpr Message TooDeepText = {"\"%1\" nests lists and objects more than %2 levels deep",
                                 "\"%1\" verschachtelt Listen und Objekte tiefer als %2 Ebenen"};
constexpr Message RepeatedKeyText = {"the key \"%1\" appears more than once",
                                     "der Schlüssel \"%1\" kommt mehrmals vor"};
constexpr Message LineColumnText = {"line %1, column %2", "Zeile %1, Spalte %2"};

struct ExpectedText
{
    Expected expected;
    Message text;
};

const ExpectedText ExpectedTexts[] = {
    {Expected::Object, {"an object", "ein Objekt"}},
    {Expected::List, {"a list", "eine Liste"}},
    {Expected::TrueOrFalse, {"true or false", "true oder false"}},
    {Expected::WholeNumber, {"a whole number", "eine ganze Zahl"}},
    {Expected::WholeNumberOrNull, {"a whole number or null", "eine ganze Zahl oder null"}},
    {Expected::Number, {"a number", "eine Zahl"}},
    {Expected::Text, {"a text", "ein Text"}},
    {Expected::TextOrNull, {"a text or null", "ein Text oder null"}},
};

std::string Filled(const char *pattern, const std::string &first, const std::string &second)
{
    std::string text = pattern;
    for (const auto &[mark, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}}) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, 2, *value);
    }
    return text;
}

// ---- Writing

Json TextOrNull(const std::string &latin1)
{
    return latin1.empty() ? Json() : Json(Latin1ToUtf8(latin1));
}

Json NameOrNull(const std::optional<std::string> &latin1)
{
    return latin1 ? Json(Latin1ToUtf8(*latin1)) : Json();
}

Json SecondsOrNull(const std::optional<std::int32_t> &seconds)
{
    return seconds ? Json(*seconds) : Json();
}

template <typename Choice> Json IdOrNull(const std::optional<Choice> &choice)
{
    return choice ? Json(std::string(IdOf(*choice))) : Json();
}

Json RowJson(int number, const StationPlan::Row &row)
{
    Json entry;
    entry[Key::Row] = number;
    entry[Key::Id] = TextOrNull(row.id);
    entry[Key::Name] = NameOrNull(row.name);
    entry[Key::Sampling] = SecondsOrNull(row.samplingSeconds);
    entry[Key::Storage] = SecondsOrNull(row.storageSeconds);
    entry[Key::InTx1] = row.inTX1;
    entry[Key::InTx2] = row.inTX2;
    return entry;
}

Json TransmissionJson(int number, const StationPlan::Transmission &tx)
{
    Json entry;
    entry[Key::Tx] = number;
    entry[Key::On] = tx.on;
    entry[Key::Interval] = SecondsOrNull(tx.intervalSeconds);
    entry[Key::DataFormat] = IdOrNull(tx.format);
    entry[Key::Server] = IdOrNull(tx.server);
    entry[Key::Compression] = tx.compression;
    entry[Key::Level] = tx.compressionLevel;
    entry[Key::StationEvents] = tx.stationEvents;
    entry[Key::MeasurementEvents] = tx.measurementEvents;
    entry[Key::EventsNumber] = tx.eventsNumber;
    entry[Key::SecondaryMode] = IdOrNull(tx.secondaryMode);
    entry[Key::SecondaryServer] = IdOrNull(tx.secondaryServer);
    entry[Key::BackupPercent] = tx.backupPercent;
    return entry;
}

// A whole target as a whole number, so that "5" does not read "5.0".
Json TargetJson(double value)
{
    const double whole = std::round(value);
    return whole == value ? Json(static_cast<std::int64_t>(whole)) : Json(value);
}

Json TargetsJson(const PlanningTargets &targets)
{
    Json entry;
    entry[Key::TargetYears] = TargetJson(targets.years);
    entry[Key::DataPlan] = TargetJson(targets.dataPlanMB);
    return entry;
}

// ---- Reading

struct Refusal
{
    PlanFileError error;
};

[[noreturn]] void Refuse(Kind kind, const std::string &key, const std::string &detail = {})
{
    PlanFileError error;
    error.kind = kind;
    error.key = key;
    error.detail = detail;
    throw Refusal{error};
}

[[noreturn]] void RefuseType(const std::string &key, Expected expected)
{
    PlanFileError error;
    error.kind = Kind::WrongType;
    error.key = key;
    error.expected = expected;
    throw Refusal{error};
}

// Where a parser stopped after consuming that many bytes.
void SetLineColumn(PlanFileError &error, std::string_view bytes, std::size_t consumed)
{
    const std::size_t at = std::min(consumed > 0 ? consumed - 1 : 0, bytes.size());
    const std::string_view before = bytes.substr(0, at);
    error.line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lastBreak = before.rfind('\n');
    error.column = lastBreak == std::string_view::npos ? at + 1 : at - lastBreak;
}

// Text of the file, cut short where it is long.
std::string Shortened(std::string text)
{
    if (text.size() <= QuotedValueBytes)
        return text;
    std::size_t end = QuotedValueBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end) + "...";
}

// The value as the file writes it.
std::string Quoted(const Document &value)
{
    return Shortened(value.dump());
}

// The path of a key of the file as JSON writes it, without the quotes: a
// control character in it would reach a terminal with the message.
std::string Escaped(const std::string &path)
{
    const std::string text = Document(path).dump();
    return text.substr(1, text.size() - 2);
}

// Why the text could not be read as a document at all.
PlanFileError DocumentError(const JsonDocumentFault &fault, std::string_view bytes)
{
    using Fault = JsonDocumentFault::Kind;
    PlanFileError error;
    error.key = Shortened(Escaped(fault.path));
    switch (fault.kind) {
    case Fault::NumberTooLarge:
        error.kind = Kind::NumberTooLarge;
        error.detail = Shortened(fault.token);
        break;
    case Fault::TooDeep:
        error.kind = Kind::TooDeep;
        error.detail = std::to_string(MaxJsonDepth);
        break;
    case Fault::RepeatedKey:
        error.kind = Kind::RepeatedKey;
        break;
    case Fault::None:
    case Fault::NotJson:
        error.kind = Kind::NotJson;
        SetLineColumn(error, bytes, fault.consumed);
        break;
    }
    return error;
}

std::string Member(const std::string &parent, const char *key)
{
    return parent.empty() ? std::string(key) : parent + "." + key;
}

std::string Element(const std::string &list, std::size_t index)
{
    return list + "[" + std::to_string(index) + "]";
}

class PlanReader
{
public:
    explicit PlanReader(const Document &root) : root_(root) {}

    StationPlan Read()
    {
        CheckFormat();
        StationPlan plan = DefaultPlan();
        plan.stationId = TextOrEmpty(root_, {}, Key::StationId);
        ReadEntries(Key::Measurements, EstimatorRowCount, Key::Row,
                    [this, &plan](const Document &entry, const std::string &path, int row) {
                        ReadRow(entry, path, plan.rows[row]);
                    });
        plan.conductivity = Flag(root_, {}, Key::Conductivity);
        plan.observer = ChoiceOrNull<StationPlan::Observer>(root_, {}, Key::BleReadings);
        plan.network = ChoiceOrNull<StationPlan::Network>(root_, {}, Key::Network);
        ReadEntries(Key::Transmissions, EstimatorTransmissionCount, Key::Tx,
                    [this, &plan](const Document &entry, const std::string &path, int tx) {
                        ReadTransmission(entry, path, plan.transmissions[tx]);
                    });
        // Optional: a plan without it has no targets.
        if (root_.contains(Key::Targets)) {
            const Document &targets =
                Typed(root_, {}, Key::Targets, &Document::is_object, Expected::Object);
            plan.targets.years = Target(targets, Key::Targets, Key::TargetYears, TargetYearsRange);
            plan.targets.dataPlanMB = Target(targets, Key::Targets, Key::DataPlan, DataPlanRange);
        }
        return plan;
    }

private:
    void CheckFormat()
    {
        const bool ours = root_.is_object() && root_.contains(Key::FileFormat) &&
                          root_[Key::FileFormat] == PlanFormatName;
        if (!ours)
            Refuse(Kind::NotPlan, Key::FileFormat, PlanFormatName);
        const Document &version =
            Typed(root_, {}, Key::Version, &Document::is_number_integer, Expected::WholeNumber);
        if (version.is_number_unsigned() ? version.get<std::uint64_t>() > PlanFileVersion
                                         : version.get<std::int64_t>() > PlanFileVersion)
            Refuse(Kind::NewerVersion, Key::Version, version.dump());
        if (version != PlanFileVersion)
            Refuse(Kind::NotOffered, Key::Version, version.dump());
    }

    static const Document &At(const Document &object, const std::string &parent, const char *key)
    {
        const auto found = object.find(key);
        if (found == object.end())
            Refuse(Kind::MissingKey, Member(parent, key));
        return *found;
    }

    // A list of count objects, each naming its number 1..count under
    // numberKey once; the order does not matter.
    template <typename ReadEntry>
    void ReadEntries(const char *key, int count, const char *numberKey, ReadEntry readEntry)
    {
        const Document &list = Typed(root_, {}, key, &Document::is_array, Expected::List);
        if (list.size() != static_cast<std::size_t>(count))
            Refuse(Kind::WrongCount, key, std::to_string(count));
        std::vector<bool> seen(static_cast<std::size_t>(count) + 1, false);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string path = Element(key, i);
            const Document &entry = list[i];
            if (!entry.is_object())
                RefuseType(path, Expected::Object);
            const int number = Whole(entry, path, numberKey, {1, count, 1});
            if (seen[static_cast<std::size_t>(number)])
                Refuse(Kind::Repeated, Member(path, numberKey), std::to_string(number));
            seen[static_cast<std::size_t>(number)] = true;
            readEntry(entry, path, number);
        }
    }

    void ReadRow(const Document &entry, const std::string &path, StationPlan::Row &row)
    {
        row.id = TextOrEmpty(entry, path, Key::Id);
        row.name = Text(entry, path, Key::Name);
        row.samplingSeconds = Seconds(entry, path, Key::Sampling, IntervalSeconds);
        row.storageSeconds = Seconds(entry, path, Key::Storage, IntervalSeconds);
        row.inTX1 = Flag(entry, path, Key::InTx1);
        row.inTX2 = Flag(entry, path, Key::InTx2);
    }

    void ReadTransmission(const Document &entry, const std::string &path,
                          StationPlan::Transmission &tx)
    {
        tx.on = Flag(entry, path, Key::On);
        tx.intervalSeconds = Seconds(entry, path, Key::Interval, TXIntervalSeconds);
        tx.format = ChoiceOrNull<StationPlan::Format>(entry, path, Key::DataFormat);
        tx.server = ChoiceOrNull<StationPlan::Server>(entry, path, Key::Server);
        tx.compression = Flag(entry, path, Key::Compression);
        tx.compressionLevel = Whole(entry, path, Key::Level, CompressionLevelRange);
        tx.stationEvents = Flag(entry, path, Key::StationEvents);
        tx.measurementEvents = Flag(entry, path, Key::MeasurementEvents);
        tx.eventsNumber = Whole(entry, path, Key::EventsNumber, EventsNumberRange);
        tx.secondaryMode =
            ChoiceOrNull<StationPlan::SecondaryMode>(entry, path, Key::SecondaryMode);
        tx.secondaryServer = ChoiceOrNull<StationPlan::Server>(entry, path, Key::SecondaryServer);
        tx.backupPercent = Whole(entry, path, Key::BackupPercent, BackupPercentRange);
    }

    using TypeTest = bool (Document::*)() const noexcept;

    // The value under key, refused unless it is of the type asked for.
    static const Document &Typed(const Document &object, const std::string &parent, const char *key,
                                 TypeTest isType, Expected expected)
    {
        const Document &value = At(object, parent, key);
        if (!(value.*isType)())
            RefuseType(Member(parent, key), expected);
        return value;
    }

    // The same where null stands for none.
    static const Document *Nullable(const Document &object, const std::string &parent,
                                    const char *key, TypeTest isType, Expected expected)
    {
        if (At(object, parent, key).is_null())
            return nullptr;
        return &Typed(object, parent, key, isType, expected);
    }

    static bool Flag(const Document &object, const std::string &parent, const char *key)
    {
        return Typed(object, parent, key, &Document::is_boolean, Expected::TrueOrFalse).get<bool>();
    }

    // A whole number of the range; one beyond int is outside it too.
    static int Whole(const Document &object, const std::string &parent, const char *key,
                     const SpinRange &range)
    {
        const Document &value =
            Typed(object, parent, key, &Document::is_number_integer, Expected::WholeNumber);
        const std::optional<int> number = AsInt(value);
        if (!number || !range.Holds(*number))
            Refuse(Kind::NotOffered, Member(parent, key), value.dump());
        return *number;
    }

    // A number the target's spin box takes.
    static double Target(const Document &object, const std::string &parent, const char *key,
                         const TargetRange &range)
    {
        const Document &value = Typed(object, parent, key, &Document::is_number, Expected::Number);
        const double number = value.get<double>();
        if (!range.Holds(number))
            Refuse(Kind::NotOffered, Member(parent, key), value.dump());
        return range.Rounded(number);
    }

    static std::optional<int> AsInt(const Document &value)
    {
        if (value.is_number_unsigned()) {
            const auto number = value.get<std::uint64_t>();
            if (number > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
                return std::nullopt;
            return static_cast<int>(number);
        }
        const auto number = value.get<std::int64_t>();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(number);
    }

    // Seconds of an interval the drop-down lists; null for no selection.
    template <typename Table>
    static std::optional<std::int32_t> Seconds(const Document &object, const std::string &parent,
                                               const char *key, const Table &table)
    {
        const Document *value = Nullable(object, parent, key, &Document::is_number_integer,
                                         Expected::WholeNumberOrNull);
        if (!value)
            return std::nullopt;
        const std::optional<int> seconds = AsInt(*value);
        if (!seconds || IndexOf(table, static_cast<typename Table::value_type>(*seconds)) < 0)
            Refuse(Kind::NotOffered, Member(parent, key), value->dump());
        return *seconds;
    }

    template <typename Choice>
    static std::optional<Choice> ChoiceOrNull(const Document &object, const std::string &parent,
                                              const char *key)
    {
        const Document *value =
            Nullable(object, parent, key, &Document::is_string, Expected::TextOrNull);
        if (!value)
            return std::nullopt;
        const std::optional<Choice> choice = ChoiceOf<Choice>(value->get<std::string>());
        if (!choice)
            Refuse(Kind::NotOffered, Member(parent, key), Quoted(*value));
        return choice;
    }

    // An 8-bit text of at most the setup reader's length; null is none.
    static std::optional<std::string> Text(const Document &object, const std::string &parent,
                                           const char *key)
    {
        const Document *value =
            Nullable(object, parent, key, &Document::is_string, Expected::TextOrNull);
        if (!value)
            return std::nullopt;
        const Latin1Text latin1 = ToLatin1(value->get<std::string>());
        if (latin1.unencodable)
            Refuse(Kind::NotLatin1, Member(parent, key), latin1.unencodable->character);
        if (latin1.bytes.size() > SetupFile::MaxTextLength)
            Refuse(Kind::TooLong, Member(parent, key), std::to_string(SetupFile::MaxTextLength));
        return latin1.bytes;
    }

    static std::string TextOrEmpty(const Document &object, const std::string &parent,
                                   const char *key)
    {
        return Text(object, parent, key).value_or(std::string());
    }

    const Document &root_;
};

} // namespace

std::string PlanFileError::Text(bool german) const
{
    const auto filled = [this, german](const Message &message) {
        return Filled(message.In(german), key, detail);
    };
    switch (kind) {
    case Kind::None:
        break;
    case Kind::File:
        return FileFaultReason(fault, german);
    case Kind::NotJson:
        return Filled(
            NotJsonText.In(german),
            Filled(LineColumnText.In(german), std::to_string(line), std::to_string(column)), {});
    case Kind::NotPlan:
        return filled(NotPlanText);
    case Kind::NewerVersion:
        return filled(NewerVersionText);
    case Kind::MissingKey:
        return filled(MissingKeyText);
    case Kind::WrongType:
        for (const ExpectedText &type : ExpectedTexts) {
            if (type.expected == expected)
                return Filled(WrongTypeText.In(german), key, type.text.In(german));
        }
        break;
    case Kind::NotOffered:
        return filled(NotOfferedText);
    case Kind::Repeated:
        return filled(RepeatedText);
    case Kind::WrongCount:
        return filled(WrongCountText);
    case Kind::NotLatin1:
        return filled(NotLatin1Text);
    case Kind::TooLong:
        return filled(TooLongText);
    case Kind::NumberTooLarge:
        return filled(NumberTooLargeText);
    case Kind::TooDeep:
        return filled(TooDeepText);
    case Kind::RepeatedKey:
        return filled(RepeatedKeyText);
    }
    return {};
}

std::string PlanFileText(const StationPlan &plan)
{
    Json root;
    root[Key::FileFormat] = PlanFormatName;
    root[Key::Version] = PlanFileVersion;
    root[Key::StationId] = TextOrNull(plan.stationId);
    Json rows = Json::array();
    for (int i = 1; i <= EstimatorRowCount; ++i)
        rows.push_back(RowJson(i, plan.rows[i]));
    root[Key::Measurements] = std::move(rows);
    root[Key::Conductivity] = plan.conductivity;
    root[Key::BleReadings] = IdOrNull(plan.observer);
    root[Key::Network] = IdOrNull(plan.network);
    Json transmissions = Json::array();
    for (int t = 1; t <= EstimatorTransmissionCount; ++t)
        transmissions.push_back(TransmissionJson(t, plan.transmissions[t]));
    root[Key::Transmissions] = std::move(transmissions);
    root[Key::Targets] = TargetsJson(plan.targets);
    const PlanFigures figures = FiguresOf(plan);
    Json results = Json::object();
    PutFigures(results, figures);
    root[Key::Results] = std::move(results);
    return root.dump(Indent) + "\n";
}

PlanReadResult ParsePlanFile(std::string_view bytes)
{
    PlanReadResult result;
    JsonDocumentFault fault;
    const std::optional<Document> root = ParseJsonDocument(bytes, fault);
    if (!root) {
        result.error = DocumentError(fault, bytes);
        return result;
    }
    try {
        result.plan = PlanReader(*root).Read();
    } catch (const Refusal &refusal) {
        result.error = refusal.error;
    }
    return result;
}

PlanReadResult ReadPlanFile(const std::filesystem::path &path)
{
    std::string bytes;
    if (const FileFault fault = ReadInputFile(path, bytes)) {
        PlanReadResult result;
        result.error.kind = Kind::File;
        result.error.fault = fault;
        return result;
    }
    return ParsePlanFile(bytes);
}

FileFault SavePlanFile(const std::filesystem::path &path, const StationPlan &plan)
{
    return WriteFileAtomically(path, PlanFileText(plan));
}

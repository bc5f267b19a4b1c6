#include "commandfile/PlanMessage.h"

#include "commandfile/ListText.h"
#include "common/Message.h"

namespace {

constexpr Message LeftOutHeading = {"These commands of the plan were not added:",
                                    "Diese Kommandos aus dem Plan wurden nicht hinzugefügt:"};

struct ReasonText
{
    LeftOutReason reason;
    Message text;
};

// "%1" is the most entries of the list.
constexpr ReasonText ReasonTexts[] = {
    {LeftOutReason::UnknownId, {"no measurement ID is known", "keine Messungsnummer bekannt"}},
    {LeftOutReason::NoSampling, {"no sampling interval is chosen", "kein Messintervall gewählt"}},
    {LeftOutReason::NoStorage, {"no storage interval is chosen", "kein Speicherintervall gewählt"}},
    {LeftOutReason::NoInterval,
     {"no transmission interval is chosen", "kein Übertragungsintervall gewählt"}},
    {LeftOutReason::WeeklyWithoutDay,
     {"\"weekly\" needs a weekday, which the plan does not name; choose it on the transmission "
      "interval panel",
      "\"weekly\" braucht einen Wochentag, den der Plan nicht nennt; wählen Sie ihn im Feld "
      "für das Übertragungsintervall"}},
    {LeftOutReason::BeyondLimit,
     {"the command list is full (%1 entries)", "die Kommandoliste ist voll (%1 Einträge)"}},
};

const char *const MeasurementPrefix = "M";
const char *const TransmissionPrefix = "TX";

std::string ReasonOf(LeftOutReason reason, bool german)
{
    for (const ReasonText &known : ReasonTexts) {
        if (known.reason == reason)
            return Filled(known.text.In(german), {std::to_string(MaxListEntries)});
    }
    return {};
}

// "M3 (0003)", "M4" without a known ID, "TX1".
std::string NameOf(const PlanSource &source)
{
    if (source.kind == PlanSource::Kind::Transmission)
        return TransmissionPrefix + std::to_string(source.number);
    std::string name = MeasurementPrefix + std::to_string(source.number);
    if (!source.id.empty())
        name += " (" + source.id + ")";
    return name;
}

} // namespace

std::string PlanLeftOutMessage(const std::vector<PlanLeftOut> &leftOut, bool german)
{
    if (leftOut.empty())
        return {};
    std::string message = LeftOutHeading.In(german);
    for (const PlanLeftOut &item : leftOut)
        message += "\n" + NameOf(item.source) + ": " + ReasonOf(item.reason, german);
    return message;
}

#pragma once

#include "common/Message.h"

#include <array>

// The window's texts for plan files and the report of the page's plan: the
// menu entries, the messages of opening, saving, comparing and reporting,
// and the comparison's own words; the words it shares with the report are
// the report's. UTF-8; "%1" and "%2" are filled in where a comment says so.

struct PlanMenuText
{
    const char *Control;
    Message Text;
};

// The entries after "Import Setup...", in their order.
inline constexpr std::array<PlanMenuText, 6> PlanMenuTexts = {{
    {"MenuItemNewPlan", {"New plan", "Neuer Plan"}},
    {"MenuItemOpenPlan", {"Open plan...", "Plan öffnen..."}},
    {"MenuItemSavePlan", {"Save plan as...", "Plan speichern unter..."}},
    {"MenuItemComparePlan", {"Compare with plan...", "Mit Plan vergleichen..."}},
    {"MenuItemUndo", {"Undo", "Rückgängig"}},
    {"MenuItemRedo", {"Redo", "Wiederholen"}},
}};

// The entries of the report, after those of the plan.
inline constexpr std::array<PlanMenuText, 3> ReportMenuTexts = {{
    {"MenuItemSaveReport", {"Save report as PDF...", "Bericht als PDF speichern..."}},
    {"MenuItemPrintReport", {"Print report...", "Bericht drucken..."}},
    {"MenuItemCopyResults", {"Copy results", "Ergebnisse kopieren"}},
}};

// Titles of the file dialogs and of the comparison.
inline constexpr Message OpenPlanTitle = {"Open plan", "Plan öffnen"};
inline constexpr Message SavePlanTitle = {"Save plan as", "Plan speichern unter"};
inline constexpr Message ComparePlanTitle = {"Compare with plan", "Mit Plan vergleichen"};
// The file dialogs' filter; "%1" is the extension with its dot.
inline constexpr Message PlanFileFilter = {"Station plans (*%1)", "Stationspläne (*%1)"};

inline constexpr Message SaveReportTitle = {"Save report as PDF", "Bericht als PDF speichern"};
inline constexpr const char *PdfExtension = ".pdf";
// "%1" is the extension with its dot.
inline constexpr Message PdfFileFilter = {"PDF documents (*%1)", "PDF-Dokumente (*%1)"};
// "%1" is the printer or the file printed into.
inline constexpr Message ReportNotPrinted = {
    "The report could not be printed on \"%1\".",
    "Der Bericht konnte nicht auf \"%1\" gedruckt werden."};

// "%1" is the file, "%2" why it was refused.
inline constexpr Message PlanNotOpened = {"The plan \"%1\" could not be opened: %2",
                                          "Der Plan \"%1\" konnte nicht geöffnet werden: %2"};
inline constexpr Message PlanNotCompared = {
    "The plan \"%1\" could not be compared: %2",
    "Mit dem Plan \"%1\" konnte nicht verglichen werden: %2"};

// The comparison: "%1" is the file's name.
inline constexpr Message ComparedWith = {"This window compared with the plan \"%1\".",
                                         "Dieses Fenster verglichen mit dem Plan \"%1\"."};
inline constexpr Message CloseButton = {"Close", "Schließen"};
inline constexpr Message PlansIdentical = {"The plans are identical.", "Die Pläne sind gleich."};
inline constexpr Message InputsDiffer = {"Inputs that differ", "Abweichende Eingaben"};
inline constexpr std::array<Message, 4> ComparisonHeadings = {{
    {"Input or result", "Eingabe oder Ergebnis"},
    {"This window", "Dieses Fenster"},
    {"File", "Datei"},
    {"Difference (window − file)", "Differenz (Fenster − Datei)"},
}};

// Captions neither the language table nor the report has.
inline constexpr Message CompressionLevelCaption = {"Compression level", "Kompressionsstufe"};
// The page's fixed headings, the same in both languages.
inline constexpr std::array<const char *, 2> InTxCaptions = {"in TX1", "in TX2"};
inline constexpr const char *ByteUnit = "Bytes";

#pragma once

#include "estimators/StationPlan.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

// Stable lower-case identifiers of the plan's choices, as files and command
// lines write them. They never change with the language or the item texts.

template <typename Choice> struct PlanIds;

template <> struct PlanIds<StationPlan::Observer>
{
    using O = StationPlan::Observer;
    static constexpr std::array<std::pair<O, std::string_view>, ObserverIntervalCount> Table = {{
        {O::OnceADay, "once-a-day"},
        {O::OnceAWeek, "once-a-week"},
        {O::OnceAMonth, "once-a-month"},
        {O::Every2Months, "every-2-months"},
        {O::Every3Months, "every-3-months"},
        {O::Every6Months, "every-6-months"},
        {O::Every12Months, "every-12-months"},
    }};
};

template <> struct PlanIds<StationPlan::Network>
{
    using N = StationPlan::Network;
    static constexpr std::array<std::pair<N, std::string_view>, RadioNetworkCount> Table = {{
        {N::FourGTwoG, "4g-2g"},
        {N::CatM1, "cat-m1"},
    }};
};

template <> struct PlanIds<StationPlan::Format>
{
    using F = StationPlan::Format;
    static constexpr std::array<std::pair<F, std::string_view>, DataFormatCount> Table = {{
        {F::VeskQdx, "vesk-qdx"},
        {F::VeskMl, "vesk-ml"},
        {F::Csv, "csv"},
        {F::ZrxpV3, "zrxp-v3"},
        {F::CsvColumn, "csv-column"},
        {F::Zrxp, "zrxp"},
    }};
};

template <> struct PlanIds<StationPlan::Server>
{
    using S = StationPlan::Server;
    static constexpr std::array<std::pair<S, std::string_view>, ServerTypeCount> Table = {{
        {S::Http, "http"},
        {S::Ftp, "ftp"},
        {S::Https, "https"},
        {S::Mqtt, "mqtt"},
        {S::Mqtts, "mqtts"},
        {S::Ftps, "ftps"},
    }};
};

template <> struct PlanIds<StationPlan::SecondaryMode>
{
    using M = StationPlan::SecondaryMode;
    static constexpr std::array<std::pair<M, std::string_view>, SecondaryModeCount> Table = {{
        {M::None, "none"},
        {M::Backup, "backup"},
        {M::BothServers, "both-servers"},
    }};
};

// The identifier of a choice.
template <typename Choice> std::string_view IdOf(Choice choice)
{
    for (const auto &[value, id] : PlanIds<Choice>::Table) {
        if (value == choice)
            return id;
    }
    return {};
}

// The choice an identifier stands for; nothing for an unknown one.
template <typename Choice> std::optional<Choice> ChoiceOf(std::string_view id)
{
    for (const auto &[value, known] : PlanIds<Choice>::Table) {
        if (known == id)
            return value;
    }
    return std::nullopt;
}

#pragma once

#include "rename/number_and_date_steps.h"
#include "rename/replace_step.h"
#include "rename/text_steps.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavolin::rename {

// The steps that turn planned names into new planned names, one after the other.

// What a text step changes: the base name, the extension without its dot, or the whole name as
// one text, which is then split again into base and extension by the listing's rule.
enum class StepTarget { BaseName, Extension, Both };

struct WidthStep
{
    std::vector<WidthChange> changes; // the switches that are on, made in this order
};

struct InsertStep
{
    std::string text;
    int at = 0;
    CountFrom from = CountFrom::Start;
};

struct RemoveStep
{
    int at = 0;
    int count = 1;
    CountFrom from = CountFrom::Start;
};

struct TrimStep
{};

struct ShiftJisStep
{};

enum class DateSource { Modified, PhotoTaken };

struct DateStep
{
    DateSource source = DateSource::PhotoTaken;
    std::string pattern = "yyyyMMdd_HHmmss";
    Place place = Place::Head;
    std::string separator = "_";
};

using StepKind = std::variant<ReplaceRule,
                              LetterCase,
                              WidthStep,
                              Normalization,
                              InsertStep,
                              RemoveStep,
                              TrimStep,
                              NumberingRule,
                              DateStep,
                              ShiftJisStep>;

struct NameStep
{
    StepKind kind;
    StepTarget target = StepTarget::BaseName; // numbering and dates always go in the base name
    bool enabled = true;
};

struct PlannedName
{
    std::string baseName;
    std::string extension; // with its dot, or empty

    bool operator==(const PlannedName &) const = default;
};

struct StepsResult
{
    std::vector<PlannedName> names;
    // Rows that a text step left as they were because their name is not UTF-8.
    std::vector<std::size_t> notUtf8;
    // For each step, why it changed nothing: an invalid expression; empty where it worked.
    std::vector<std::string> stepFaults;
};

// The date of row `row`, as the step's source asks.
using RowDate = std::function<LocalTime(std::size_t row, DateSource source)>;

StepsResult applySteps(const std::vector<PlannedName> &names,
                       const std::vector<NameStep> &steps,
                       const RowDate &rowDate);

} // namespace tavolin::rename

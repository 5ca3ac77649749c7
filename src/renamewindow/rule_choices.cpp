#include "renamewindow/rule_choices.h"

#include <charconv>
#include <utility>

namespace tavolin::renamewindow::rules {

namespace {

template<std::size_t... Kinds>
rename::StepKind defaultOfKind(int kind, std::index_sequence<Kinds...>)
{
    rename::StepKind step;
    ((kind == static_cast<int>(Kinds) ? (void)step.emplace<Kinds>() : void()), ...);
    return step;
}

std::string quoted(std::string_view text)
{
    return "「" + std::string(text) + "」";
}

std::string settingsOf(const rename::StepKind &kind)
{
    using namespace rename;
    if (const auto *replace = std::get_if<ReplaceRule>(&kind))
        return quoted(replace->find) + "→" + quoted(replace->replacement);
    if (const auto *letterCase = std::get_if<LetterCase>(&kind))
        return std::string(kCases[static_cast<std::size_t>(*letterCase)]);
    if (const auto *width = std::get_if<WidthStep>(&kind)) {
        std::string changes;
        for (const WidthChange change : width->changes)
            changes += (changes.empty() ? "" : "、")
                       + std::string(kWidthChanges[static_cast<std::size_t>(change)]);
        return changes;
    }
    if (const auto *form = std::get_if<Normalization>(&kind))
        return std::string(kForms[static_cast<std::size_t>(*form)]);
    if (const auto *insert = std::get_if<InsertStep>(&kind))
        return quoted(insert->text);
    if (const auto *remove = std::get_if<RemoveStep>(&kind))
        return std::to_string(remove->count) + "文字";
    if (const auto *numbering = std::get_if<NumberingRule>(&kind))
        return std::to_string(numbering->start) + "から";
    if (const auto *date = std::get_if<DateStep>(&kind))
        return date->pattern;
    return {};
}

} // namespace

rename::StepKind newStep(int kind)
{
    return defaultOfKind(kind, std::make_index_sequence<std::variant_size_v<rename::StepKind>>());
}

std::string describeStep(const rename::NameStep &step)
{
    std::string text(kStepKinds[step.kind.index()]);
    if (const std::string settings = settingsOf(step.kind); !settings.empty())
        text += "：" + settings;
    const bool inBaseName = std::holds_alternative<rename::NumberingRule>(step.kind)
                            || std::holds_alternative<rename::DateStep>(step.kind);
    if (!inBaseName && step.target != rename::StepTarget::BaseName)
        text += "（" + std::string(kTargets[static_cast<std::size_t>(step.target)]) + "）";
    return text;
}

std::expected<long long, std::string>
readNumber(std::string_view text, long long least, long long most)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool wholeNumber = !text.empty() && end == text.data() + text.size();
    if (!wholeNumber || (error != std::errc() && error != std::errc::result_out_of_range))
        return std::unexpected("半角の数字で入力してください");
    if (error == std::errc::result_out_of_range || value < least || value > most)
        return std::unexpected(std::to_string(least) + "から" + std::to_string(most)
                               + "までの数で入力してください");
    return value;
}

} // namespace tavolin::renamewindow::rules

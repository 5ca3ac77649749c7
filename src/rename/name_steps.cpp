#include "rename/name_steps.h"

#include "listing/split_extension.h"

#include <utility>

namespace tavolin::rename {

namespace {

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};

// A text step made ready for every row: its change of one string, or nothing for a name that
// is not UTF-8.
using TextChange = std::function<std::optional<std::string>(const std::string &)>;

TextChange textChangeOf(const StepKind &kind, std::string &fault)
{
    return std::visit(Overloaded{
                              [&](const ReplaceRule &rule) -> TextChange {
                                  auto replacer = Replacer::make(rule);
                                  if (!replacer) {
                                      fault = replacer.error();
                                      return nullptr;
                                  }
                                  return [replacer = *replacer](const std::string &s) {
                                      return replacer.apply(s);
                                  };
                              },
                              [](LetterCase letterCase) -> TextChange {
                                  return [letterCase](const std::string &s) {
                                      return changeCase(s, letterCase);
                                  };
                              },
                              [](const WidthStep &step) -> TextChange {
                                  return [changes = step.changes](const std::string &s) {
                                      std::optional<std::string> changed = s;
                                      for (const WidthChange change : changes)
                                          if (changed)
                                              changed = changeWidth(*changed, change);
                                      return changed;
                                  };
                              },
                              [](Normalization form) -> TextChange {
                                  return [form](const std::string &s) {
                                      return normalize(s, form);
                                  };
                              },
                              [](const InsertStep &step) -> TextChange {
                                  return [step](const std::string &s) {
                                      return insertText(s, step.text, step.at, step.from);
                                  };
                              },
                              [](const RemoveStep &step) -> TextChange {
                                  return [step](const std::string &s) {
                                      return removeText(s, step.at, step.count, step.from);
                                  };
                              },
                              [](TrimStep) -> TextChange {
                                  return [](const std::string &s) {
                                      return trimSpaces(s);
                                  };
                              },
                              [](ShiftJisStep) -> TextChange {
                                  return [](const std::string &s) {
                                      return shiftJisNameToUtf8(s);
                                  };
                              },
                              [](const NumberingRule &) -> TextChange { return nullptr; },
                              [](const DateStep &) -> TextChange { return nullptr; },
                      },
                      kind);
}

// Changes one part of a row; false where the part is not UTF-8 and stays as it was.
bool changePart(std::string &part, const TextChange &change)
{
    if (part.empty())
        return true;
    std::optional<std::string> changed = change(part);
    if (!changed)
        return false;
    part = std::move(*changed);
    return true;
}

// The same for an extension: the step sees it without its dot, which stays.
bool changeExtension(std::string &extension, const TextChange &change)
{
    const bool dotted = extension.starts_with('.');
    std::string bare = extension.substr(dotted ? 1 : 0);
    if (!changePart(bare, change))
        return false;
    extension = (dotted ? "." : "") + bare;
    return true;
}

// The same for the whole name: the step sees base and extension as one text, and the result is
// split again by the listing's rule.
bool changeWholeName(PlannedName &name, const TextChange &change)
{
    std::string whole = name.baseName + name.extension;
    if (!changePart(whole, change))
        return false;
    listing::NameParts parts = listing::SplitExtension(whole);
    name = {std::move(parts.base), std::move(parts.extension)};
    return true;
}

} // namespace

StepsResult applySteps(const std::vector<PlannedName> &names,
                       const std::vector<NameStep> &steps,
                       const RowDate &rowDate)
{
    StepsResult result{names, {}, std::vector<std::string>(steps.size())};
    std::vector<bool> notUtf8(names.size(), false);
    const auto rows = static_cast<long long>(names.size());
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const NameStep &step = steps[s];
        if (!step.enabled)
            continue;
        if (const auto *numbering = std::get_if<NumberingRule>(&step.kind)) {
            for (std::size_t row = 0; row < names.size(); ++row)
                result.names[row].baseName = numberName(
                        result.names[row].baseName, *numbering, static_cast<long long>(row), rows);
            continue;
        }
        if (const auto *date = std::get_if<DateStep>(&step.kind)) {
            if (const auto checked = formatDate(date->pattern, {}); !checked) {
                result.stepFaults[s] = checked.error();
                continue;
            }
            for (std::size_t row = 0; row < names.size(); ++row) {
                std::string &base = result.names[row].baseName;
                base = placeText(base,
                                 *formatDate(date->pattern, rowDate(row, date->source)),
                                 date->place,
                                 date->separator);
            }
            continue;
        }
        const TextChange change = textChangeOf(step.kind, result.stepFaults[s]);
        if (!change)
            continue;
        for (std::size_t row = 0; row < names.size(); ++row) {
            PlannedName &name = result.names[row];
            bool readable = true;
            if (step.target == StepTarget::Both)
                readable = changeWholeName(name, change);
            else if (step.target == StepTarget::BaseName)
                readable = changePart(name.baseName, change);
            else
                readable = changeExtension(name.extension, change);
            if (!readable)
                notUtf8[row] = true;
        }
    }
    for (std::size_t row = 0; row < notUtf8.size(); ++row)
        if (notUtf8[row])
            result.notUtf8.push_back(row);
    return result;
}

} // namespace tavolin::rename

#pragma once

#include "controls/controls.h"
#include "rename/name_steps.h"

#include <array>
#include <expected>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

// What the rules window offers in its drop-down lists, in the order of the values they stand
// for, and how a step is described in its list.
namespace tavolin::renamewindow::rules {

// The kinds of step, in the order of rename::StepKind's alternatives.
inline constexpr std::array<std::string_view, 10> kStepKinds{"置換",
                                                             "大文字・小文字",
                                                             "全角・半角・かな",
                                                             "Unicode正規化",
                                                             "文字の挿入",
                                                             "文字の削除",
                                                             "前後の空白の除去",
                                                             "連番",
                                                             "日付",
                                                             "Shift_JISの名前をUTF-8に"};
// In the order of rename::StepTarget.
inline constexpr std::array<std::string_view, 3> kTargets{"名前", "拡張子", "名前と拡張子"};
// In the order of rename::LetterCase.
inline constexpr std::array<std::string_view, 4> kCases{
        "小文字", "大文字", "単語の先頭を大文字", "先頭の1文字だけ大文字"};
// In the order of rename::WidthChange.
inline constexpr std::array<std::string_view, 7> kWidthChanges{"全角英数記号→半角",
                                                               "半角英数記号→全角",
                                                               "半角カナ→全角",
                                                               "全角カナ→半角",
                                                               "全角スペース→半角",
                                                               "ひらがな→カタカナ",
                                                               "カタカナ→ひらがな"};
// In the order of rename::Normalization.
inline constexpr std::array<std::string_view, 2> kForms{"NFC（濁点を結合）", "NFD（濁点を分解）"};
// In the order of rename::CountFrom.
inline constexpr std::array<std::string_view, 2> kCountFrom{"先頭から", "末尾から"};
// In the order of rename::Place.
inline constexpr std::array<std::string_view, 3> kPlaces{"先頭", "末尾", "名前と置き換え"};
// In the order of rename::DateSource.
inline constexpr std::array<std::string_view, 2> kDateSources{"更新日時",
                                                              "撮影日時（なければ更新日時）"};

// A drop-down list of `items`.
template<std::size_t N>
controls::ComboBox choice(const std::array<std::string_view, N> &items, std::string toolTip)
{
    return controls::ComboBox({items.begin(), items.end()}, std::move(toolTip));
}

// One check box per caption.
template<std::size_t N>
std::array<controls::CheckBox, N> switches(const std::array<std::string_view, N> &captions)
{
    return [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::array<controls::CheckBox, N>{controls::CheckBox(std::string(captions[I]))...};
    }
    (std::make_index_sequence<N>());
}

// The index of `Kind` among rename::StepKind's alternatives, which is its place in kStepKinds.
template<typename Kind>
inline constexpr std::size_t kindIndex = []<std::size_t... I>(std::index_sequence<I...>)
{
    return ((std::is_same_v<Kind, std::variant_alternative_t<I, rename::StepKind>> ? I : 0) + ...);
}
(std::make_index_sequence<std::variant_size_v<rename::StepKind>>());

// A new step of kind `kind` (an index of kStepKinds) with its usual settings.
rename::StepKind newStep(int kind);

// The step's row in the steps list: its kind and what sets it apart.
std::string describeStep(const rename::NameStep &step);

// A whole number typed into a field; why not where it is none, or lies outside [least, most].
std::expected<long long, std::string>
readNumber(std::string_view text, long long least, long long most);

} // namespace tavolin::renamewindow::rules

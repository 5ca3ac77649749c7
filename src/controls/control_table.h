#pragma once

#include "controls/controls.h"
#include "controls/folder_lists.h"
#include "controls/list_box.h"

#include <string>
#include <variant>
#include <vector>

// A window's controls listed once: each control model by the name of the widget that shows it
// (an array's element as NAME_INDEX). The window's view binds its widgets from this table by
// their object names, and the tests act on the models by the same names.
namespace tavolin::controls {

using ControlRef = std::variant<Button *,
                                CheckBox *,
                                OptionButton *,
                                TextBox *,
                                Label *,
                                ComboBox *,
                                Frame *,
                                ListBox *,
                                DriveList *,
                                FolderList *,
                                FileList *>;

struct NamedControl
{
    std::string name;
    ControlRef control;
};

using ControlTable = std::vector<NamedControl>;

// One handler per kind of control, as one visitor of a ControlRef:
// std::visit(VisitByKind{[](Button *b) { ... }, [](auto *) { ... }}, ref).
template<typename... Handlers>
struct VisitByKind : Handlers...
{
    using Handlers::operator()...;
};

// The name of element `index` of the control array `name`.
inline std::string elementName(std::string_view name, std::size_t index)
{
    return std::string(name) + '_' + std::to_string(index);
}

// Adds each element of the control array `name` to `table`, by its element name.
template<typename Array>
void addElements(ControlTable &table, std::string_view name, Array &elements)
{
    for (std::size_t i = 0; i < std::size(elements); ++i)
        table.push_back({elementName(name, i), &elements[i]});
}

} // namespace tavolin::controls

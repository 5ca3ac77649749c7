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

// What a control is to its window beyond showing and taking input.
enum class ControlRole {
    Plain,
    StartsWork, // starts work or leaves the window: held disabled while long work runs
};

struct NamedControl
{
    std::string name;
    ControlRef control;
    ControlRole role = ControlRole::Plain;
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

// Adds each element of the control array `name` to `table`, by its element name, in `role`.
template<typename Array>
void addElements(ControlTable &table,
                 std::string_view name,
                 Array &elements,
                 ControlRole role = ControlRole::Plain)
{
    for (std::size_t i = 0; i < std::size(elements); ++i)
        table.push_back({elementName(name, i), &elements[i], role});
}

// The controls of `table` in `role`, in the table's order.
inline std::vector<Control *> controlsIn(const ControlTable &table, ControlRole role)
{
    std::vector<Control *> found;
    for (const NamedControl &entry : table) {
        if (entry.role == role)
            found.push_back(
                    std::visit([](auto *control) -> Control * { return control; }, entry.control));
    }
    return found;
}

} // namespace tavolin::controls

#include "controls/list_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace tavolin::controls {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Every notification of a list, with the row count and selected row the listener sees.
class Recorder
{
public:
    explicit Recorder(ListBox &list)
        : m_list(list)
    {
        const auto record = [this](const char *name) {
            return [this, name](auto... row) {
                note(name, row...);
            };
        };
        list.aboutToInsert.connect(record("aboutToInsert"));
        list.rowInserted.connect(record("rowInserted"));
        list.aboutToRemove.connect(record("aboutToRemove"));
        list.rowRemoved.connect(record("rowRemoved"));
        list.aboutToReset.connect(record("aboutToReset"));
        list.reset.connect(record("reset"));
        list.rowChanged.connect(record("rowChanged"));
        list.selectionChanged.connect(record("selectionChanged"));
        list.clicked.connect(record("clicked"));
    }

    std::vector<std::string> log;

private:
    template<typename... Row>
    void note(const char *name, Row... row)
    {
        std::string entry = name;
        ((entry += "(" + std::to_string(row) + ")"), ...);
        entry += " rows=" + std::to_string(m_list.count())
                 + " selected=" + std::to_string(m_list.selectedRow());
        log.push_back(entry);
    }

    ListBox &m_list;
};

struct Case
{
    const char *what;
    std::function<void(ListBox &)> change;
    std::vector<std::string> expected; // on rows a, b, c with row 1 selected
};

TEST(ListBox, AnnouncesEachChangeBeforeAndAfterThenTheSelectionThenTheClick)
{
    const Case cases[] = {
            {"insert above the selection",
             [](ListBox &l) { l.insert(0, "x"); },
             {"aboutToInsert(0) rows=3 selected=1",
              "rowInserted(0) rows=4 selected=1",
              "selectionChanged rows=4 selected=2"}},
            {"insert below the selection",
             [](ListBox &l) { l.add("x"); },
             {"aboutToInsert(3) rows=3 selected=1", "rowInserted(3) rows=4 selected=1"}},
            {"remove the selected row",
             [](ListBox &l) { l.remove(1); },
             {"aboutToRemove(1) rows=3 selected=1",
              "rowRemoved(1) rows=2 selected=1",
              "selectionChanged rows=2 selected=-1"}},
            {"remove above the selection",
             [](ListBox &l) { l.remove(0); },
             {"aboutToRemove(0) rows=3 selected=1",
              "rowRemoved(0) rows=2 selected=1",
              "selectionChanged rows=2 selected=0"}},
            {"assign",
             [](ListBox &l) { l.assign({"d"}); },
             {"aboutToReset rows=3 selected=1",
              "reset rows=1 selected=1",
              "selectionChanged rows=1 selected=-1"}},
            {"assign the same rows",
             [](ListBox &l) {
                 l.assign({"a", "b", "c"});
             },
             {"selectionChanged rows=3 selected=-1"}},
            {"replace every text",
             [](ListBox &l) {
                 l.replaceAll({"d", "e", "f"});
             },
             {"aboutToReset rows=3 selected=1", "reset rows=3 selected=1"}},
            {"replace every text by the same",
             [](ListBox &l) {
                 l.replaceAll({"a", "b", "c"});
             },
             {}},
            {"replace one text",
             [](ListBox &l) { l.replace(2, "z"); },
             {"rowChanged(2) rows=3 selected=1"}},
            {"replace one text by the same", [](ListBox &l) { l.replace(2, "c"); }, {}},
            {"select another row",
             [](ListBox &l) { l.setSelectedRow(2); },
             {"selectionChanged rows=3 selected=2", "clicked rows=3 selected=2"}},
            {"select the selected row", [](ListBox &l) { l.setSelectedRow(1); }, {}},
            {"select a row the list lacks",
             [](ListBox &l) { l.setSelectedRow(7); },
             {"selectionChanged rows=3 selected=-1"}},
            {"the user clicks the selected row",
             [](ListBox &l) { l.clickRow(1); },
             {"clicked rows=3 selected=1"}},
            {"clear",
             [](ListBox &l) { l.clear(); },
             {"aboutToReset rows=3 selected=1",
              "reset rows=0 selected=1",
              "selectionChanged rows=0 selected=-1"}},
    };
    for (const Case &c : cases) {
        ListBox list;
        list.assign({"a", "b", "c"});
        list.setSelectedRow(1);
        Recorder recorder(list);
        c.change(list);
        EXPECT_THAT(recorder.log, ElementsAreArray(c.expected)) << c.what;
    }
}

TEST(ListBox, AClickHandlerThatMovesAnotherListRunsNestedBeforeTheClickReturns)
{
    ListBox first, second;
    first.assign({"a", "b"});
    second.assign({"a", "b"});
    std::vector<std::string> order;
    first.clicked.connect([&] {
        order.push_back("first clicked");
        second.setSelectedRow(first.selectedRow());
        order.push_back("first done");
    });
    second.clicked.connect([&] {
        order.push_back("second clicked");
        first.setSelectedRow(second.selectedRow()); // already there: nothing
    });
    first.clickRow(1);
    EXPECT_THAT(order, ElementsAre("first clicked", "second clicked", "first done"));
}

} // namespace
} // namespace tavolin::controls

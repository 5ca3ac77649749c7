#include "controls/list_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace tavolin::controls;

// Every notification on rows a, b, c with row 1 selected, as "<code><row>:<its text> <rows>/
// <selected>": i and I before and after an insert, r and R a removal, z and Z a reset, c a
// changed row, s a changed selection, k a click, m changed marks.
TEST(ListBox, AnnouncesEachChangeBeforeAndAfterThenTheSelectionThenTheClick)
{
    const std::vector<std::string> abc = {"a", "b", "c"}, def = {"d", "e", "f"};
    const std::map<int, std::string> why{{1, "why"}}, how{{2, "how"}};
    const std::pair<std::function<void(ListBox &)>, const char *> cases[] = {
            {[](ListBox &l) { l.insert(0, "x"); }, "i0:a 3/1 I0:x 4/1 s 4/2 "},
            {[](ListBox &l) { l.insert(1, "x"); }, "i1:b 3/1 I1:x 4/1 s 4/2 "},
            {[](ListBox &l) { l.insert(9, "x"); }, "i3: 3/1 I3:x 4/1 "},
            {[](ListBox &l) { l.insert(-1, "x"); }, "i3: 3/1 I3:x 4/1 "},
            {[](ListBox &l) { l.remove(1); }, "r1:b 3/1 R1:c 2/1 s 2/-1 "},
            {[](ListBox &l) { l.remove(0); }, "r0:a 3/1 R0:b 2/1 s 2/0 "},
            {[](ListBox &l) { l.remove(2); }, "r2:c 3/1 R2: 2/1 "},
            {[](ListBox &l) { l.remove(3); }, ""},
            {[](ListBox &l) { l.remove(-1); }, ""},
            {[](ListBox &l) { l.assign({"d"}); }, "z 3/1 Z 1/1 s 1/-1 "},
            {[&](ListBox &l) { l.assign(abc); }, "s 3/-1 "},
            {[](ListBox &l) { l.clear(); }, "z 3/1 Z 0/1 s 0/-1 "},
            {[&](ListBox &l) { l.replaceAll(def); }, "z 3/1 Z 3/1 "},
            {[&](ListBox &l) { l.replaceAll(abc); }, ""},
            {[](ListBox &l) { l.replaceAll({"a"}); }, "z 3/1 Z 1/1 s 1/-1 "},
            {[](ListBox &l) { l.replace(2, "z"); }, "c2:z 3/1 "},
            {[](ListBox &l) { l.replace(1, "b"); }, ""},
            {[](ListBox &l) { l.replace(3, "y"); }, ""},
            {[](ListBox &l) { l.setSelectedRow(2); }, "s 3/2 k 3/2 "},
            {[](ListBox &l) { l.setSelectedRow(1); }, ""},
            {[](ListBox &l) { l.setSelectedRow(3); }, "s 3/-1 "},
            {[](ListBox &l) { l.clickRow(1); }, "k 3/1 "},
            {[](ListBox &l) { l.clickRow(3); }, ""},
            {[](ListBox &l) { l.clickRow(0); }, "s 3/0 k 3/0 "},
            {[&](ListBox &l) { l.setMarks(why); }, "m 3/1 "},
            {[](ListBox &l) { l.setMarks({}); }, ""},
            {[](ListBox &l) { l.setChangedRows(std::vector(2, true)); }, "m 3/1 "},
            {[](ListBox &l) { l.setChangedRows({}); }, ""},
            {[&](ListBox &l) { l.setNotes(how); }, "m 3/1 "},
            {[](ListBox &l) { l.setNotes({}); }, ""},
    };
    for (const auto &[change, expected] : cases) {
        ListBox list;
        list.assign(abc);
        list.setSelectedRow(1);
        std::string log;
        const auto on = [&](auto &signal, char code) {
            signal.connect([&list, &log, code](auto... row) {
                log += code;
                ((log += std::to_string(row) + ":" + list.text(row)), ...);
                log += " " + std::to_string(list.count()) + "/" + std::to_string(list.selectedRow())
                       + " ";
            });
        };
        on(list.aboutToInsert, 'i');
        on(list.rowInserted, 'I');
        on(list.aboutToRemove, 'r');
        on(list.rowRemoved, 'R');
        on(list.aboutToReset, 'z');
        on(list.reset, 'Z');
        on(list.rowChanged, 'c');
        on(list.selectionChanged, 's');
        on(list.clicked, 'k');
        on(list.marksChanged, 'm');
        change(list);
        EXPECT_EQ(log, expected) << list.selectedText();
    }
}

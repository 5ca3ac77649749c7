#pragma once

#include "rename/apply_renames.h"

#include <functional>
#include <utility>

namespace tavolin::test {

// Watches a batch: `onRow(row)` runs as the step of each row begins.
class RowObserver final : public rename::BatchObserver
{
public:
    explicit RowObserver(std::function<void(int row)> onRow)
        : m_onRow(std::move(onRow))
    {}
    void rowStarted(int row) override { m_onRow(row); }

private:
    std::function<void(int row)> m_onRow;
};

} // namespace tavolin::test

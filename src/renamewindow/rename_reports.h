#pragma once

#include "rename/apply_renames.h"
#include "rename/batch_recovery.h"

#include <map>
#include <string>
#include <vector>

namespace tavolin::renamewindow {

// Why a row cannot be renamed, in the words the rename window shows beside the row.
std::string describeRowProblem(const rename::RowProblem &problem);

// The marks of the rows that cannot be renamed, each with why, as the columns show them.
std::map<int, std::string> rowProblemMarks(const std::vector<rename::RowProblem> &problems);

// The message for a batch that was not started: the first twenty rows that cannot be renamed,
// each with its number (from 1), planned name and why, then how many more there are.
std::string renameProblemsReport(const std::vector<rename::RowProblem> &problems);

// The message for a batch that stopped: which rename was refused and why, and how many files
// had been renamed by then.
std::string refusedRenameReport(const rename::RenameOutcome &outcome);

// The message for a batch the user stopped: how many files were renamed before it stopped.
std::string stoppedRenameReport(int renamed);

// The message for a batch that ran, but whose journal could not be marked as ended.
std::string unclosedJournalReport(const rename::RenameOutcome &outcome);

// The message after a batch was taken back, or why it was not: each file that keeps it from
// being taken back (or, where the others were taken back, each file left as it is) by its name
// now and the name it was to get back.
std::string undoReport(const rename::RenameOutcome &outcome);

// The message after a batch that was cut off was finished or taken back (`undo`: the batch was
// 元に戻す's): how many files moved, and for the first ten that could not, the name each has now
// and the one it should have, with how many in all and the folder.
std::string settleReport(const rename::BatchJournal &journal,
                         const rename::RenameOutcome &outcome,
                         rename::Toward toward,
                         bool undo);

} // namespace tavolin::renamewindow

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/edit_buffer.h"
#include "text/messages.h"

#include <QDate>
#include <functional>

class FileStore;
class MessageBoxes;
struct ArchiveUpdateResult;

// How a write asked for in the window ended.
enum class WriteOutcome {
    Written, // the archive on disk is the new one
    Kept,    // nothing written: the user said no, or the box said why; the screen stays
    Stale,   // nothing written: the archive changed on disk since it was loaded
};

// The field a draw broken by the rules sends the user back to.
enum class RuleField { None, Numbers, Date, Weekday };

// A typed draw on its way to the data files: the rules, the question that names it, the write under
// the archive's lock, and what the write said. The same write path takes the last draw back.
class SaveDraw {
public:
    struct Needs {
        MessageBoxes* messages = nullptr;
        std::function<FileStore&()> dataFiles;
        std::function<QDate()> today;
        // Ends the program at once, after a failure while the files were being replaced.
        std::function<void(int)> endProgram;
    };
    explicit SaveDraw(Needs needs) : needs_(std::move(needs)) {}

    // The rules every stored draw keeps, each broken one in its own box; missing numbers only warn,
    // and the draw goes on when the user says so. None: the draw may be saved.
    [[nodiscard]] RuleField refusedByTheRules(const Archive& archive, int d, const EditBuffer& draw);
    // After a question naming it, draw d written into the full archive and its sub-archive.
    [[nodiscard]] WriteOutcome save(const Archive& archive, int d, const EditBuffer& draw, bool newDraw);
    // The Delete key in the archive view: only the last draw goes, after a question naming it.
    [[nodiscard]] WriteOutcome deleteLast(const Archive& archive, int currentDraw);

private:
    MsgAnswer showMessage(const MessageRequest& request);
    WriteOutcome writtenReporting(const ArchiveUpdateResult& saved);

    Needs needs_;
};

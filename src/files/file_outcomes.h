// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outcome/outcome.h"

#include <QString>

#include <functional>

// What the writers of a user's file report.

// How a file was written.
struct FileWritten {
    enum How {
        Replaced,         // a new file renamed over the old one
        RewrittenInPlace, // the old file overwritten, where a rename cannot replace it
        Unchanged,        // the new bytes were the old ones: nothing was written
    };
    How how = Replaced;
    QString in_place_because; // RewrittenInPlace: "is a mount point", "has 3 hard links"
    QString backup;           // the name of the backup written, if one was
};

// Why a file was not written, and which file the reason is about (a backup's, perhaps).
struct FileProblem {
    enum Kind {
        NotRead,    // the old file could not be read, or is not a regular file
        Refused,    // the edit refused the old text
        InUse,      // another program held the lock for longer than the wait allowed
        Cancelled,  // the operator stopped waiting for the lock
        NotWritten, // writing failed; the file is as it was unless the reason says otherwise
    };
    Kind kind = NotWritten;
    QString file;
    QString reason;
};

using FileWrite = Outcome<FileWritten, FileProblem>;

// How long a writer waits for another program that holds the file's lock. Writers of one file
// (this program's, in any process) take the lock one after another.
struct LockWait {
    // Gives up after this many seconds; 0 does not wait, a negative value waits until
    // `pause` says to stop.
    int seconds = 30;
    // Called once, when the lock has been held for a second, to tell the operator.
    std::function<void()> waiting;
    // Called between tries while waiting; returns false to give up. Without one, the writer
    // sleeps a tenth of a second.
    std::function<bool()> pause;
};

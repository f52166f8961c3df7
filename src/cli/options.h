// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_text.h"
#include "ramps/presets.h"

#include <QString>
#include <QStringList>

// What one run of quillmark-cli does, with the window's start values as defaults.
struct CliOptions {
    enum class Mode { Write, Merge, Check };
    Mode mode = Mode::Write;
    GameIniChoices choices;
    QString custom_code_file; // read when the text is made; empty for none
    QString output_file;      // Write: empty for standard output
    QString target_file;      // Check: the existing Game.ini
    QStringList merge_files;  // Merge: the existing Game.ini files, each merged on its own
    bool diff_only = false;   // Merge: print what would change, write nothing
    int lock_wait = 30;       // seconds to wait for another program that holds a file's lock
};

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    CliOptions options;
    QString refusal; // Refuse: one line naming the option and what it allows
};

// `arguments` begins with the program name, as QCoreApplication::arguments() gives them.
CommandLine parse_command_line(const QStringList &arguments);

QString help_text();

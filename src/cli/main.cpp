// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"
#include "cli/run.h"
#include "files/file_names.h"
#include "files/replace_file.h"
#include "files/temporary_files.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    remove_temporary_files_when_interrupted();
    QFile err;
    // Unbuffered: a message such as the wait for a lock shows while the wait lasts.
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);

    // File names are taken as the bytes given, UTF-8 or not.
#ifdef Q_OS_UNIX
    const CommandLine command = parse_command_line(arguments_as_given(argc, argv));
#else
    const CommandLine command = parse_command_line(app.arguments());
#endif
    switch (command.action) {
    case CommandLine::Action::Help:
        return write_standard_output(help_text().toUtf8()) ? 0 : 1;
    case CommandLine::Action::Version:
        return write_standard_output("quillmark-cli " QUILLMARK_VERSION "\n") ? 0 : 1;
    case CommandLine::Action::Refuse:
        err.write(encode_name("quillmark-cli: " + command.refusal + '\n'));
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return run(command.options, err);
}

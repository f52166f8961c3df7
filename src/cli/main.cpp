// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"
#include "cli/run.h"
#include "files/user_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile err;
    err.open(stderr, QIODevice::WriteOnly);

    const CommandLine command = parse_command_line(app.arguments());
    switch (command.action) {
    case CommandLine::Action::Help:
        return write_standard_output(help_text().toLocal8Bit()) ? 1 : 0;
    case CommandLine::Action::Version:
        return write_standard_output("quillmark-cli " QUILLMARK_VERSION "\n") ? 1 : 0;
    case CommandLine::Action::Refuse:
        err.write(("quillmark-cli: " + command.refusal + '\n').toLocal8Bit());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return run(command.options, err);
}

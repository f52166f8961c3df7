// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"
#include "cli/run.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);

    const CommandLine command = parse_command_line(app.arguments());
    switch (command.action) {
    case CommandLine::Action::Help:
        out.write(help_text().toLocal8Bit());
        return 0;
    case CommandLine::Action::Version:
        out.write("quillmark-cli " QUILLMARK_VERSION "\n");
        return 0;
    case CommandLine::Action::Refuse:
        err.write(("quillmark-cli: " + command.refusal + '\n').toLocal8Bit());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return run(command.options, out, err);
}

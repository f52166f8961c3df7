// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The manual page and the bash completion of quillmark-cli against the program itself: the
// options and styles are read from the program's output, so the three cannot drift apart.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        qFatal("%s did not finish", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// The option table of --help: lines such as "  -h, --help" and "  --player STYLE ...".
QSet<QString> help_options()
{
    static const QRegularExpression option_line(QStringLiteral("^  (-[^ ,]+)(?:, (-[^ ]+))?"),
                                                QRegularExpression::MultilineOption);
    QSet<QString> options;
    auto lines = option_line.globalMatch(run(QStringLiteral(QUILLMARK_CLI), {"--help"}));
    while (lines.hasNext()) {
        const QRegularExpressionMatch line = lines.next();
        options << line.captured(1);
        if (!line.captured(2).isEmpty())
            options << line.captured(2);
    }
    return options;
}

// The man page's text with its font changes removed and "\-" read as a dash.
QString man_page_text()
{
    QFile file(QStringLiteral(QUILLMARK_CLI_MAN_PAGE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", QUILLMARK_CLI_MAN_PAGE);
    return QString::fromUtf8(file.readAll())
        .remove(QRegularExpression(QStringLiteral(R"(\\f[BIRP])")))
        .replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

QSet<QString> options_in(const QString &text)
{
    static const QRegularExpression option(QStringLiteral(R"((?:^|[^\w-])(--?[a-z][a-z-]*))"));
    QSet<QString> options;
    auto found = option.globalMatch(text);
    while (found.hasNext())
        options << found.next().captured(1);
    return options;
}

// The styles an option accepts, from the program's refusal of one it does not know.
QStringList allowed_styles(const QString &option)
{
    const QString refusal =
        run(QStringLiteral(QUILLMARK_CLI), {option, QStringLiteral("no-such-style")});
    const int allowed = refusal.indexOf(QStringLiteral("allowed: "));
    if (allowed < 0)
        qFatal("%s refused no style: %s", qPrintable(option), qPrintable(refusal));
    return refusal.mid(allowed + 9).trimmed().split(QStringLiteral(", "));
}

// What the completion offers for the command line `words`, the last word being completed.
QStringList completions(const QStringList &words, const QString &folder = {})
{
    QString script =
        QStringLiteral("source '%1'; COMP_WORDS=('%2'")
            .arg(QStringLiteral(QUILLMARK_CLI_COMPLETION), QStringLiteral(QUILLMARK_CLI));
    for (const QString &word : words)
        script += QStringLiteral(" '%1'").arg(word);
    script += QStringLiteral("); COMP_CWORD=%1; _quillmark_cli; "
                             "printf '%s\\n' \"${COMPREPLY[@]}\"")
                  .arg(words.size());
    QStringList offered = run(QStringLiteral("bash"), {QStringLiteral("-c"), script}, folder)
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    offered.sort();
    return offered;
}

QString sorted(const QSet<QString> &options)
{
    QStringList list = options.values();
    list.sort();
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestCliDocs : public QObject
{
    Q_OBJECT

private slots:
    void man_page_documents_every_option()
    {
        const QString man_page = man_page_text();
        // An item of the option list starts with the line after ".TP".
        QSet<QString> documented;
        static const QRegularExpression item(QStringLiteral(R"(^\.TP\n(.*)$)"),
                                             QRegularExpression::MultilineOption);
        auto items = item.globalMatch(man_page);
        while (items.hasNext())
            documented += options_in(items.next().captured(1));

        const QSet<QString> listed = help_options();
        QVERIFY(listed.contains(QStringLiteral("--player")));
        QCOMPARE(sorted(listed - documented), QString());           // missing in the man page
        QCOMPARE(sorted(options_in(man_page) - listed), QString()); // not in --help
    }

    // Styles after a style option (bash splits "--player=ex" at the equals sign), options after
    // a choice, files after -o, nothing after a number.
    void completion_offers_what_the_program_takes()
    {
        QTemporaryDir folder;
        for (const char *name : {"Game.ini", "GameUserSettings.ini", "notes.txt"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        const auto starting = [](QStringList candidates, const QString &start) {
            candidates = candidates.filter(QRegularExpression('^' + start));
            candidates.sort();
            return candidates;
        };
        QCOMPARE(completions({"--player", "=", "ex"}), starting(allowed_styles("--player"), "ex"));
        QCOMPARE(completions({"--creature", "p"}), starting(allowed_styles("--creature"), "p"));
        QCOMPARE(completions({"--no-header", "--pl"}), starting(help_options().values(), "--pl"));
        QCOMPARE(completions({"-o", ""}, folder.path()),
                 QDir(folder.path()).entryList(QDir::Files));
        QCOMPARE(completions({"--player-levels", ""}), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCliDocs)
#include "tst_cli_docs.moc"

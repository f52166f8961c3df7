// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quillmark-cli against real file-system faults: a full disk, devices, FIFOs, links, a
// stranger's file, a file too large to read and merges that run at the same time.

#include "file_faults.h"
#include "gameini/game_ini_merge.h"
#include "output/game_ini_text.h"

#include <QtTest>

#include <memory>

#include <sys/file.h>

namespace {

// What --merge-into with --player-levels makes of kOldText.
QByteArray merged(int player_levels = 115)
{
    GameIniChoices choices;
    choices.player_levels = player_levels;
    return merge_level_progression(kOldText, choices).text;
}

} // namespace

class TestCliFiles : public QObject
{
    Q_OBJECT

private slots:
    void failures_leave_the_old_file_data()
    {
        QTest::addColumn<Fixture>("fixture");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        const auto row = [](const char *name, Fixture fixture, const char *arguments, int status,
                            const char *message) {
            QTest::newRow(name) << fixture << QString(arguments) << status << QString(message);
        };
        const char *no_space = "No space left on device";
        row("-o, full disk", Fixture::FullDisk, "-o Game.ini", 1, no_space);
        row("merge, full disk", Fixture::FullDisk, "--merge-into Game.ini", 1,
            "cannot write Game.ini.bak: No space left on device");
        row("merge, read-only disk", Fixture::ReadOnlyDisk, "--merge-into Game.ini", 1,
            "cannot write Game.ini: Read-only file system");
        row("-o, device", Fixture::Device, "-o Game.ini", 1,
            "cannot write Game.ini: it is a device, not a regular file");
        row("merge, device", Fixture::Device, "--merge-into Game.ini", 2,
            "--merge-into: cannot read Game.ini: it is a device, not a regular file");
        row("-o, FIFO", Fixture::Fifo, "-o Game.ini", 1, "it is a FIFO, not a regular file");
        row("merge, FIFO", Fixture::Fifo, "--merge-into Game.ini", 2, "it is a FIFO");
        row("-o, folder", Fixture::Folder, "-o Game.ini", 1, "it is a folder");
        row("check, 2.2 GB", Fixture::Sparse, "--check Game.ini", 2,
            "cannot read Game.ini: the file is larger than 64 MiB");
        row("custom code, 2.2 GB", Fixture::Sparse, "--custom-code Game.ini -o out.ini", 2,
            "--custom-code: cannot read Game.ini: the file is larger than 1 MiB");
    }

    // Each failure says why in one line and leaves the file, its backup and the folder as they
    // were: no temporary file, no backup beside a device.
    void failures_leave_the_old_file()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        TestFolder folder;
        PREPARE_OR_SKIP(folder, fixture, QStringLiteral("Game.ini"));
        const QString name = folder.file(QStringLiteral("Game.ini"));
        const QString backup = name + QStringLiteral(".bak");
        const FileState before = state_of(name);
        const QByteArray old_text =
            S_ISREG(before.mode) && before.size < 1000 ? contents(name) : QByteArray();
        const QByteArray old_backup = contents(backup);
        const QStringList names = names_in(folder.path());

        const CliOutcome outcome = run_cli(arguments, folder.path());
        QVERIFY2(outcome.err.startsWith("quillmark-cli: ") &&
                     outcome.err.contains(message.toUtf8()) && outcome.err.count('\n') == 1,
                 outcome.err.constData());
        QCOMPARE(outcome.status, status);
        const FileState after = state_of(name);
        QVERIFY(after == before && after.inode == before.inode);
        if (!old_text.isEmpty())
            QCOMPARE(contents(name), old_text);
        QCOMPARE(contents(backup), old_backup);
        QCOMPARE(names_in(folder.path()), names);
    }

    void standard_output_on_a_full_disk()
    {
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::FullDisk, QStringLiteral("Game.ini"));
        const CliOutcome outcome =
            run_cli(QString(), folder.path(), folder.file(QStringLiteral("Game.ini")));
        QCOMPARE(outcome.err,
                 QByteArray("quillmark-cli: cannot write standard output: No space left on "
                            "device\n"));
        QCOMPARE(outcome.status, 1);
    }

    // A root run keeps a server's 0640 nobody:nogroup file as it was, and its backup is no
    // more readable than the file. -o replaces the file the same way, without the backup.
    void owner_group_and_mode_are_kept()
    {
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::NobodysFile, QStringLiteral("Game.ini"));
        const QString name = folder.file(QStringLiteral("Game.ini"));
        FileState kept = state_of(name);

        QCOMPARE(run_cli(QStringLiteral("--merge-into Game.ini"), folder.path()).status, 0);
        QCOMPARE(contents(name), merged());
        QCOMPARE(contents(name + QStringLiteral(".bak")), kOldText);
        QVERIFY(state_of(name + QStringLiteral(".bak")) == kept);
        kept.size = merged().size();
        QVERIFY(state_of(name) == kept);
        QCOMPARE(names_in(folder.path()), (QStringList{"Game.ini", "Game.ini.bak"}));
    }

    // A new file gets 0666 under the umask, whatever the temporary file was made with.
    void new_file_follows_the_umask()
    {
        TestFolder folder;
        const mode_t umask = ::umask(027);
        const int status = run_cli(QStringLiteral("-o ./-x"), folder.path()).status;
        ::umask(umask);
        QCOMPARE(status, 0);
        QCOMPARE(state_of(folder.file(QStringLiteral("-x"))).mode, mode_t(S_IFREG | 0640));
        QCOMPARE(names_in(folder.path()), QStringList{"-x"});
    }

    // -o through a link replaces the file it leads to; a link planted at the backup's name is
    // replaced, never followed.
    void links_are_kept_or_replaced()
    {
        TestFolder folder;
        QVERIFY(put(folder.file(QStringLiteral("real.ini")), kOldText));
        QVERIFY(QFile::link(QStringLiteral("real.ini"), folder.file(QStringLiteral("link.ini"))));
        QCOMPARE(run_cli(QStringLiteral("-o link.ini"), folder.path()).status, 0);
        QVERIFY(QFileInfo(folder.file(QStringLiteral("link.ini"))).isSymLink());
        QCOMPARE(contents(folder.file(QStringLiteral("real.ini"))),
                 game_ini_text(GameIniChoices{}).bytes);

        QVERIFY(put(folder.file(QStringLiteral("Game.ini")), kOldText));
        QVERIFY(put(folder.file(QStringLiteral("precious")), "root's secrets"));
        QVERIFY(QFile::link(folder.file(QStringLiteral("precious")),
                            folder.file(QStringLiteral("Game.ini.bak"))));
        QCOMPARE(run_cli(QStringLiteral("--merge-into Game.ini"), folder.path()).status, 0);
        QCOMPARE(contents(folder.file(QStringLiteral("precious"))), QByteArray("root's secrets"));
        QVERIFY(!QFileInfo(folder.file(QStringLiteral("Game.ini.bak"))).isSymLink());
        QCOMPARE(contents(folder.file(QStringLiteral("Game.ini.bak"))), kOldText);
        QCOMPARE(names_in(folder.path()),
                 (QStringList{"Game.ini", "Game.ini.bak", "link.ini", "precious", "real.ini"}));
    }

    // Twenty merges at once, each with a level count of its own, run one after another: the
    // file holds the last one's merge of the old lines, and the backup the merge before it.
    void concurrent_merges_run_one_after_another()
    {
        TestFolder folder;
        QVERIFY(put(folder.file(QStringLiteral("Game.ini")), kOldText));
        // Held by an editor of the file until every merge has started, so they queue up.
        QFile editor(folder.file(QStringLiteral("Game.ini")));
        QVERIFY(editor.open(QIODevice::ReadOnly) && ::flock(editor.handle(), LOCK_EX) == 0);
        std::vector<std::unique_ptr<QProcess>> merges;
        QList<QByteArray> results;
        for (int levels = 10; levels < 30; ++levels) {
            results << merged(levels);
            merges.push_back(std::make_unique<QProcess>());
            merges.back()->setWorkingDirectory(folder.path());
            merges.back()->start(QStringLiteral(QUILLMARK_CLI),
                                 {QStringLiteral("--player-levels"), QString::number(levels),
                                  QStringLiteral("--merge-into"), QStringLiteral("Game.ini")});
        }
        for (const auto &merge : merges)
            QVERIFY(merge->waitForStarted());
        editor.close();
        for (const auto &merge : merges) {
            QVERIFY(merge->waitForFinished(60000));
            QCOMPARE(merge->exitCode(), 0);
        }
        const int last = results.indexOf(contents(folder.file(QStringLiteral("Game.ini"))));
        const int before_last =
            results.indexOf(contents(folder.file(QStringLiteral("Game.ini.bak"))));
        QVERIFY(last >= 0);
        QVERIFY(before_last >= 0 && before_last != last);
        QCOMPARE(names_in(folder.path()), (QStringList{"Game.ini", "Game.ini.bak"}));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"

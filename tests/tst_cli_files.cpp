// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quillmark-cli against real file-system faults: a full disk, devices, FIFOs, links, mounts, a
// stranger's file, a file too large to read, failing system calls, signals, held locks and
// writers that run at the same time.

#include "file_faults.h"
#include "files/file_names.h"
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"
#include "gameini/merge_account.h"
#include "output/game_ini_text.h"

#include <QtTest>

#include <csignal>
#include <memory>

namespace {

// What --merge-into with --player-levels makes of `old`.
QByteArray merged(int player_levels = 115, const QByteArray &old = kOldText)
{
    GameIniChoices choices;
    choices.player_levels = player_levels;
    return merge_level_progression(old, choices).text;
}

QByteArray generated(int player_levels = 115)
{
    GameIniChoices choices;
    choices.player_levels = player_levels;
    return game_ini_text(choices).bytes;
}

// ASCII text as UTF-16 LE, without a byte-order mark.
QByteArray utf16le(const QByteArray &ascii)
{
    QByteArray units;
    for (const char c : ascii)
        units += QByteArray(1, c) + '\0';
    return units;
}

// A shell word that printf turns into `bytes`, whatever they are.
QString printf_word(const QByteArray &bytes)
{
    QString escaped;
    for (const char byte : bytes)
        escaped += QStringLiteral("\\%1").arg(int(quint8(byte)), 3, 8, QLatin1Char('0'));
    return QStringLiteral("\"$(printf '%1')\"").arg(escaped);
}

// Game.ini in `folder` holds `text`, Game.ini.bak holds `backup`, and no other name is there
// but `names`: no temporary file is left.
void check_left(const TestFolder &folder, const QByteArray &text, const QByteArray &backup,
                const QStringList &names = {"Game.ini", "Game.ini.bak"})
{
    QCOMPARE(contents(folder.file("Game.ini")), text);
    QCOMPARE(contents(folder.file("Game.ini.bak")), backup);
    QCOMPARE(names_in(folder.path()), names);
}

} // namespace

class TestCliFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
#ifdef QUILLMARK_PORTABLE_FILES
        QSKIP("these faults are met by the POSIX file code (flock, owners, mounts, links, "
              "attributes, signals); the Qt-only file code leaves them to the system");
#endif
    }

    void failures_leave_the_old_file_data()
    {
        QTest::addColumn<Fixture>("fixture");
        QTest::addColumn<QString>("fault"); // what run_cli makes go wrong
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // empty: the program is stopped before it says one

        const auto row = [](const char *name, Fixture fixture, const char *arguments, int status,
                            const char *message, const char *fault = "") {
            QTest::newRow(name) << fixture << QString(fault) << QString(arguments) << status
                                << QString(message);
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
        // The merge writes the old text's temporary file, then the new text's, renames the new
        // one over the file and then the old one over the backup: any failure before that
        // rename keeps the older backup.
        row("merge, new text on a full disk", Fixture::AlmostFullDisk, "--merge-into Game.ini", 1,
            "cannot write Game.ini: No space left on device");
        row("merge, new text not synced", Fixture::BackedUp, "--merge-into Game.ini", 1,
            "cannot write Game.ini: Input/output error", "fsync:2:EIO");
        row("merge, new text not renamed", Fixture::BackedUp, "--merge-into Game.ini", 1,
            "cannot write Game.ini: Operation not permitted", "rename:1:EPERM");
        // Stopped by a signal with both temporary files made, it removes them as it ends.
        row("merge, terminated", Fixture::BackedUp, "--merge-into Game.ini", 128 + SIGTERM, "",
            "fsync:2:SIGTERM");
        row("-o, past the file-size limit", Fixture::Regular, "-o Game.ini", 1,
            "cannot write Game.ini: File too large", "ulimit -f 1");
    }

    // Each failure says why in one line and leaves the file, its backup and the folder as they
    // were: no temporary file, no backup beside a device.
    void failures_leave_the_old_file()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QString, fault);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        TestFolder folder;
        PREPARE_OR_SKIP(folder, fixture, "Game.ini");
        const QString name = folder.file("Game.ini");
        const QString backup = name + ".bak";
        const FileState before = state_of(name);
        const QByteArray old_text =
            S_ISREG(before.mode) && before.size < 1000 ? contents(name) : QByteArray();
        const QByteArray old_backup = contents(backup);
        const QStringList names = names_in(folder.path());

        const CliOutcome outcome = run_cli(arguments, folder.path(), QString(), fault);
        QVERIFY2(message.isEmpty()
                     ? outcome.err.isEmpty()
                     : outcome.err.startsWith("quillmark-cli: ") &&
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
        PREPARE_OR_SKIP(folder, Fixture::FullDisk, "Game.ini");
        const CliOutcome outcome = run_cli(QString(), folder.path(), folder.file("Game.ini"));
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
        PREPARE_OR_SKIP(folder, Fixture::NobodysFile, "Game.ini");
        const QString name = folder.file("Game.ini");
        FileState kept = state_of(name);

        QCOMPARE(run_cli("--merge-into Game.ini", folder.path()).status, 0);
        QVERIFY(state_of(name + ".bak") == kept);
        kept.size = merged().size();
        QVERIFY(state_of(name) == kept);
        check_left(folder, merged(), kOldText);
    }

    // A new file gets 0666 under the umask, whatever the temporary file was made with.
    void new_file_follows_the_umask()
    {
        TestFolder folder;
        const mode_t umask = ::umask(027);
        const int status = run_cli("-o ./-x", folder.path()).status;
        ::umask(umask);
        QCOMPARE(status, 0);
        QCOMPARE(state_of(folder.file("-x")).mode, mode_t(S_IFREG | 0640));
        QCOMPARE(names_in(folder.path()), QStringList{"-x"});
    }

    // -o through a link replaces the file it leads to; a link planted at the backup's name is
    // replaced, never followed.
    void links_are_kept_or_replaced()
    {
        TestFolder folder;
        QVERIFY(put(folder.file("real.ini"), kOldText));
        QVERIFY(QFile::link(QStringLiteral("real.ini"), folder.file("link.ini")));
        QCOMPARE(run_cli("-o link.ini", folder.path()).status, 0);
        QVERIFY(QFileInfo(folder.file("link.ini")).isSymLink());
        QCOMPARE(contents(folder.file("real.ini")), game_ini_text(GameIniChoices{}).bytes);

        QVERIFY(put(folder.file("Game.ini"), kOldText));
        QVERIFY(put(folder.file("precious"), "root's secrets"));
        QVERIFY(QFile::link(folder.file("precious"), folder.file("Game.ini.bak")));
        QCOMPARE(run_cli("--merge-into Game.ini", folder.path()).status, 0);
        QCOMPARE(contents(folder.file("precious")), QByteArray("root's secrets"));
        QVERIFY(!QFileInfo(folder.file("Game.ini.bak")).isSymLink());
        check_left(folder, merged(), kOldText,
                   {"Game.ini", "Game.ini.bak", "link.ini", "precious", "real.ini"});
    }

    // Twenty merges at once, each with a level count of its own, run one after another: the
    // file holds the last one's merge of the old lines, and the backup the merge before it.
    void concurrent_merges_run_one_after_another()
    {
        TestFolder folder;
        QVERIFY(put(folder.file("Game.ini"), kOldText));
        // Held by an editor of the file until every merge has started, so they queue up.
        HeldLock editor(folder.file("Game.ini"));
        QVERIFY(editor.is_held());
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
        editor.release();
        for (const auto &merge : merges) {
            QVERIFY(merge->waitForFinished(60000));
            QCOMPARE(merge->exitCode(), 0);
        }
        const int last = results.indexOf(contents(folder.file("Game.ini")));
        const int before_last = results.indexOf(contents(folder.file("Game.ini.bak")));
        QVERIFY(last >= 0);
        QVERIFY(before_last >= 0 && before_last != last);
        QCOMPARE(names_in(folder.path()), (QStringList{"Game.ini", "Game.ini.bak"}));
    }

    // A merge whose result is the file writes nothing: the file, its backup and their
    // modification times stay as the first merge left them, and the backup keeps the text from
    // before it.
    void a_merge_that_changes_nothing_writes_nothing()
    {
        TestFolder folder;
        const QString name = folder.file("Game.ini");
        const QString backup = name + ".bak";
        QVERIFY(put(name, kOldText));
        QCOMPARE(run_cli("--merge-into Game.ini", folder.path()).status, 0);
        // A time no write can give them, so that any write shows.
        const timespec long_ago[2] = {{978307200, 123456789}, {978307200, 123456789}};
        for (const QString &path : {name, backup})
            QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), long_ago, 0) == 0);
        const FileState file = state_of(name);
        const FileState kept = state_of(backup);

        const CliOutcome again = run_cli("--merge-into Game.ini", folder.path());
        QCOMPARE(again.status, 0);
        QCOMPARE(again.err, QByteArray("quillmark-cli: Game.ini is already up to date\n"));
        QCOMPARE(state_of(name).modified, file.modified);
        QCOMPARE(state_of(name).inode, file.inode);
        QCOMPARE(state_of(backup).modified, kept.modified);
        check_left(folder, merged(), kOldText);
    }

    // Late faults: an interrupted call is tried again and the merge succeeds; a folder that
    // cannot be synced after the renames fails the run, though both files are written.
    void faults_after_the_temporary_files_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("interrupted write") << "write:2:EINTR" << 0 << "merged into Game.ini";
        QTest::newRow("interrupted sync") << "fsync:2:EINTR" << 0 << "merged into Game.ini";
        QTest::newRow("interrupted rename") << "rename:2:EINTR" << 0 << "merged into Game.ini";
        QTest::newRow("folder not synced")
            << "fsync:3:EIO" << 1 << "cannot write Game.ini: Input/output error";
    }

    void faults_after_the_temporary_files()
    {
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(QString, message);
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::BackedUp, "Game.ini");
        const CliOutcome outcome =
            run_cli("--merge-into Game.ini", folder.path(), QString(), fault);
        QVERIFY2(outcome.err.contains("quillmark-cli: " + message.toUtf8()),
                 outcome.err.constData());
        QCOMPARE(outcome.status, status);
        check_left(folder, merged(), kOldText);
    }

    void held_lock_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<int>("seconds"); // waited before giving up
        const QByteArray in_use = "quillmark-cli: cannot write Game.ini: it is in use by another "
                                  "program";
        QTest::newRow("merge, waits a second")
            << "--lock-wait 1 --merge-into Game.ini" << 1
            << "quillmark-cli: waiting for another program to finish with Game.ini\u2026\n" +
                   in_use + "; gave up after 1 s\n"
            << 1;
        QTest::newRow("-o, does not wait") << "--lock-wait 0 -o Game.ini" << 1 << in_use + "\n"
                                           << 0;
        QTest::newRow("not a number")
            << "--lock-wait x --merge-into Game.ini" << 2
            << QByteArray("quillmark-cli: --lock-wait: expected a whole number of seconds, got "
                          "'x'\n")
            << 0;
    }

    // Another program holds the file's lock: the writer waits as long as --lock-wait says,
    // telling so after a second, then gives up with the file untouched.
    void held_lock()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        QFETCH(int, seconds);
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::Regular, "Game.ini");
        HeldLock editor(folder.file("Game.ini"));
        QVERIFY(editor.is_held());
        QElapsedTimer waited;
        waited.start();
        const CliOutcome outcome = run_cli(arguments, folder.path());
        QCOMPARE(outcome.err, err);
        QCOMPARE(outcome.status, status);
        QVERIFY2(waited.elapsed() >= seconds * 1000 && waited.elapsed() < seconds * 1000 + 5000,
                 qPrintable(QString::number(waited.elapsed())));
        check_left(folder, kOldText, "<missing>", {"Game.ini"});
    }

    // A writer that waits for the lock says so after a second, while it waits.
    void a_wait_is_told_while_it_lasts()
    {
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::Regular, "Game.ini");
        HeldLock editor(folder.file("Game.ini"));
        QVERIFY(editor.is_held());
        QProcess merge;
        merge.setWorkingDirectory(folder.path());
        merge.start(QStringLiteral(QUILLMARK_CLI), {"--merge-into", "Game.ini"});
        QByteArray err;
        QVERIFY2(says(merge, err, "waiting for another program to finish with Game.ini\u2026\n"),
                 "not told within 10 s");
        editor.release();
        QCOMPARE(finished(merge).status, 0);
    }

    // -o takes the lock merges take: a merge queued with it merges either the old text, which
    // -o then replaces, or -o's text, never the old text over -o's.
    void o_and_merge_take_one_lock()
    {
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::Regular, "Game.ini");
        const QString name = folder.file("Game.ini");
        HeldLock editor(name);
        QVERIFY(editor.is_held());
        QProcess merge;
        QProcess o;
        for (QProcess *cli : {&merge, &o})
            cli->setWorkingDirectory(folder.path());
        merge.start(QStringLiteral(QUILLMARK_CLI), {"--merge-into", "Game.ini"});
        o.start(QStringLiteral(QUILLMARK_CLI), {"-o", "Game.ini", "--player-levels", "20"});
        QTRY_VERIFY_WITH_TIMEOUT(has_open(merge, name) && has_open(o, name), 30000);
        editor.release();
        QCOMPARE(finished(merge).status, 0);
        QCOMPARE(finished(o).status, 0);

        const QByteArray o_text = generated(20);
        const QList<QByteArrayList> orders = {{o_text, kOldText}, // the merge first
                                              {merged(115, o_text), o_text}};
        const QByteArrayList written = {contents(name), contents(name + ".bak")};
        QVERIFY(orders.contains(written));
        QCOMPARE(names_in(folder.path()), (QStringList{"Game.ini", "Game.ini.bak"}));
    }

    void rewritten_in_place_data()
    {
        QTest::addColumn<Fixture>("fixture");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("text"); // in Game.ini and other.ini after it
        const QString mounted =
            "Game.ini is a mount point: rewritten in place; the old file is Game.ini.bak\n";
        QTest::newRow("merge, mount point") << Fixture::BindMount << ""
                                            << "--merge-into Game.ini" << 0 << mounted << merged();
        QTest::newRow("-o, mount point") << Fixture::BindMount << ""
                                         << "-o Game.ini" << 0 << mounted << generated();
        QTest::newRow("merge, hard link")
            << Fixture::HardLinked << ""
            << "--merge-into Game.ini" << 0
            << "Game.ini has 2 hard links: rewritten in place; the old file is Game.ini.bak\n"
            << merged();
        QTest::newRow("merge, hard link, failed")
            << Fixture::HardLinked << "pwrite:1:EIO"
            << "--merge-into Game.ini" << 1
            << "cannot write Game.ini: Input/output error; its old text was written back\n"
            << kOldText;
    }

    // A rename cannot replace a mount point, and would part a file from its other hard links:
    // such a file is written over where it is, after its old text is kept in the backup.
    void rewritten_in_place()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QString, fault);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QByteArray, text);
        TestFolder folder;
        PREPARE_OR_SKIP(folder, fixture, "Game.ini");
        const QString name = folder.file("Game.ini");
        const QString other = folder.file("other.ini");
        const FileState before = state_of(other);

        const CliOutcome outcome = run_cli(arguments, folder.path(), QString(), fault);
        QVERIFY2(outcome.err.contains("quillmark-cli: " + message.toUtf8()),
                 outcome.err.constData());
        QCOMPARE(outcome.status, status);
        QCOMPARE(contents(other), text);
        QCOMPARE(state_of(name).inode, before.inode);
        QCOMPARE(state_of(other).inode, before.inode);
        check_left(folder, text, kOldText, {"Game.ini", "Game.ini.bak", "other.ini"});
    }

    // Both the new file and the backup carry the old file's extended attributes.
    void extended_attributes_are_kept()
    {
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::Attributed, "Game.ini");
        QCOMPARE(run_cli("--merge-into Game.ini", folder.path()).status, 0);
        QCOMPARE(contents(folder.file("Game.ini")), merged());
        QCOMPARE(attribute_of(folder.file("Game.ini")), QByteArray("kept"));
        QCOMPARE(attribute_of(folder.file("Game.ini.bak")), QByteArray("kept"));
    }

    void leftovers_are_removed_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QStringList>("names");
        const QString others = leftover_of("other.ini", "Ab12Cd");
        QTest::newRow("merge") << "--merge-into Game.ini"
                               << QStringList{others, "Game.ini", "Game.ini.bak"};
        QTest::newRow("-o") << "-o Game.ini" << QStringList{others, "Game.ini"};
    }

    // The temporary files of a killed write of the file or its backup go with the next write
    // of it; another file's stay for that file's.
    void leftovers_are_removed()
    {
        QFETCH(QString, arguments);
        QFETCH(QStringList, names);
        TestFolder folder;
        PREPARE_OR_SKIP(folder, Fixture::Regular, "Game.ini");
        for (const QString &leftover :
             {leftover_of("Game.ini", "Xy34Zw"), leftover_of("Game.ini.bak", "q_9-Ab"),
              leftover_of("other.ini", "Ab12Cd")})
            QVERIFY(put(folder.file(leftover), "half a file"));
        QCOMPARE(run_cli(arguments, folder.path()).status, 0);
        QCOMPARE(names_in(folder.path()), names);
    }

    // A UTF-16 file keeps every unit outside the level lines, a lone surrogate too.
    void lone_surrogates_survive_a_merge()
    {
        TestFolder folder;
        const QByteArray cut_line =
            utf16le("Message=") + QByteArray("\x00\xD8", 2) + utf16le("x\r\n");
        const QByteArray old = "\xFF\xFE" + utf16le("[ServerSettings]\r\n") + cut_line +
                               utf16le("[/Script/ShooterGame.ShooterGameMode]\r\n");
        QVERIFY(put(folder.file("Game.ini"), old));
        QCOMPARE(run_cli("--merge-into Game.ini", folder.path()).status, 0);

        const auto decoded = *decode_game_ini(old);
        const QByteArray written = contents(folder.file("Game.ini"));
        QCOMPARE(written, encode_game_ini(merged(115, decoded.text), GameIniEncoding::Utf16LE));
        QVERIFY(written.contains(cut_line));
        QCOMPARE(contents(folder.file("Game.ini.bak")), old);
    }

    void names_are_bytes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("backup");
        const QByteArray longest = QByteArray(246, 'g') + ".ini"; // its backup's name is 254
        const QByteArray not_utf8 = "\xFF\xFE.ini";
        QTest::newRow("merge, 250 bytes") << longest << "--merge-into" << merged() << kOldText;
        QTest::newRow("-o, not UTF-8") << not_utf8 << "-o" << generated() << QByteArray();
        QTest::newRow("merge, not UTF-8") << not_utf8 << "--merge-into" << merged() << kOldText;
    }

    // A file name is the bytes given, written as they are and quoted as they are.
    void names_are_bytes()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, option);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, backup);
        TestFolder folder;
        const QByteArray path = QFile::encodeName(folder.path()) + '/' + name;
        if (!backup.isEmpty())
            QVERIFY(put_at(path, kOldText));

        const CliOutcome outcome = run_cli_script(
            QStringLiteral("exec \"$0\" %1 %2").arg(option, printf_word(name)), folder.path());
        QCOMPARE(outcome.status, 0);
        if (backup.isEmpty()) {
            QCOMPARE(outcome.err, QByteArray());
        } else {
            const GameIniMergeReport report =
                merge_level_progression(kOldText, GameIniChoices()).report;
            QByteArray account;
            for (const QString &line :
                 merge_account(report, MergeAccount::CommandLine, decode_name(name)))
                account += encode_name(line) + '\n';
            QCOMPARE(outcome.err, account + "quillmark-cli: merged into " + name + ": " +
                                      merge_summary(report).toUtf8() + "; the old file is " + name +
                                      ".bak\n");
        }
        QCOMPARE(contents_at(path), text);
        QCOMPARE(contents_at(path + ".bak"), backup.isEmpty() ? "<missing>" : backup);
        QCOMPARE(names_in(folder.path()).size(), backup.isEmpty() ? 1 : 2);
    }

    // /dev/stdout is standard output, even a pipe that no name leads to.
    void standard_output_by_name()
    {
        TestFolder folder;
        const CliOutcome outcome = run_cli("-o /dev/stdout", folder.path());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.err, QByteArray());
        QCOMPARE(outcome.out, generated());
        QCOMPARE(names_in(folder.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"

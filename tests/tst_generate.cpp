// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_faults.h"
#include "gameini/game_ini_encoding.h"
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/file.h>

class TestGenerate : public QObject
{
    Q_OBJECT

private slots:
    void nothing_to_generate_is_refused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("generate") << "Gen_btn";
        QTest::newRow("show text") << "btn_preview_text";
    }

    void nothing_to_generate_is_refused()
    {
        QFETCH(QString, button);
        ShownWindow window;
        Operator user(folder.filePath(QStringLiteral("never.txt")));
        operate(window, "player_skip player_eng_skip " + button);
        QCOMPARE(user.seen, QStringList{"doingItWrong"});
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("never.txt"))));
    }

    void failed_save_changes_nothing_data()
    {
        QTest::addColumn<Fixture>("fixture");
        QTest::addColumn<QString>("name"); // answered in the file dialog; empty cancels it
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QString>("reason"); // that IOerr gives
        QTest::newRow("cancelled")
            << Fixture::Regular << "" << QStringList{"QFileDialog", "opcanceled"} << "";
        QTest::newRow("missing folder")
            << Fixture::Regular << "gone/Game.ini" << QStringList{"QFileDialog", "IOerr"}
            << "No such file or directory";
        QTest::newRow("full disk")
            << Fixture::FullDisk << "Game.ini"
            << QStringList{"QFileDialog", "replace_question", "IOerr"} << "No space left on device";
    }

    // A failed save leaves the old file and its folder as they were, and IOerr says why. Other
    // file faults are met by the writer the command-line tool shares, in tst_cli_files.
    void failed_save_changes_nothing()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QString, name);
        QFETCH(QStringList, dialogs);
        QFETCH(QString, reason);
        TestFolder own;
        PREPARE_OR_SKIP(own, fixture, QStringLiteral("Game.ini"));
        const QString path = own.file(QStringLiteral("Game.ini"));
        const FileState before = state_of(path);
        const QStringList names = names_in(own.path());

        ShownWindow window;
        Operator user(name.isEmpty() ? name : own.file(name));
        user.press = QStringList{QStringLiteral("Replace it")};
        operate(window, QStringLiteral("Gen_btn"));
        QCOMPARE(user.seen, dialogs);
        if (!reason.isEmpty()) {
            const QString said = user.messages.last(); // "NAME: REASON"
            QVERIFY2(said.startsWith(own.path()) && said.contains(reason), qPrintable(said));
        }
        const FileState after = state_of(path);
        QVERIFY(after == before && after.inode == before.inode);
        QCOMPARE(contents(path), kOldText);
        QCOMPARE(names_in(own.path()), names);
    }

    void existing_file_is_replaced_only_when_asked_to_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QString>("press");   // in replace_question
        QTest::addColumn<QString>("then");    // the dialog after it
        QTest::addColumn<QString>("warning"); // in its text; empty: none
        const QByteArray level_only =
            encode_game_ini("[/script/shootergame.shootergamemode]\r\n; kept by hand\r\n"
                            "OverridePlayerLevelEngramPoints=5\r\n",
                            GameIniEncoding::Utf16LE);
        const QString other_sections =
            "It holds 2 lines that are not level progression, in [ServerSettings] and "
            "[/Script/ShooterGame.ShooterGameMode]: replacing it loses them.";
        const auto row = [](const char *name, const QByteArray &old, const char *press,
                            const char *then, const QString &warning) {
            QTest::newRow(name) << old << QString(press) << QString(then) << warning;
        };
        row("replaced", kOldText, "Replace it", "thanxForUsing", other_sections);
        row("cancelled", kOldText, "Cancel", "opcanceled", other_sections);
        row("merged instead, review closed", kOldText, "Merge into it instead…", "MergeReview",
            other_sections);
        row("level lines only, UTF-16", level_only, "btn_replace", "thanxForUsing", "");
        row("no Game.ini", QByteArray("P\0o\0r\0t\0", 8), "Replace it", "thanxForUsing",
            "It cannot be read as a Game.ini (the text is UTF-16 LE");
    }

    // Replacing keeps the old bytes as the backup; any other answer writes nothing.
    void existing_file_is_replaced_only_when_asked_to()
    {
        QFETCH(QByteArray, old);
        QFETCH(QString, press);
        QFETCH(QString, then);
        QFETCH(QString, warning);
        TestFolder own;
        const QString path = own.file(QStringLiteral("Game.ini"));
        QVERIFY(put(path, old));
        MainWindow window;
        window.show();
        const QString fresh = own.file(QStringLiteral("fresh.ini"));
        generate(window, fresh);

        Operator user(path);
        user.press = QStringList{press};
        operate(window, QStringLiteral("Gen_btn"));
        QCOMPARE(user.seen, (QStringList{"QFileDialog", "replace_question", then}));
        const QStringList said = user.messages.first().split("\n\n");
        QCOMPARE(said.first(), "Game.ini already exists.");
        QCOMPARE(said.size(), warning.isEmpty() ? 2 : 3);
        QVERIFY2(said[1].startsWith(warning), qPrintable(said[1]));
        const bool replaced = then == "thanxForUsing";
        QCOMPARE(contents(path), replaced ? contents(fresh) : old);
        QCOMPARE(contents(path + ".bak"), replaced ? old : QByteArray("<missing>"));
    }

    void save_dialog_offers_game_ini()
    {
        MainWindow window;
        window.show();
        Operator user{QString()};
        operate(window, QStringLiteral("Gen_btn"));
        QCOMPARE(user.proposals,
                 QStringList{"Text Files (*.txt);;INI files (*.ini);;All files (*) Game.ini"});
    }

    void held_lock_is_waited_for_data()
    {
        QTest::addColumn<int>("held_ms"); // how long another program holds the file's lock
        QTest::addColumn<QStringList>("dialogs");
        // Held past a second, the wait shows; closing it cancels the save.
        QTest::newRow("cancelled")
            << 60000
            << QStringList{"QFileDialog", "replace_question", "QProgressDialog", "opcanceled"};
        QTest::newRow("released") << 300
                                  << QStringList{"QFileDialog", "replace_question",
                                                 "thanxForUsing"};
    }

    // Another program writing the file is waited for without freezing the window.
    void held_lock_is_waited_for()
    {
        QFETCH(int, held_ms);
        QFETCH(QStringList, dialogs);
#ifdef QUILLMARK_PORTABLE_FILES
        QSKIP("the Qt-only file code keeps writers apart with a lock file, not flock");
#endif
        TestFolder own;
        PREPARE_OR_SKIP(own, Fixture::Regular, QStringLiteral("Game.ini"));
        const QString path = own.file(QStringLiteral("Game.ini"));
        QFile holder(path);
        QVERIFY(holder.open(QIODevice::ReadOnly) && ::flock(holder.handle(), LOCK_EX) == 0);
        QTimer::singleShot(held_ms, &holder, [&holder] { holder.close(); });

        ShownWindow window;
        QCOMPARE(generate(window, path, QStringLiteral("Replace it")), dialogs);
        const bool written = held_ms < 1000;
        QCOMPARE(contents(path) == kOldText, !written);
        const QStringList names =
            written ? QStringList{"Game.ini", "Game.ini.bak"} : QStringList{"Game.ini"};
        QCOMPARE(names_in(own.path()), names);
    }

    void group_without_style_is_reported_and_writing_goes_on()
    {
        ShownWindow window;
        // The window never leaves a group empty; force it to reach the guard.
        auto *exponential = child<QRadioButton>(window, "player_mmo");
        exponential->setAutoExclusive(false);
        exponential->setChecked(false);
        const QString path = folder.filePath(QStringLiteral("guard.txt"));
        QCOMPARE(generate(window, path),
                 (QStringList{"QFileDialog", "unexpectederror", "thanxForUsing"}));
        const QList<QByteArray> written = contents(path).split('\n');
        QCOMPARE(written[1], QByteArray("LevelExperienceRampOverrides=()\r"));
        QVERIFY(written[2].startsWith("LevelExperienceRampOverrides=(Experience"));
    }

    void file_dialogs_start_in_the_folder_last_saved_to_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("press"); // in the text preview
        const auto row = [](const char *name, const char *button, const char *press) {
            QTest::newRow(name) << QString(button) << QString(press);
        };
        row("generate", "Gen_btn", "");
        row("merge", "btn_preview_text", "btn_merge");
        row("save picture", "btn_preview_text", "btn_save_picture");
    }

    void file_dialogs_start_in_the_folder_last_saved_to()
    {
        QFETCH(QString, button);
        QFETCH(QString, press);
        const QString used = folder.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(used));
        {
            ShownWindow window;
            QCOMPARE(generate(window, used + QStringLiteral("/Game.ini")),
                     (QStringList{"QFileDialog", "thanxForUsing"}));
        }
        // A new window, as after a restart; a failed save does not move the remembered folder.
        ShownWindow window;
        generate(window, folder.filePath(QStringLiteral("gone/Game.ini")));
        // Cancelling the file dialog writes nothing and asks nothing more.
        Operator user;
        user.press = QStringList{press};
        operate(window, button);
        QCOMPARE(user.start_folders, QStringList{used});
        QCOMPARE(user.seen.last(), press.isEmpty() ? "opcanceled" : "QFileDialog");
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"

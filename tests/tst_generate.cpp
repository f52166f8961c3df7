// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_faults.h"
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
        QTest::newRow("cancelled")
            << Fixture::Regular << "" << QStringList{"QFileDialog", "opcanceled"};
        QTest::newRow("missing folder")
            << Fixture::Regular << "gone/Game.ini" << QStringList{"QFileDialog", "IOerr"};
        QTest::newRow("full disk") << Fixture::FullDisk << "Game.ini"
                                   << QStringList{"QFileDialog", "QMessageBox", "IOerr"};
    }

    // A failed save leaves the old file and its folder as they were. Other file faults are
    // met by the writer the command-line tool shares, in tst_cli_files.
    void failed_save_changes_nothing()
    {
        QFETCH(Fixture, fixture);
        QFETCH(QString, name);
        QFETCH(QStringList, dialogs);
        TestFolder own;
        PREPARE_OR_SKIP(own, fixture, QStringLiteral("Game.ini"));
        const QString path = own.file(QStringLiteral("Game.ini"));
        const FileState before = state_of(path);
        const QStringList names = names_in(own.path());

        ShownWindow window;
        QCOMPARE(generate(window, name.isEmpty() ? name : own.file(name)), dialogs);
        const FileState after = state_of(path);
        QVERIFY(after == before && after.inode == before.inode);
        QCOMPARE(contents(path), kOldText);
        QCOMPARE(names_in(own.path()), names);
    }

    void held_lock_is_waited_for_data()
    {
        QTest::addColumn<int>("held_ms"); // how long another program holds the file's lock
        QTest::addColumn<QStringList>("dialogs");
        // Held past a second, the wait shows; closing it cancels the save.
        QTest::newRow("cancelled")
            << 60000 << QStringList{"QFileDialog", "QMessageBox", "QProgressDialog", "opcanceled"};
        QTest::newRow("released") << 300
                                  << QStringList{"QFileDialog", "QMessageBox", "thanxForUsing"};
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
        QCOMPARE(generate(window, path), dialogs);
        QCOMPARE(contents(path) == kOldText, held_ms > 1000);
        QCOMPARE(names_in(own.path()), QStringList{"Game.ini"});
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
        QTest::newRow("generate") << "Gen_btn"
                                  << "";
        QTest::newRow("merge") << "btn_preview_text"
                               << "btn_merge";
        QTest::newRow("save picture") << "btn_preview_text"
                                      << "btn_save_picture";
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
        user.press = press;
        operate(window, button);
        QCOMPARE(user.start_folders, QStringList{used});
        QCOMPARE(user.seen.last(), press.isEmpty() ? "opcanceled" : "QFileDialog");
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"

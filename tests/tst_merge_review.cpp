// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_ini_preview.h"
#include "dialogs/merge_review.h"
#include "file_faults.h"
#include "gameini/game_ini_encoding.h"
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

namespace {

// Text as a plain text view holds it: every line end is a line break.
QString shown(const QByteArray &text)
{
    return QString::fromUtf8(text)
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString text_of(QWidget &dialog, const char *view)
{
    return child<QPlainTextEdit>(dialog, view)->toPlainText();
}

} // namespace

class TestMergeReview : public QObject
{
    Q_OBJECT

private slots:
    void review_merge_and_undo_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("arguments");

        QTest::newRow("a stray line, a misspelt header, an old ramp and cap, LF")
            << QByteArray("[ServerSettings]\nOverridePlayerLevelEngramPoints=1\n"
                          "[/script/shootergame.shootergamemod]\nLevelExperienceRampOverrides=("
                          "ExperiencePointsForLevel[0]=5,ExperiencePointsForLevel[1]=10)\n"
                          "OverrideMaxExperiencePointsPlayer=12\n"
                          "OverridePlayerLevelEngramPoints=3\n")
            << "Add_CustomCode"
            << "";
        QTest::newRow("caps set, static points, other settings kept, CR LF")
            << QByteArray("[/script/shootergame.shootergamemode]\r\nbPvE=True\r\n"
                          "OverrideMaxExperiencePointsPlayer=999999999999\r\nMatingSpeed=2\r\n")
            << "player_linear player_xp_difficulty=3 player_eng_linear Add_MaxXp"
            << "--player linear --player-scale 3 --engram static --max-xp";
        QTest::newRow("UTF-16 as the game writes it, skipped player")
            << encode_game_ini("[/script/shootergame.shootergamemode]\r\nMotd=Gr\xC3\xBC\xC3\x9F"
                               "\r\n",
                               GameIniEncoding::Utf16LE)
            << "player_skip no_player_xp_max_engram_level=200"
            << "--player skip --engram-levels 200";
    }

    // The review shows what the command line prints; Cancel writes nothing, Merge writes what
    // the command line writes, Undo puts the old bytes back, and a second merge of the same
    // choices has nothing left to do.
    void review_merge_and_undo()
    {
        QFETCH(QByteArray, old);
        QFETCH(QString, actions);
        QFETCH(QString, arguments);
        const QString path = folder.filePath(QStringLiteral("Game.ini"));
        const QString cli_path = folder.filePath(QStringLiteral("cli.ini"));
        QFile::remove(path + QStringLiteral(".bak"));
        QVERIFY(put(path, old) && put(cli_path, old));
        const CliOutcome diff = run_cli(arguments + " --diff --merge-into " + path, folder.path());
        const CliOutcome check = run_cli("--check " + path, folder.path());
        QCOMPARE(run_cli(arguments + " --merge-into " + cli_path, folder.path()).status, 0);

        MainWindow window;
        window.show();
        operate(window, actions);
        const auto merge = [&](const QString &press) {
            Operator user(path);
            user.press = QStringList{QStringLiteral("btn_merge")} + press.split(QLatin1Char(' '));
            user.look = [&](QWidget &dialog) {
                if (dialog.objectName() == QLatin1String("merge_review")) {
                    QCOMPARE(dialog.windowTitle(), QStringLiteral("Merge into Game.ini"));
                    QCOMPARE(text_of(dialog, "diff_view"), shown(diff.out));
                    QCOMPARE(text_of(dialog, "check_view"),
                             check.out.isEmpty() ? "No problems found." : shown(check.out));
                } else if (dialog.objectName() == QLatin1String("merge_result")) {
                    QCOMPARE(contents(path), contents(cli_path));
                    QCOMPARE(contents(path + QStringLiteral(".bak")), old);
                    // Custom code is never merged.
                    const QString text = static_cast<QMessageBox &>(dialog).text();
                    QVERIFY(text.contains(QStringLiteral("kept as Game.ini.bak")));
                    QCOMPARE(text.contains(QStringLiteral("custom code")),
                             actions.contains(QStringLiteral("Add_CustomCode")));
                }
            };
            child<QAbstractButton>(window, "btn_preview_text")->click();
            return user.seen;
        };
        QCOMPARE(merge("btn_cancel_merge"),
                 (QStringList{"GameIniPreview", "QFileDialog", "MergeReview"}));
        QCOMPARE(contents(path), old);
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));

        QCOMPARE(merge("btn_apply_merge btn_undo_merge"),
                 (QStringList{"GameIniPreview", "QFileDialog", "MergeReview", "merge_result",
                              "QMessageBox"}));
        QCOMPARE(contents(path), old);

        merge("btn_apply_merge");
        QCOMPARE(contents(path), contents(cli_path));
        QLabel *changes = nullptr;
        bool can_apply = true;
        Operator user(path);
        user.press = QStringList{QStringLiteral("btn_merge")};
        user.look = [&](QWidget &dialog) {
            if (dialog.objectName() == QLatin1String("merge_review")) {
                changes = child<QLabel>(dialog, "lbl_changes");
                QVERIFY2(changes->text().contains(QStringLiteral("is already up to date")),
                         qPrintable(changes->text()));
                can_apply = child<QPushButton>(dialog, "btn_apply_merge")->isEnabled();
            }
        };
        child<QAbstractButton>(window, "btn_preview_text")->click();
        QVERIFY(changes && !can_apply);
        QCOMPARE(contents(path), contents(cli_path));
    }

    void copied_command_prints_the_text_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::newRow("curve, reversed linear points, exponential creatures, no header")
            << "player_curve player_target_lvl=300 player_xp_difficulty=12.345 player_eng_mmo "
               "player_eng_reverse_mode player_eng_difficulty=100.5 dino_target_level=100 "
               "dino_difficulty=99.999 Add_SS";
        QTest::newRow("exponential, static points, linear creatures, caps, custom code")
            << "player_target_lvl=150 player_eng_linear dino_lin Add_MaxXp Add_CustomCode";
        QTest::newRow("stock player and engram points, creature curve")
            << "player_stock player_eng_skip dino_curve";
        QTest::newRow("stock tables copied to the creatures")
            << "player_stock copy_player2dino_settings Add_MaxXp";
        QTest::newRow("linear player, stock creatures")
            << "player_linear player_xp_difficulty=1 dino_skip";
        QTest::newRow("skipped player, reversed logarithmic points")
            << "player_skip no_player_xp_max_engram_level=200 player_eng_reverse_mode";
    }

    // Run as it is copied, with the custom code put into the placeholder file, the command
    // prints the text the preview shows.
    void copied_command_prints_the_text()
    {
        QFETCH(QString, actions);
        MainWindow window;
        window.show();
        operate(window, actions);
        const QString code = QStringLiteral("bPvE=True\n\nMotd=Gr\u00FC\u00DF");
        child<QTextEdit>(window, "textInput_custom_code")->setPlainText(code);
        QString command;
        QString text;
        QTimer::singleShot(0, [&] {
            QWidget *preview = QApplication::activeModalWidget();
            child<QPushButton>(*preview, "btn_copy_command")->click();
            command = QGuiApplication::clipboard()->text();
            text = text_of(*preview, "text_view");
            preview->close();
        });
        operate(window, "btn_preview_text");

        QVERIFY2(command.startsWith(QStringLiteral("quillmark-cli ")), qPrintable(command));
        QVERIFY(put(folder.filePath(QStringLiteral("custom-code.txt")), code.toUtf8()));
        const CliOutcome cli = run_cli(command.section(QLatin1Char(' '), 1), folder.path());
        QVERIFY2(cli.status == 0, cli.err.constData());
        QCOMPARE(shown(cli.out), text);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestMergeReview)
#include "tst_merge_review.moc"

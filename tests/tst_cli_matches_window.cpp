// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_faults.h"
#include "game_ini_lines.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

// Every line break the editor knows, blank lines, a no-break space and non-ASCII text.
const QByteArray kCustomCode = "MaxDifficulty=true\r\n\r\nbPvE=True\r\xC2\xA0"
                               "Motd=Gr\xC3\xBC\xC3\x9F \xE2\x98\x83\xE2\x80\xA8Last=1\n\n";

} // namespace

class TestCliMatchesWindow : public QObject
{
    Q_OBJECT

private slots:
    void same_text_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("actions");

        QTest::newRow("curve, reversed linear points, exponential creatures, no header")
            << "--player curve --player-levels 300 --player-scale 12.345 --engram linear "
               "--engram-reverse --engram-scale 100.5 --creature-levels 100 --creature-scale "
               "99.999 --no-header"
            << "player_curve player_target_lvl=300 player_xp_difficulty=12.345 player_eng_mmo "
               "player_eng_reverse_mode player_eng_difficulty=100.5 dino_target_level=100 "
               "dino_difficulty=99.999 Add_SS";
        QTest::newRow("a creature style of its own releases the lock")
            << "--player stock --creature linear --creature-levels 20"
            << "player_stock copy_player2dino_settings dino_target_level=20 dino_lin";
        QTest::newRow("skipped player, engram levels of their own")
            << "--player skip --engram-levels 200 --engram-scale 2.5"
            << "player_skip no_player_xp_max_engram_level=200 player_eng_difficulty=2.5";
        QTest::newRow("linear, no creature line, custom code")
            << "--player linear --player-scale 1 --creature stock --custom-code code.txt"
            << "player_linear player_xp_difficulty=1 dino_skip Add_CustomCode";
        QTest::newRow("caps of the copied stock tables, custom code")
            << "--player stock --creature player-stock --max-xp --custom-code code.txt"
            << "player_stock copy_player2dino_settings Add_MaxXp Add_CustomCode";
    }

    // Ticking "Add_CustomCode" clears the editor; its text is written only while ticked.
    void same_text()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, actions);

        ShownWindow window;
        operate(window, actions);
        child<QTextEdit>(window, "textInput_custom_code")
            ->setPlainText(QString::fromUtf8(kCustomCode));
        const QString path = folder.filePath(QStringLiteral("window.ini"));
        QFile::remove(path);
        QCOMPARE(generate(window, path), (QStringList{"QFileDialog", "thanxForUsing"}));

        QVERIFY(put(folder.filePath(QStringLiteral("code.txt")), kCustomCode));
        const CliOutcome cli = run_cli(arguments, folder.path());
        QCOMPARE(cli.err, QByteArray());
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, contents(path));
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestCliMatchesWindow)
#include "tst_cli_matches_window.moc"

#include "gameini/game_ini_check.h"
#include "output/game_ini_text.h"

#include <QtTest>

namespace {

const QByteArray kHeader = "[/script/shootergame.shootergamemode]\r\n";

// A ramp line of the given values, with indices from 0.
QByteArray ramp(const QVector<qint64> &values)
{
    QByteArray line = "LevelExperienceRampOverrides=(";
    for (int k = 0; k < values.size(); ++k)
        line += QByteArray(k > 0 ? "," : "") + "ExperiencePointsForLevel[" + QByteArray::number(k) +
                "]=" + QByteArray::number(values[k]);
    return line + ")\r\n";
}

const QByteArray kEngramLine = "OverridePlayerLevelEngramPoints=1\r\n";

} // namespace

class TestGameIniCheck : public QObject
{
    Q_OBJECT

private slots:
    void good_files_pass()
    {
        GameIniChoices stock;
        stock.player = GameIniChoices::Player::Stock;
        stock.creature_locked_to_stock = stock.max_xp_overrides = stock.engram_reverse = true;
        GameIniChoices skipped;
        skipped.player = GameIniChoices::Player::Skip;
        skipped.engram_levels_without_player = 50;
        for (const GameIniChoices &choices : {GameIniChoices{}, stock, skipped})
            QVERIFY(check_level_lines(game_ini_text(choices).bytes).empty());
        // A byte-order mark, blanks, any case and fractions are read as the game reads them.
        QVERIFY(check_level_lines("\xEF\xBB\xBF" + kHeader +
                                  " levelExperienceRampOverrides = "
                                  "(experiencepointsforlevel[0]=5.5) \r\n")
                    .empty());
    }

    void faults_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("words");

        const auto row = [](const char *name, const QByteArray &file, const char *where,
                            const char *words) {
            QTest::newRow(name) << file << QString(where) << QString(words);
        };
        row("before the header", kEngramLine + kHeader + ramp({5, 6}), "1: error",
            "OverridePlayerLevelEngramPoints stands before the section header");
        row("in another section", kHeader + "[ServerSettings]\r\n" + ramp({5}), "3: error",
            "stands in section [ServerSettings], not in [/script/shootergame.shootergamemode]");
        row("non-ASCII", kHeader + "Motd=Gr\xC3\xBC\xC3\x9F\r\n", "2: error",
            "non-ASCII character (U+00FC) at column 8");
        row("ramp line does not parse",
            kHeader + "LevelExperienceRampOverrides=(ExperiencePointsForLevel[x]=5)\r\n",
            "2: error", "does not parse at column 56: expected an index");
        row("engram line does not parse", kHeader + "OverridePlayerLevelEngramPoints=-1\r\n",
            "2: error", "does not parse: expected a whole number");
        row("gap", kHeader + ramp({1, 2}).replace("[1]", "[2]"), "2: error",
            "ExperiencePointsForLevel[2] leaves a gap");
        row("repeat", kHeader + ramp({1, 2}).replace("[1]", "[0]"), "2: error",
            "ExperiencePointsForLevel[0] repeats an index");
        row("decrease, reported once", kHeader + ramp({5, 10, 10, 9, 8}), "2: error",
            "ExperiencePointsForLevel[3]=9 is less than the level before (10)");
        row("above 2147483647", kHeader + ramp({2147483647, 2147483648}), "2: warning",
            "ExperiencePointsForLevel[1]=2147483648 is above 2147483647");
        row("third ramp line", kHeader + ramp({1}) + ramp({1}) + ramp({1}), "4: error",
            "more than two LevelExperienceRampOverrides lines");
        row("engram count follows the first ramp line",
            kHeader + ramp({1, 2, 3}) + ramp({1}) + kEngramLine.repeated(2), "4: error",
            "2 OverridePlayerLevelEngramPoints lines, but the player ramp has 4 levels and needs "
            "3");
        // 65535 characters are still fine.
        row("line too long",
            kHeader + "Motd=" + QByteArray(65531, 'x') + "\r\nMotd=" + QByteArray(65530, 'x'),
            "2: warning", "line is 65536 characters long");
    }

    void faults()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, where);
        QFETCH(QString, words);
        const std::vector<IniProblem> problems = check_level_lines(file);
        QCOMPARE(int(problems.size()), 1);
        const IniProblem &problem = problems.front();
        QCOMPARE(QStringLiteral("%1: %2")
                     .arg(problem.line)
                     .arg(problem.severity == IniProblem::Error ? "error" : "warning"),
                 where);
        QVERIFY2(problem.message.contains(words), qPrintable(problem.message));
    }
};

QTEST_APPLESS_MAIN(TestGameIniCheck)
#include "tst_game_ini_check.moc"

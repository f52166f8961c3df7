#include "gameini/game_ini_merge.h"

#include <QtTest>

namespace {

// Level lines as the generator writes them, and as they go into a file with LF line ends.
const QByteArray kNew = "LevelExperienceRampOverrides=(ExperiencePointsForLevel[0]=9)\r\n"
                        "OverridePlayerLevelEngramPoints=4\r\n";
const QByteArray kNewLf = QByteArray(kNew).replace("\r\n", "\n");
const QByteArray kSection = "[/script/shootergame.shootergamemode]\r\n";
const QByteArray kOldRamp = "LevelExperienceRampOverrides=(ExperiencePointsForLevel[0]=1)\r\n";
const QByteArray kOldPoints = "OverridePlayerLevelEngramPoints=3\r\n";

} // namespace

class TestGameIniMerge : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("caps");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("where the first level line stood, CR LF")
            << "MaxPlayers=70\r\n" + kSection + "bAllowFlyerSpeed=True\r\n" + kOldRamp + kOldRamp +
                   kOldPoints + "KillXPMultiplier=2.0\r\n" + kOldPoints +
                   "\r\n[ServerSettings]\r\nPort=7777\r\n"
            << false
            << "MaxPlayers=70\r\n" + kSection + "bAllowFlyerSpeed=True\r\n" + kNew +
                   "KillXPMultiplier=2.0\r\n\r\n[ServerSettings]\r\nPort=7777\r\n";
        QTest::newRow("LF lines in an LF file")
            << QByteArray("[/script/shootergame.shootergamemode]\n"
                          "OverridePlayerLevelEngramPoints=3\n"
                          "bDisableStructureDecayPvE=True\n")
            << false
            << "[/script/shootergame.shootergamemode]\n" + kNewLf +
                   "bDisableStructureDecayPvE=True\n";
        // The file's first line end decides.
        QTest::newRow("mixed line ends stay")
            << "A=1\n" + kSection + kOldPoints + "B=2\nC=3\r\n"
            << false << "A=1\n" + kSection + kNewLf + "B=2\nC=3\r\n";
        QTest::newRow("section without level lines: after its last setting")
            << kSection + "A=1\r\n\r\n  \r\n[Other]\r\nB=2\r\n"
            << false << kSection + "A=1\r\n" + kNew + "\r\n  \r\n[Other]\r\nB=2\r\n";
        QTest::newRow("no section: a new one at the end, after a line end")
            << QByteArray("[ServerSettings]\nPort=7777") << false
            << "[ServerSettings]\nPort=7777\n[/script/shootergame.shootergamemode]\n" + kNewLf;
        QTest::newRow("empty file") << QByteArray() << false << kSection + kNew;
        QTest::newRow("header in another case, with blanks and a byte-order mark")
            << "\xEF\xBB\xBF  [/Script/ShooterGame.ShooterGameMode]  \r\n" + kOldRamp << false
            << "\xEF\xBB\xBF  [/Script/ShooterGame.ShooterGameMode]  \r\n" + kNew;
        // Other sections' lines and keys that only begin alike are none of the merge's business.
        const QByteArray others = kOldPoints + "[Other]\r\n" + kOldRamp + kSection +
                                  "LevelExperienceRampOverridesOld=1\r\n"
                                  "; LevelExperienceRampOverrides=(disabled)\r\n";
        QTest::newRow("other sections and keys stay")
            << others + kOldPoints << false << others + kNew;

        QTest::newRow("a second copy of the section loses its level lines too")
            << kSection + "A=1\r\n[Other]\r\n" + kSection + kOldPoints + "B=2\r\n"
            << false << kSection + "A=1\r\n[Other]\r\n" + kSection + kNew + "B=2\r\n";

        const QByteArray caps = "OverrideMaxExperiencePointsDino=500\r\n";
        QTest::newRow("caps stay without --max-xp")
            << kSection + caps + kOldRamp << false << kSection + caps + kNew;
        QTest::newRow("caps replaced with --max-xp")
            << kSection + caps + kOldRamp << true << kSection + kNew;
    }

    void merge()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, caps);
        QFETCH(QByteArray, expected);
        QCOMPARE(merge_level_lines(file, kNew, caps), expected);
    }
};

QTEST_APPLESS_MAIN(TestGameIniMerge)
#include "tst_game_ini_merge.moc"

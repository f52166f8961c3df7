// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameini/lines_lost.h"

#include <QtTest>

class TestLinesLost : public QObject
{
    Q_OBJECT

private slots:
    void counts_what_is_not_level_progression_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("sections");
        const QByteArray level = "[/script/shootergame.shootergamemode]\r\n";
        QTest::newRow("empty") << QByteArray() << 0 << QStringList();
        QTest::newRow("level lines, comments, blanks")
            << level +
                   "; mine\r\n\r\n# old\r\nLevelExperienceRampOverrides=(ExperiencePointsForLevel"
                   "[0]=5)\r\n+OverridePlayerLevelEngramPoints=3\r\n"
                   "OverrideMaxExperiencePointsDino=9\r\n"
            << 0 << QStringList();
        QTest::newRow("ramp over several lines")
            << level + "LevelExperienceRampOverrides=(\n ExperiencePointsForLevel[0]=5,\n"
                       " ExperiencePointsForLevel[1]=9)\n"
            << 0 << QStringList();
        QTest::newRow("other sections")
            << QByteArray(
                   "[ServerSettings]\r\nPort=7777\r\n[/Script/ShooterGame.ShooterGameMode]\r\n"
                   "KillXPMultiplier=2.0\r\nOverridePlayerLevelEngramPoints=3\r\n")
            << 2 << QStringList{"[ServerSettings]", "[/Script/ShooterGame.ShooterGameMode]"};
        QTest::newRow("above the first section, a level key elsewhere, not a setting")
            << "Port=1\n" + level +
                   "just words\n[ServerSettings]\nOverridePlayerLevelEngramPoints=3\n"
            << 3 << QStringList{"", "[/script/shootergame.shootergamemode]", "[ServerSettings]"};
        QTest::newRow("a section twice")
            << QByteArray("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\n") << 3 << QStringList{"[A]", "[B]"};
    }

    void counts_what_is_not_level_progression()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, lines);
        QFETCH(QStringList, sections);
        const LinesLost lost = lines_lost_by_replacing(text);
        QCOMPARE(lost.lines, lines);
        QCOMPARE(lost.sections, sections);
    }
};

QTEST_GUILESS_MAIN(TestLinesLost)
#include "tst_lines_lost.moc"

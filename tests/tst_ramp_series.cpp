// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ramp_series.h"
#include "random_choices.h"

#include <QRegularExpression>
#include <QtTest>

class TestRampSeries : public QObject
{
    Q_OBJECT

private slots:
    // For random choices, the plotted series are the numbers the Game.ini text holds, read back
    // from the text itself: the player's ramp line, the creatures', the engram lines and their
    // running total.
    void series_hold_the_written_numbers()
    {
        static const QRegularExpression entry(QStringLiteral("\\]=(\\d+)"));
        QRandomGenerator random(20261208);
        for (int round = 0; round < 200; ++round) {
            const GameIniChoices choices = random_choices(random);
            std::vector<std::vector<double>> ramp_lines;
            std::vector<double> engram_lines, total;
            for (const QByteArray &line : game_ini_text(choices).bytes.split('\n')) {
                const QString content = QString::fromUtf8(line).trimmed();
                if (content.startsWith(QStringLiteral("LevelExperienceRampOverrides=("))) {
                    ramp_lines.emplace_back();
                    for (auto match = entry.globalMatch(content); match.hasNext();)
                        ramp_lines.back().push_back(match.next().captured(1).toDouble());
                } else if (content.startsWith(QStringLiteral("OverridePlayerLevelEngramPoints="))) {
                    engram_lines.push_back(content.section(QLatin1Char('='), 1).toDouble());
                    total.push_back((total.empty() ? 0 : total.back()) + engram_lines.back());
                }
            }
            ramp_lines.resize(2);

            const RampSeries series = ramp_series(choices);
            QVERIFY2(series.player_xp == ramp_lines[0], qPrintable(QString::number(round)));
            QVERIFY(series.creature_xp == ramp_lines[1]);
            QVERIFY(series.engram_points == engram_lines);
            QVERIFY(series.engram_total == total);
        }
    }
};

QTEST_GUILESS_MAIN(TestRampSeries)
#include "tst_ramp_series.moc"

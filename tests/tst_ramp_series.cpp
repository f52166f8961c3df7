// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ramp_series.h"

#include <QRegularExpression>
#include <QtTest>

Q_DECLARE_METATYPE(GameIniChoices)

namespace {

using Choices = GameIniChoices;

// The numbers the Game.ini text holds, read back from the text itself.
struct WrittenNumbers {
    std::vector<std::vector<double>> ramp_lines;
    std::vector<double> engram_lines;
};

WrittenNumbers read_numbers(const QByteArray &text)
{
    static const QRegularExpression entry(QStringLiteral("\\]=(\\d+)"));
    WrittenNumbers numbers;
    for (const QByteArray &line : text.split('\n')) {
        const QString content = QString::fromUtf8(line).trimmed();
        if (content.startsWith(QStringLiteral("LevelExperienceRampOverrides=("))) {
            std::vector<double> values;
            for (auto match = entry.globalMatch(content); match.hasNext();)
                values.push_back(match.next().captured(1).toDouble());
            numbers.ramp_lines.push_back(values);
        } else if (content.startsWith(QStringLiteral("OverridePlayerLevelEngramPoints="))) {
            numbers.engram_lines.push_back(content.section(QLatin1Char('='), 1).toDouble());
        }
    }
    return numbers;
}

Choices with(std::function<void(Choices &)> change)
{
    Choices choices;
    change(choices);
    return choices;
}

} // namespace

class TestRampSeries : public QObject
{
    Q_OBJECT

private slots:
    void series_hold_the_written_numbers_data()
    {
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<int>("ramp_lines");

        QTest::newRow("start values") << Choices() << 2;
        QTest::newRow("curves, reversed linear points") << with([](Choices &c) {
            c.player = Choices::Player::ComplexCurve;
            c.player_scale = 865.692;
            c.player_levels = 300;
            c.creature = Choices::Creature::Linear;
            c.creature_scale = 36.072;
            c.engram = Choices::Engram::Linear;
            c.engram_scale = 63.987;
            c.engram_reverse = true;
        }) << 2;
        QTest::newRow("copied stock, static half points") << with([](Choices &c) {
            c.player = Choices::Player::Stock;
            c.creature_locked_to_stock = true;
            c.engram = Choices::Engram::Static;
            c.engram_scale = 37.5;
        }) << 2;
        QTest::newRow("skipped player, reversed logarithmic points") << with([](Choices &c) {
            c.player = Choices::Player::Skip;
            c.engram_levels_without_player = 200;
            c.engram_reverse = true;
        }) << 0;
        QTest::newRow("stock creature page, stock engram") << with([](Choices &c) {
            c.creature = Choices::Creature::Stock;
            c.engram = Choices::Engram::Stock;
        }) << 1;
        QTest::newRow("most levels, single-precision values") << with([](Choices &c) {
            c.player = Choices::Player::Linear;
            c.player_scale = 150;
            c.player_levels = 4000;
            c.creature = Choices::Creature::Linear;
            c.creature_levels = 4000;
            c.engram = Choices::Engram::Linear;
            c.engram_scale = 130;
        }) << 2;
    }

    void series_hold_the_written_numbers()
    {
        QFETCH(Choices, choices);
        QFETCH(int, ramp_lines);
        const WrittenNumbers written = read_numbers(game_ini_text(choices).bytes);
        QCOMPARE(int(written.ramp_lines.size()), ramp_lines);
        const auto line = [&](std::size_t k) {
            return k < written.ramp_lines.size() ? written.ramp_lines[k] : std::vector<double>();
        };
        std::vector<double> total;
        for (const double points : written.engram_lines)
            total.push_back((total.empty() ? 0 : total.back()) + points);

        const RampSeries series = ramp_series(choices);
        QVERIFY(series.player_xp == line(0));
        QVERIFY(series.creature_xp == line(1));
        QVERIFY(series.engram_points == written.engram_lines);
        QVERIFY(series.engram_total == total);
    }
};

QTEST_GUILESS_MAIN(TestRampSeries)
#include "tst_ramp_series.moc"

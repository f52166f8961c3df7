// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/plot_axes.h"

#include <QtTest>

#include <cmath>

namespace {

bool is_whole(double value)
{
    return std::floor(value) == value;
}

bool is_power_of_ten(double value)
{
    const double decade = std::log10(value);
    return std::abs(decade - std::round(decade)) < 1e-9;
}

// 1, 2 or 5 of step's power of ten; 0 for any other step.
int round_digit(double step)
{
    const double digit = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    for (const int round : {1, 2, 5})
        if (std::abs(digit - round) < 1e-9)
            return round;
    return 0;
}

std::vector<double> as_vector(const QList<double> &values)
{
    return {values.begin(), values.end()};
}

} // namespace

class TestPlotAxes : public QObject
{
    Q_OBJECT

private slots:
    void nice_step_is_the_smallest_round_step_data()
    {
        QTest::addColumn<double>("span");
        QTest::addColumn<int>("parts");
        QTest::newRow("below one") << 0.37 << 4;
        QTest::newRow("billions") << 3.2e9 << 8;
        QTest::newRow("a third") << 7.0 << 3;
        QTest::newRow("fits exactly") << 10.0 << 5;
        QTest::newRow("past the last round digit") << 9.5 << 1;
    }
    // Round, covers the span in `parts` steps, and the next smaller round step would not.
    void nice_step_is_the_smallest_round_step()
    {
        QFETCH(double, span);
        QFETCH(int, parts);
        const double step = nice_step(span, parts);
        const int digit = round_digit(step);
        QVERIFY2(digit != 0, qPrintable(QString::number(step)));
        QVERIFY(step * parts >= span * (1 - 1e-12));
        const double smaller = digit == 5 ? step * 0.4 : step / 2;
        QVERIFY(smaller * parts < span);
    }

    void whole_number_axis_ends_on_the_first_tick_above_data()
    {
        QTest::addColumn<double>("top");
        QTest::newRow("nothing") << 0.0;
        QTest::newRow("a fraction") << 0.4;
        QTest::newRow("few") << 3.0;
        QTest::newRow("between ticks") << 37.0;
        QTest::newRow("on a tick") << 40.0;
        QTest::newRow("just past a tick") << 1e6 + 1;
    }
    void whole_number_axis_ends_on_the_first_tick_above()
    {
        QFETCH(double, top);
        const int parts = 4;
        const TickedScale axis = whole_number_axis(top, parts);
        QCOMPARE(axis.scale.low, 0.0);
        QVERIFY(!axis.scale.logarithmic);
        QVERIFY(axis.step >= 1 && is_whole(axis.step));
        const double steps = axis.scale.high / axis.step;
        QVERIFY(is_whole(steps) && steps >= 1 && steps <= parts);
        QVERIFY(axis.scale.high >= top);
        // No empty step above the top, beyond the one an axis needs at least.
        QVERIFY(steps == 1 || axis.scale.high - axis.step < top);
    }

    // The decades by hand: the power of ten at or below the smallest value that counts, the one
    // at or above the largest.
    void decade_axis_brackets_what_it_can_show_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<double>>("more");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("inside one decade") << QList<double>{3, 7} << QList<double>{} << 2 << 0 << 1;
        QTest::newRow("ends on decades")
            << QList<double>{1, 10, 100} << QList<double>{} << 3 << 0 << 2;
        QTest::newRow("one value on a decade")
            << QList<double>{1000} << QList<double>{} << 1 << 3 << 4;
        QTest::newRow("wide") << QList<double>{0.02, 3.2e9} << QList<double>{} << 2 << -2 << 10;
        QTest::newRow("zero and overflow left out")
            << QList<double>{0, 50, HUGE_VAL} << QList<double>{} << 3 << 1 << 2;
        QTest::newRow("every series, up to the count")
            << QList<double>{5, 20} << QList<double>{0.3, 4, 1e9} << 2 << -1 << 2;
        QTest::newRow("nothing to show") << QList<double>{0} << QList<double>{} << 1 << 0 << 1;
    }
    void decade_axis_brackets_what_it_can_show()
    {
        QFETCH(QList<double>, values);
        QFETCH(QList<double>, more);
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(int, last);
        const std::vector<double> series = as_vector(values);
        const std::vector<double> other = as_vector(more);
        const PlotScale scale = decade_axis({&series, &other}, std::size_t(count));
        QVERIFY(scale.logarithmic);
        QCOMPARE(scale.low, std::pow(10.0, first));
        QCOMPARE(scale.high, std::pow(10.0, last));
    }

    void linear_ticks_are_every_multiple_in_range_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("step");
        QTest::newRow("from zero") << 0.0 << 40.0 << 10.0;
        QTest::newRow("top between ticks") << 0.0 << 45.0 << 10.0;
        QTest::newRow("levels from one") << 1.0 << 115.0 << 20.0;
        // 0.1 summed three times lies above 0.3.
        QTest::newRow("top past rounding") << 0.0 << 0.3 << 0.1;
    }
    void linear_ticks_are_every_multiple_in_range()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, step);
        const std::vector<double> ticks = linear_ticks({low, high}, step);
        QVERIFY(!ticks.empty());
        const double slack = step * 1e-9;
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            QVERIFY(ticks[k] >= low - slack && ticks[k] <= high + slack);
            QVERIFY(std::abs(std::remainder(ticks[k], step)) <= slack);
            if (k > 0)
                QVERIFY(std::abs(ticks[k] - ticks[k - 1] - step) <= slack);
        }
        // None is missing at either end.
        QVERIFY(ticks.front() - step < low - slack);
        QVERIFY(ticks.back() + step > high + slack);
    }

    void decade_ticks_label_the_top_and_at_most_seven_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("one decade") << 0 << 1;
        QTest::newRow("six decades") << 0 << 6;
        QTest::newRow("seven decades") << 0 << 7;
        QTest::newRow("below one") << -3 << 2;
        QTest::newRow("very wide") << -2 << 30;
    }
    void decade_ticks_label_the_top_and_at_most_seven()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        const PlotScale scale{std::pow(10.0, first), std::pow(10.0, last), true};
        const std::vector<double> ticks = decade_ticks(scale);
        QVERIFY(ticks.size() >= 2 && ticks.size() <= 7);
        QCOMPARE(ticks.front(), scale.high);
        const double ratio = ticks[0] / ticks[1];
        QVERIFY(is_power_of_ten(ratio) && ratio >= 10);
        // Every decade where there is room for all of them.
        QVERIFY(last - first > 6 || qFuzzyCompare(ratio, 10.0));
        for (std::size_t k = 1; k < ticks.size(); ++k) {
            QVERIFY(is_power_of_ten(ticks[k]) && ticks[k] >= scale.low * (1 - 1e-9));
            QVERIFY(qFuzzyCompare(ticks[k - 1] / ticks[k], ratio));
        }
        // No room for another below the last.
        QVERIFY(ticks.back() / ratio < scale.low * (1 - 1e-9));
    }
};

QTEST_GUILESS_MAIN(TestPlotAxes)
#include "tst_plot_axes.moc"

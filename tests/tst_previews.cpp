// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/previews.h"
#include "ramps/ramp_styles.h"

#include <QtTest>

class TestPreviews : public QObject
{
    Q_OBJECT

private slots:
    void overflow_boundary_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("levels");
        QTest::addColumn<bool>("within");
        for (const auto &[scale, last_within] :
             {std::pair{466.627, 222}, {469.311, 208}, {500.0, 17}}) {
            QTest::addRow("%g at %d", scale, last_within) << scale << last_within << true;
            QTest::addRow("%g at %d", scale, last_within + 1) << scale << last_within + 1 << false;
        }
        // Level 1 is never checked, so fewer than two levels always pass.
        QTest::newRow("500 at 1") << 500.0 << 1 << true;
    }

    // The last sample of a preview is the level count itself, so its marker shows exactly when
    // xp_within_limit fails, and page navigation agrees with what the preview shows.
    void overflow_boundary()
    {
        QFETCH(double, scale);
        QFETCH(int, levels);
        QFETCH(bool, within);
        QCOMPARE(xp_within_limit(scale, levels), within);
        for (const auto preview_of : {player_xp_preview, creature_xp_preview}) {
            const auto preview = preview_of(XpStyle::Exponential, scale, levels);
            QVERIFY(preview);
            QCOMPARE(preview->overflowed, !within);
            QCOMPARE(preview->values[3] == kOverflowMarker, !within);
        }
    }
};

QTEST_APPLESS_MAIN(TestPreviews)
#include "tst_previews.moc"

// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/unified_diff.h"

#include <QtTest>

namespace {

// Lines "1\n" to "count\n".
QByteArray numbered(int count)
{
    QByteArray text;
    for (int k = 1; k <= count; ++k)
        text += QByteArray::number(k) + '\n';
    return text;
}

// Applies a diff of texts with LF line ends: the hunks take old lines and give new ones.
QByteArray patched(const QByteArray &old_text, const QByteArray &diff)
{
    const QList<QByteArray> old_lines = old_text.split('\n');
    QList<QByteArray> lines = diff.split('\n').mid(2);
    QByteArray text;
    int next_old = 0; // 0-based
    for (const QByteArray &line : lines) {
        if (line.startsWith("@@")) {
            const QList<QByteArray> range = line.split(' ').at(1).mid(1).split(',');
            int first = range.at(0).toInt() - 1;
            if (range.size() > 1 && range.at(1) == "0")
                ++first;
            while (next_old < first)
                text += old_lines.at(next_old++) + '\n';
        } else if (line.startsWith(' ') || line.startsWith('-')) {
            if (line.mid(1) != old_lines.at(next_old))
                return "<context does not match>";
            if (line.startsWith(' '))
                text += line.mid(1) + '\n';
            ++next_old;
        } else if (line.startsWith('+')) {
            text += line.mid(1) + '\n';
        }
    }
    while (next_old < old_lines.size() - 1)
        text += old_lines.at(next_old++) + '\n';
    return text;
}

} // namespace

class TestUnifiedDiff : public QObject
{
    Q_OBJECT

private slots:
    void diff_data()
    {
        QTest::addColumn<QByteArray>("old_text");
        QTest::addColumn<QByteArray>("new_text");
        QTest::addColumn<QByteArray>("diff");

        const QByteArray head = "--- Game.ini\n+++ Game.ini\n";
        QTest::newRow("a changed line with three lines around it")
            << numbered(20) << numbered(20).replace("\n10\n", "\nten\n")
            << head + "@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+ten\n 11\n 12\n 13\n";
        QTest::newRow("changes six lines apart: one hunk")
            << numbered(20) << numbered(20).replace("\n5\n", "\nv\n").replace("\n12\n", "\nw\n")
            << head + "@@ -2,14 +2,14 @@\n 2\n 3\n 4\n-5\n+v\n 6\n 7\n 8\n 9\n 10\n 11\n-12\n"
                      "+w\n 13\n 14\n 15\n";
        QTest::newRow("lines into an empty file") << QByteArray() << QByteArray("a\r\nb")
                                                  << head + "@@ -0,0 +1,2 @@\n+a\n+b\n"
                                                            "\\ No newline at end of file\n";
        QTest::newRow("a lone CR becomes CR LF")
            << QByteArray("a\rb") << QByteArray("a\r\nb")
            << head + "@@ -1,2 +1,2 @@\n-a\n+a\n b\n\\ No newline at end of file\n";
    }

    void diff()
    {
        QFETCH(QByteArray, old_text);
        QFETCH(QByteArray, new_text);
        QFETCH(QByteArray, diff);
        QCOMPARE(unified_diff(old_text, new_text, QStringLiteral("Game.ini")), diff);
    }

    // Random edits of random texts: the diff turns the old text into the new one, and is empty
    // for equal texts.
    void diff_applies()
    {
        QRandomGenerator random(1207);
        for (int round = 0; round < 500; ++round) {
            QByteArray old_text;
            QByteArray new_text;
            for (int k = random.bounded(40); k > 0; --k) {
                const QByteArray line = QByteArray::number(random.bounded(6)) + '\n';
                const int edit = random.bounded(5);
                if (edit != 0)
                    old_text += line;
                if (edit != 1)
                    new_text += edit == 2 ? QByteArray::number(random.bounded(6)) + '\n' : line;
            }
            const QByteArray diff = unified_diff(old_text, new_text, QStringLiteral("f"));
            QCOMPARE(diff.isEmpty(), old_text == new_text);
            if (!diff.isEmpty())
                QCOMPARE(patched(old_text, diff), new_text);
        }
    }
};

QTEST_APPLESS_MAIN(TestUnifiedDiff)
#include "tst_unified_diff.moc"

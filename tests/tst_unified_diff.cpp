// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"
#include "gameini/unified_diff.h"

#include <QProcess>
#include <QTemporaryDir>
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

// The lines of a text, each with its own line end (LF, CR LF or a lone CR).
QList<QByteArray> lines_of(const QByteArray &text)
{
    QList<QByteArray> lines;
    for (int at = 0; at < text.size();) {
        int end = at;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (end < text.size())
            end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
        lines << text.mid(at, end - at);
        at = end;
    }
    return lines;
}

// Old lines [first, first + count), 0-based, become `lines`.
LineEdit edit(const QByteArray &text, int first, int count, const QByteArray &lines)
{
    const QList<QByteArray> old = lines_of(text);
    int from = 0;
    for (int k = 0; k < first; ++k)
        from += old[k].size();
    int to = from;
    for (int k = first; k < first + count; ++k)
        to += old[k].size();
    return {from, to, lines};
}

// The text that patch -p1 makes of `old_text` with `diff`, hunk by hunk where they say, without
// fuzz and without a word on either output but the file's name.
QByteArray patched(const QByteArray &old_text, const QByteArray &diff)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("Game.ini")));
    if (!file.open(QIODevice::WriteOnly) || file.write(old_text) != old_text.size())
        return "<not written>";
    file.close();
    QProcess patch;
    patch.setWorkingDirectory(folder.path());
    patch.setProcessChannelMode(QProcess::MergedChannels);
    patch.start(QStringLiteral("patch"), {"-p1", "--batch", "--fuzz=0"});
    patch.write(diff);
    patch.closeWriteChannel();
    if (!patch.waitForFinished() || patch.exitCode() != 0 ||
        patch.readAll() != "patching file Game.ini\n")
        return "<patch failed>";
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Edits = std::vector<LineEdit>;

} // namespace

Q_DECLARE_METATYPE(Edits)

class TestUnifiedDiff : public QObject
{
    Q_OBJECT

private slots:
    void diff_data()
    {
        QTest::addColumn<QByteArray>("old_text");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QByteArray>("diff");

        const QByteArray head = "--- a/Game.ini\n+++ b/Game.ini\n";
        const QByteArray twenty = numbered(20);
        QTest::newRow("a changed line with three lines around it")
            << twenty << Edits{edit(twenty, 9, 1, "ten\n")}
            << head + "@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+ten\n 11\n 12\n 13\n";
        QTest::newRow("changes six lines apart: one hunk")
            << twenty << Edits{edit(twenty, 4, 1, "v\n"), edit(twenty, 11, 1, "w\n")}
            << head + "@@ -2,14 +2,14 @@\n 2\n 3\n 4\n-5\n+v\n 6\n 7\n 8\n 9\n 10\n 11\n-12\n"
                      "+w\n 13\n 14\n 15\n";
        QTest::newRow("changes seven lines apart: two hunks")
            << twenty << Edits{edit(twenty, 2, 1, ""), edit(twenty, 10, 0, "x\n")}
            << head + "@@ -1,6 +1,5 @@\n 1\n 2\n-3\n 4\n 5\n 6\n"
                      "@@ -8,6 +7,7 @@\n 8\n 9\n 10\n+x\n 11\n 12\n 13\n";
        QTest::newRow("lines an edit leaves as they were are context")
            << twenty << Edits{edit(twenty, 0, 5, "1\n2\nII\n4\n5\n")}
            << head + "@@ -1,6 +1,6 @@\n 1\n 2\n-3\n+II\n 4\n 5\n 6\n";
        QTest::newRow("lines into an empty file")
            << QByteArray() << Edits{{0, 0, "a\r\nb"}}
            << head + "@@ -0,0 +1,2 @@\n+a\r\n+b\n\\ No newline at end of file\n";
        QTest::newRow("CR LF lines keep their ends; a lone CR becomes CR LF")
            << QByteArray("a\rb\r\n") << Edits{{0, 2, "a\r\n"}}
            << head + "@@ -1,2 +1,2 @@\n-a\r+a\r\n b\r\n";
        QTest::newRow("an edit that changes nothing")
            << twenty << Edits{edit(twenty, 3, 2, "4\n5\n")} << QByteArray();
    }

    void diff()
    {
        QFETCH(QByteArray, old_text);
        QFETCH(Edits, edits);
        QFETCH(QByteArray, diff);
        QCOMPARE(unified_diff(old_text, edits, QStringLiteral("Game.ini")), diff);
    }

    // Random edits of random texts in mixed line ends: patch turns the old text into the edited
    // one with the diff, which is empty when the edits change nothing.
    void diff_applies()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("patch")).isEmpty())
            QSKIP("patch is not installed");
        QRandomGenerator random(1207);
        const char *const ends[] = {"\n", "\r\n"};
        const auto random_line = [&] {
            return QByteArray::number(random.bounded(4)) + ends[random.bounded(2)];
        };
        for (int round = 0; round < 500; ++round) {
            QByteArray old_text;
            const int count = random.bounded(30);
            for (int k = 0; k < count; ++k)
                old_text += random_line();
            Edits edits;
            for (int line = 0; line <= count; line += 1 + random.bounded(6)) {
                const int removed = std::min(random.bounded(3), count - line);
                QByteArray added;
                for (int k = random.bounded(3); k > 0; --k)
                    added += random_line();
                edits.push_back(edit(old_text, line, removed, added));
                line += removed;
            }
            const QByteArray new_text = applied(old_text, edits);
            const QByteArray diff = unified_diff(old_text, edits, QStringLiteral("Game.ini"));
            QCOMPARE(diff.isEmpty(), old_text == new_text);
            if (!diff.isEmpty())
                QCOMPARE(patched(old_text, diff), new_text);
        }
    }

    void patch_gives_the_merged_bytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray file =
            "[ServerSettings]\nPort=7777\n[/script/shootergame.shootergamemode]\n"
            "bPvE=True\nOverridePlayerLevelEngramPoints=3\n"
            "OverrideMaxExperiencePointsPlayer=10\nMatingSpeed=2";
        QTest::newRow("LF") << file;
        QTest::newRow("CR LF") << QByteArray(file).replace("\n", "\r\n");
        QTest::newRow("UTF-16 LE, patched as UTF-8")
            << encode_game_ini(QByteArray(file).replace("\n", "\r\n"), GameIniEncoding::Utf16LE);
    }

    // The merge's diff, applied by patch -p1 to the file (to its UTF-8 text for a UTF-16 file),
    // gives exactly the bytes the merge writes.
    void patch_gives_the_merged_bytes()
    {
        QFETCH(QByteArray, file);
        if (QStandardPaths::findExecutable(QStringLiteral("patch")).isEmpty())
            QSKIP("patch is not installed");
        const auto decoded = decode_game_ini(file);
        QVERIFY(decoded);
        GameIniChoices choices;
        choices.max_xp_overrides = true;
        const GameIniMerge merged = merge_level_progression(decoded->text, choices);
        QCOMPARE(patched(decoded->text, unified_diff(decoded->text, merged.edits, "Game.ini")),
                 merged.text);
    }
};

QTEST_APPLESS_MAIN(TestUnifiedDiff)
#include "tst_unified_diff.moc"

// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_encoding.h"

#include <QtTest>

Q_DECLARE_METATYPE(GameIniEncoding)

namespace {

const QString kText = QStringLiteral("[/script/shootergame.shootergamemode]\r\nMotd=Grüße 🐉\r");

QByteArray utf16(const QString &text, bool little)
{
    QByteArray raw = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        raw += little ? QByteArray(1, low) + high : QByteArray(1, high) + low;
    }
    return raw;
}

} // namespace

class TestGameIniEncoding : public QObject
{
    Q_OBJECT

private slots:
    void round_trip_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<GameIniEncoding>("encoding");
        QTest::addColumn<QByteArray>("text");
        const QByteArray utf8 = kText.toUtf8(), bom = "\xEF\xBB\xBF" + utf8,
                         zero("A=1\0B=2\r\n", 9);
        QTest::newRow("UTF-8") << utf8 << GameIniEncoding::Utf8 << utf8;
        QTest::newRow("UTF-8, its byte-order mark kept") << bom << GameIniEncoding::Utf8 << bom;
        QTest::newRow("UTF-16 LE") << utf16(kText, true) << GameIniEncoding::Utf16LE << utf8;
        QTest::newRow("UTF-16 BE") << utf16(kText, false) << GameIniEncoding::Utf16BE << utf8;
        // Text cut in half keeps its lone surrogates, as the three bytes of their code points.
        const QString lone = kText + QChar(0xD800) + QStringLiteral("x\n") + QChar(0xDC00);
        const QByteArray lone_text = utf8 + "\xED\xA0\x80x\n\xED\xB0\x80";
        QTest::newRow("UTF-16 LE, lone surrogates")
            << utf16(lone, true) << GameIniEncoding::Utf16LE << lone_text;
        QTest::newRow("UTF-16 BE, lone surrogates")
            << utf16(lone, false) << GameIniEncoding::Utf16BE << lone_text;
        QTest::newRow("empty") << QByteArray() << GameIniEncoding::Utf8 << QByteArray();
        QTest::newRow("a zero byte in UTF-8 text") << zero << GameIniEncoding::Utf8 << zero;
    }

    void round_trip()
    {
        QFETCH(QByteArray, raw);
        QFETCH(GameIniEncoding, encoding);
        QFETCH(QByteArray, text);
        const auto decoded = decode_game_ini(raw);
        QVERIFY(decoded);
        QCOMPARE(decoded->text, text);
        QCOMPARE(decoded->encoding, encoding);
        QCOMPARE(encode_game_ini(text, encoding), raw);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("reason");

        QTest::newRow("UTF-16 LE without a mark")
            << utf16(QStringLiteral("A=1\r\n"), true).mid(2)
            << "the text is UTF-16 LE without a byte-order mark; save it as UTF-8, or as UTF-16 "
               "with a byte-order mark";
        QTest::newRow("UTF-16 BE without a mark")
            << utf16(QStringLiteral("A=1\r\n"), false).mid(2)
            << "the text is UTF-16 BE without a byte-order mark; save it as UTF-8, or as UTF-16 "
               "with a byte-order mark";
        QTest::newRow("cut short") << utf16(QStringLiteral("A=1"), true).chopped(1)
                                   << "the text is UTF-16 LE but ends in half a character";
    }

    void refused()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QString, reason);
        const auto decoded = decode_game_ini(raw);
        QVERIFY(!decoded);
        QCOMPARE(decoded.reason(), reason);
    }
};

QTEST_APPLESS_MAIN(TestGameIniEncoding)
#include "tst_game_ini_encoding.moc"

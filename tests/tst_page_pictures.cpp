// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_support.h"

#include <QLabel>
#include <QtTest>

// The pictures of the style pages are decoded when their page is first shown: a page that
// reaches the screen without them is the fault these tests catch.
class TestPagePictures : public QObject
{
    Q_OBJECT

private slots:
    void style_pages_show_their_pictures_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("player style")
            << 1 << QStringList{"label_3", "label_4", "label_5", "label_6"}
            << QStringList{"XpCurve", "XpExpo", "XpLinear", "XpStock"};
        QTest::newRow("engram style")
            << 3
            << QStringList{"label_37", "label_38", "label_39", "label_40", "label_42", "label_43"}
            << QStringList{"engStock",  "engCurve",  "engLinear",
                           "engStatic", "RevengCur", "RevengLin"};
        QTest::newRow("creature style")
            << 5 << QStringList{"label_20", "label_19", "label_18", "label_16"}
            << QStringList{"DnCurve", "DnExpo", "DnLinear", "DnStock"};
    }

    void style_pages_show_their_pictures()
    {
        QFETCH(int, page);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, pictures);

        ShownWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        go_to_page(window, page);

        for (int i = 0; i < labels.size(); ++i) {
            const QLabel *label = child<QLabel>(window, labels.at(i));
            const QImage expected(QStringLiteral(":/img/graph/%1.jpg").arg(pictures.at(i)));
            QVERIFY(!expected.isNull());
            const QImage shown = label->pixmap(Qt::ReturnByValue).toImage();
            QVERIFY2(shown.convertToFormat(expected.format()) == expected,
                     qPrintable(labels.at(i)));
        }
    }
};

QTEST_MAIN(TestPagePictures)
#include "tst_page_pictures.moc"

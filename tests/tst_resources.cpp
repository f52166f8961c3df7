// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/resource_bundle.h"

#include <QImageReader>
#include <QtTest>

#include <tuple>

static const ResourceBundle resources;

// Every picture of the bundle, grouped by the format and size the forms and style sheets expect.
// clang-format off
static const std::tuple<const char *, QSize, const char *> kResources[] = {
    {"jpeg", {950, 530}, ":/img/graph/ApBG.jpg"},
    {"png", {228, 88}, ":/img/graph/FFbut.png :/img/graph/FLbut.png :/img/graph/SSbut.png"
                       " :/img/graph/BFbut.png :/img/graph/BLbut.png :/img/graph/SBbut.png"},
    {"png", {128, 128}, ":/img/graph/refresh2.png :/img/graph/refresh1.png"},
    {"jpeg", {250, 110}, ":/img/graph/XpCurve.jpg :/img/graph/XpExpo.jpg"
                         " :/img/graph/XpLinear.jpg :/img/graph/XpStock.jpg"
                         " :/img/graph/engCurve.jpg :/img/graph/engLinear.jpg"
                         " :/img/graph/engStatic.jpg :/img/graph/engStock.jpg"
                         " :/img/graph/RevengCur.jpg :/img/graph/RevengLin.jpg"
                         " :/img/graph/DnCurve.jpg :/img/graph/DnExpo.jpg"
                         " :/img/graph/DnLinear.jpg :/img/graph/DnStock.jpg"},
    {"jpeg", {200, 191}, ":/img/graph/portrait_developers.jpg :/img/graph/portrait_design.jpg"},
    {"jpeg", {390, 311}, ":/img/BG/accessDenied.jpg"},
    {"jpeg", {456, 388}, ":/img/BG/nuke.jpg"},
    {"png", {332, 239}, ":/img/BG/doingwrong.png"},
    {"ico", {256, 256}, ":/quillmark.ico"}};
// clang-format on

class tst_resources : public QObject
{
    Q_OBJECT

private slots:
    void resource_has_its_format_and_size_data();
    void resource_has_its_format_and_size();
};

void tst_resources::resource_has_its_format_and_size_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    for (const auto &[format, size, paths] : kResources)
        for (const QString &path : QString::fromLatin1(paths).split(' '))
            QTest::newRow(qPrintable(path)) << QByteArray(format) << size;
}

void tst_resources::resource_has_its_format_and_size()
{
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"

// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"

#include <QStackedWidget>
#include <QTextBrowser>
#include <QtTest>

static const ResourceBundle resources;

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void help_pages_hold_their_browsers_in_order();
    void wiki_links_open_outside();

private:
    MainWindow window;
};

void TestMainWindowForm::help_pages_hold_their_browsers_in_order()
{
    const auto *help = window.findChild<QStackedWidget *>("Help_pgs");
    const QStringList in_order =
        QStringLiteral("Hlp_intro Hlp_plrXPc Hlp_plrXPs Hlp_plrSPc "
                       "Hlp_plrSPs Hlp_dnoXPc Hlp_dnoXPs Hlp_conFig Hlp_End")
            .split(' ');
    QCOMPARE(help->count(), in_order.size());
    for (int i = 0; i < help->count(); ++i) {
        const QWidget *page = help->widget(i);
        QCOMPARE(page->objectName(), QStringLiteral("H_pge%1").arg(i));
        const auto browsers = page->findChildren<QTextBrowser *>();
        QCOMPARE(browsers.size(), 1);
        QCOMPARE(browsers.first()->objectName(), in_order.at(i));
    }
}

void TestMainWindowForm::wiki_links_open_outside()
{
    for (const char *name : {"textBrowser_2", "Hlp_conFig"}) {
        const auto *browser = window.findChild<QTextBrowser *>(name);
        // A link must open in the desktop's browser, never inside the help text.
        QVERIFY2(browser && browser->openExternalLinks(), name);
        QVERIFY2(browser->toHtml().contains(
                     "href=\"https://ark.wiki.gg/wiki/Server_configuration#Game.ini\""),
                 name);
    }
}

QTEST_MAIN(TestMainWindowForm)
#include "tst_mainwindow_form.moc"

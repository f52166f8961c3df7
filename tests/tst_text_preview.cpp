// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_ini_preview.h"
#include "dialogs/ramp_plot.h"
#include "file_faults.h"
#include "test_support.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

// Warnings printed while the plot paints, such as a painter's complaints.
QStringList warnings;
void record_warning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

// A look that shows the text preview's Curves tab and hands its plot to `then`.
std::function<void(QWidget &)> on_curves(const std::function<void(RampPlot &)> &then)
{
    return [then](QWidget &dialog) {
        if (!qobject_cast<GameIniPreview *>(&dialog))
            return;
        auto *tabs = child<QTabWidget>(dialog, "tabs");
        tabs->setCurrentWidget(child<QWidget>(dialog, "tab_curves"));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Curves"));
        then(*child<RampPlot>(dialog, "ramp_plot"));
    };
}

} // namespace

class TestTextPreview : public QObject
{
    Q_OBJECT

private slots:
    // The settings button under it is never shown.
    void show_text_button_covers_no_visible_control()
    {
        ShownWindow window;
        auto *button = child<QPushButton>(window, "btn_preview_text");
        for (QWidget *other : button->parentWidget()->findChildren<QWidget *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisibleTo(button->parentWidget()))
                QVERIFY2(!other->geometry().intersects(button->geometry()),
                         qPrintable(other->objectName()));
        }
    }

    // The text comes from the generator the command-line tool shares (tst_cli_matches_window
    // compares the two over a table of choices); here the dialog shows, counts and copies it,
    // with custom code ending the file without a line end.
    void shows_and_copies_what_generate_writes()
    {
        ShownWindow window;
        operate(window, "player_linear player_target_lvl=4000 Add_MaxXp Add_CustomCode");
        child<QTextEdit>(window, "textInput_custom_code")
            ->setPlainText(QStringLiteral("bPvE=True\n\nMotd=Gr\u00FC\u00DF\n"));
        const QString path = folder.filePath(QStringLiteral("generated.ini"));
        QFile::remove(path);
        QCOMPARE(generate(window, path), (QStringList{"QFileDialog", "thanxForUsing"}));
        const QByteArray file = contents(path);
        QStringList lines = QString::fromUtf8(file).split(QStringLiteral("\r\n"));
        if (lines.last().isEmpty())
            lines.removeLast();

        // Read while the dialog is open: the text, its size, and what Copy puts on the clipboard.
        Operator user;
        user.look = [&](QWidget &preview) {
            QVERIFY(preview.isModal() && preview.parentWidget() == &window);
            QCOMPARE(child<QPlainTextEdit>(preview, "text_view")->toPlainText(),
                     QString::fromUtf8(file).replace(QStringLiteral("\r\n"), "\n"));
            QCOMPARE(child<QLabel>(preview, "lbl_size")->text(),
                     QStringLiteral("%1 lines, %2 bytes").arg(lines.size()).arg(file.size()));
            auto *copy = child<QPushButton>(preview, "btn_copy");
            copy->click();
            QCOMPARE(copy->text(), QStringLiteral("Copied"));
        };
        operate(window, "btn_preview_text");
        QCOMPARE(user.seen, QStringList{"GameIniPreview"});
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), file);
    }

    void failed_merge_or_picture_changes_nothing_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("message");
        QTest::newRow("merge") << QString("btn_merge") << QString(" was not changed: ");
        QTest::newRow("picture") << QString("btn_save_picture") << QString(" was not saved: ");
    }

    // A named pipe stands for every file fault, which the shared file code meets in
    // tst_cli_files. The failure is reported over the dialog, with no backup left behind.
    void failed_merge_or_picture_changes_nothing()
    {
        QFETCH(QString, press);
        QFETCH(QString, message);
        const QString path = folder.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        ShownWindow window;
        Operator user(path);
        user.press = QStringList{press};
        operate(window, "btn_preview_text");
        QCOMPARE(user.seen.last(), QStringLiteral("QMessageBox"));
        QVERIFY2(user.messages.last().startsWith(path + message), qPrintable(user.messages.last()));
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
    }

    void curves_paint_every_level_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("player_values");
        QTest::addColumn<int>("creature_values");
        QTest::addColumn<int>("engram_values");

        QTest::newRow("most levels") << "player_linear player_target_lvl=4000 dino_curve "
                                        "dino_target_level=4000 player_eng_linear"
                                     << 3999 << 3999 << 3999;
        QTest::newRow("skipped player, stock creatures")
            << "dino_skip player_skip no_player_xp_max_engram_level=4000" << 0 << 0 << 3999;
    }

    // What it plots is checked against the file in tst_ramp_series; here the dialog hands
    // over the current choices and draws them, pointed at or not, without a complaint.
    void curves_paint_every_level()
    {
        QFETCH(QString, actions);
        ShownWindow window;
        operate(window, actions);

        QSize painted;
        RampSeries series;
        warnings.clear();
        Operator user;
        user.look = on_curves([&](RampPlot &plot) {
            series = plot.series();
            const QtMessageHandler previous = qInstallMessageHandler(record_warning);
            plot.grab();
            const QPointF middle(plot.width() / 2, plot.height() / 2);
            QMouseEvent move(QEvent::MouseMove, middle, QPointF(plot.mapToGlobal(middle.toPoint())),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&plot, &move);
            painted = plot.grab().size();
            qInstallMessageHandler(previous);
        });
        operate(window, "btn_preview_text");

        QVERIFY(!painted.isEmpty());
        QCOMPARE(warnings, QStringList());
        QTEST(int(series.player_xp.size()), "player_values");
        QTEST(int(series.creature_xp.size()), "creature_values");
        QTEST(int(series.engram_points.size()), "engram_values");
    }

    // The picture is the plot as shown, at its size.
    void save_picture()
    {
        const QString path = folder.filePath(QStringLiteral("ramps.png"));
        ShownWindow window;
        QSize plot_size;
        Operator user(path);
        user.look = on_curves([&](RampPlot &plot) { plot_size = plot.size(); });
        user.press = QStringList{QStringLiteral("btn_save_picture")};
        operate(window, "btn_preview_text");
        QVERIFY(!plot_size.isEmpty());
        QCOMPARE(user.seen, (QStringList{"GameIniPreview", "QFileDialog"}));
        QCOMPARE(QImage(path).size(), plot_size);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestTextPreview)
#include "tst_text_preview.moc"

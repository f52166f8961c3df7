// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_ini_preview.h"
#include "dialogs/ramp_plot.h"
#include "file_faults.h"
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

// What the preview dialog showed and copied, read while it is open.
struct Seen {
    QWidget *parent = nullptr;
    bool modal = false;
    QString text;
    QString size;
    QString copy_button;
    QByteArray clipboard;
};

// Opens the preview from the summary page, copies its text and closes it.
Seen preview_and_copy(MainWindow &window)
{
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *preview = qobject_cast<GameIniPreview *>(modal);
        if (!preview) {
            qobject_cast<QDialog *>(modal)->reject();
            return;
        }
        seen.parent = preview->parentWidget();
        seen.modal = preview->isModal();
        seen.text = child<QPlainTextEdit>(*preview, "text_view")->toPlainText();
        seen.size = child<QLabel>(*preview, "lbl_size")->text();
        auto *copy = child<QPushButton>(*preview, "btn_copy");
        copy->click();
        seen.copy_button = copy->text();
        seen.clipboard = QGuiApplication::clipboard()->text().toUtf8();
        child<QPushButton>(*preview, "btn_close")->click();
    });
    child<QPushButton>(window, "btn_preview_text")->click();
    return seen;
}

// Warnings printed while it lives, such as a painter's complaints.
class WarningLog
{
public:
    WarningLog()
    {
        warnings.clear();
        previous = qInstallMessageHandler(&WarningLog::record);
    }
    ~WarningLog() { qInstallMessageHandler(previous); }
    static inline QStringList warnings;

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            warnings << message;
    }
    QtMessageHandler previous;
};

// Shows the Curves tab of the dialog that opens next and hands its plot to `then`.
void on_curves_when_open(const std::function<void(RampPlot &)> &then)
{
    QTimer::singleShot(0, [then] {
        auto *preview = qobject_cast<GameIniPreview *>(QApplication::activeModalWidget());
        QVERIFY(preview);
        auto *tabs = child<QTabWidget>(*preview, "tabs");
        tabs->setCurrentWidget(child<QWidget>(*preview, "tab_curves"));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Curves"));
        then(*child<RampPlot>(*preview, "ramp_plot"));
    });
}

} // namespace

class TestTextPreview : public QObject
{
    Q_OBJECT

private slots:
    // The settings button under it is never shown.
    void show_text_button_covers_no_visible_control()
    {
        MainWindow window;
        window.show();
        auto *button = child<QPushButton>(window, "btn_preview_text");
        for (QWidget *other : button->parentWidget()->findChildren<QWidget *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisibleTo(button->parentWidget()))
                QVERIFY2(!other->geometry().intersects(button->geometry()),
                         qPrintable(other->objectName()));
        }
    }

    void shows_and_copies_what_generate_writes_data()
    {
        QTest::addColumn<QString>("actions");

        QTest::newRow("start values") << "";
        QTest::newRow("skipped player, no header") << "player_skip Add_SS";
        QTest::newRow("most levels, caps, custom code ending the file without a line end")
            << "player_linear player_target_lvl=4000 dino_lin dino_target_level=4000 Add_MaxXp "
               "Add_CustomCode";
    }

    void shows_and_copies_what_generate_writes()
    {
        QFETCH(QString, actions);
        MainWindow window;
        window.show();
        operate(window, actions);
        child<QTextEdit>(window, "textInput_custom_code")
            ->setPlainText(QStringLiteral("bPvE=True\n\nMotd=Gr\u00FC\u00DF\n"));
        const QString path = folder.filePath(QStringLiteral("generated.ini"));
        QFile::remove(path);
        {
            Operator user(path);
            child<QPushButton>(window, "Gen_btn")->click();
            QCOMPARE(user.seen, (QStringList{"QFileDialog", "thanxForUsing"}));
        }
        const QByteArray file = contents(path);

        const Seen seen = preview_and_copy(window);
        QCOMPARE(seen.parent, &window);
        QVERIFY(seen.modal);
        QCOMPARE(seen.text, QString::fromUtf8(file).replace(QStringLiteral("\r\n"), "\n"));
        QCOMPARE(seen.clipboard, file);
        QCOMPARE(seen.copy_button, QStringLiteral("Copied"));
        QStringList lines = QString::fromUtf8(file).split(QStringLiteral("\r\n"));
        if (lines.last().isEmpty())
            lines.removeLast();
        QCOMPARE(seen.size,
                 QStringLiteral("%1 lines, %2 bytes").arg(lines.size()).arg(file.size()));
    }

    void merge_starts_in_the_folder_last_used()
    {
        const QString used = folder.filePath(QStringLiteral("used"));
        QVERIFY(QDir().mkpath(used));
        MainWindow window;
        window.show();
        {
            Operator user(used + QStringLiteral("/Game.ini"));
            child<QPushButton>(window, "Gen_btn")->click();
        }
        // Cancelling the file dialog merges nothing and asks nothing more.
        Operator user{QString()};
        user.press = QStringLiteral("btn_merge");
        child<QPushButton>(window, "btn_preview_text")->click();
        QCOMPARE(user.seen, (QStringList{"GameIniPreview", "QFileDialog"}));
        QCOMPARE(user.start_folders, QStringList{used});
    }

    void merge_failure_changes_nothing_data()
    {
        QTest::addColumn<QByteArray>("utf16");
        QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE[\0S\0]\0");
        QTest::newRow("named pipe") << QByteArray();
    }

    void merge_failure_changes_nothing()
    {
        QFETCH(QByteArray, utf16);
        const QString path = folder.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(utf16.isEmpty() ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                : put(path, utf16));
        MainWindow window;
        window.show();
        Operator user(path);
        user.press = QStringLiteral("btn_merge");
        child<QPushButton>(window, "btn_preview_text")->click();
        QCOMPARE(user.seen, (QStringList{"GameIniPreview", "QFileDialog", "QMessageBox"}));
        QVERIFY(user.messages[0].startsWith(path + QStringLiteral(" was not changed: ")));
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
        if (!utf16.isEmpty())
            QCOMPARE(contents(path), utf16);
    }

    void curves_paint_every_level_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("player_values");
        QTest::addColumn<int>("creature_values");
        QTest::addColumn<int>("engram_values");

        QTest::newRow("fewest levels") << "player_target_lvl=10 dino_lin dino_target_level=10 "
                                          "player_eng_mmo"
                                       << 9 << 9 << 9;
        QTest::newRow("most levels") << "player_linear player_target_lvl=4000 dino_curve "
                                        "dino_target_level=4000 player_eng_linear"
                                     << 3999 << 3999 << 3999;
        QTest::newRow("copied stock ramps, stock engram points")
            << "player_stock copy_player2dino_settings player_eng_skip" << 114 << 114 << 0;
        QTest::newRow("skipped player, stock creatures")
            << "dino_skip player_skip no_player_xp_max_engram_level=4000" << 0 << 0 << 3999;
    }

    // What it plots is checked against the file in tst_ramp_series; here the dialog hands
    // over the current choices and draws them, pointed at or not, without a complaint.
    void curves_paint_every_level()
    {
        QFETCH(QString, actions);
        MainWindow window;
        window.show();
        operate(window, actions);

        QSize painted;
        RampSeries series;
        QStringList warnings;
        on_curves_when_open([&](RampPlot &plot) {
            series = plot.series();
            const WarningLog log;
            plot.grab();
            const QPointF middle(plot.width() / 2, plot.height() / 2);
            QMouseEvent move(QEvent::MouseMove, middle, QPointF(plot.mapToGlobal(middle.toPoint())),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&plot, &move);
            painted = plot.grab().size();
            warnings = log.warnings;
            QApplication::activeModalWidget()->close();
        });
        child<QPushButton>(window, "btn_preview_text")->click();

        QVERIFY(!painted.isEmpty());
        QCOMPARE(warnings, QStringList());
        QTEST(int(series.player_xp.size()), "player_values");
        QTEST(int(series.creature_xp.size()), "creature_values");
        QTEST(int(series.engram_points.size()), "engram_values");
    }

    void save_picture_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("saved") << true;
        QTest::newRow("named pipe") << false;
    }

    void save_picture()
    {
        QFETCH(bool, writable);
        const QString path = folder.filePath(QTest::currentDataTag() + QStringLiteral(".png"));
        if (!writable)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        MainWindow window;
        window.show();
        QSize plot_size;
        on_curves_when_open([&](RampPlot &plot) { plot_size = plot.size(); });
        Operator user(path);
        user.press = QStringLiteral("btn_save_picture");
        child<QPushButton>(window, "btn_preview_text")->click();

        QVERIFY(!plot_size.isEmpty());
        if (writable) {
            QCOMPARE(user.seen, (QStringList{"GameIniPreview", "QFileDialog"}));
            QCOMPARE(QImage(path).size(), plot_size);
        } else {
            QCOMPARE(user.seen.last(), QStringLiteral("QMessageBox"));
            QVERIFY2(user.messages.last().startsWith(path + QStringLiteral(" was not saved: ")),
                     qPrintable(user.messages.last()));
        }
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestTextPreview)
#include "tst_text_preview.moc"

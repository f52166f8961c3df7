#include "mainwindow/font_fallbacks.h"
#include "mainwindow/resource_bundle.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QtTest>

static const ResourceBundle resources;

namespace
{

struct Resource {
    const char *path;
    const char *format;
    QSize size;
};

// Every picture of the bundle as the forms and style sheets expect it.
const Resource kResources[] = {
    {":/img/graph/ApBG.jpg", "jpeg", {950, 530}},
    {":/img/graph/FFbut.png", "png", {228, 88}},
    {":/img/graph/FLbut.png", "png", {228, 88}},
    {":/img/graph/SSbut.png", "png", {228, 88}},
    {":/img/graph/BFbut.png", "png", {228, 88}},
    {":/img/graph/BLbut.png", "png", {228, 88}},
    {":/img/graph/SBbut.png", "png", {228, 88}},
    {":/img/graph/refresh2.png", "png", {128, 128}},
    {":/img/graph/refresh1.png", "png", {128, 128}},
    {":/img/graph/XpCurve.jpg", "jpeg", {250, 110}},
    {":/img/graph/XpExpo.jpg", "jpeg", {250, 110}},
    {":/img/graph/XpLinear.jpg", "jpeg", {250, 110}},
    {":/img/graph/XpStock.jpg", "jpeg", {250, 110}},
    {":/img/graph/engCurve.jpg", "jpeg", {250, 110}},
    {":/img/graph/engLinear.jpg", "jpeg", {250, 110}},
    {":/img/graph/engStatic.jpg", "jpeg", {250, 110}},
    {":/img/graph/engStock.jpg", "jpeg", {250, 110}},
    {":/img/graph/RevengCur.jpg", "jpeg", {250, 110}},
    {":/img/graph/RevengLin.jpg", "jpeg", {250, 110}},
    {":/img/graph/DnCurve.jpg", "jpeg", {250, 110}},
    {":/img/graph/DnExpo.jpg", "jpeg", {250, 110}},
    {":/img/graph/DnLinear.jpg", "jpeg", {250, 110}},
    {":/img/graph/DnStock.jpg", "jpeg", {250, 110}},
    {":/img/graph/portrait_developers.jpg", "jpeg", {200, 191}},
    {":/img/graph/portrait_design.jpg", "jpeg", {200, 191}},
    {":/img/BG/accessDenied.jpg", "jpeg", {390, 311}},
    {":/img/BG/nuke.jpg", "jpeg", {456, 388}},
    {":/img/BG/doingwrong.png", "png", {332, 239}},
    {":/quillmark.ico", "ico", {256, 256}},
};

// Collects every message Qt prints while it lives.
class MessageLog
{
public:
    MessageLog() : previous(qInstallMessageHandler(&MessageLog::record)) { messages().clear(); }
    ~MessageLog() { qInstallMessageHandler(previous); }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    static QStringList &messages()
    {
        static QStringList log;
        return log;
    }

private:
    static void record(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        messages() << message;
    }
    QtMessageHandler previous;
};

} // namespace

class tst_resources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resource_has_its_format_and_size_data();
    void resource_has_its_format_and_size();
    void icon_is_one_image_of_32_bits();
    void bundle_holds_only_the_listed_pictures();
    void missing_resource_leaves_label_without_picture();
    void missing_background_image_paints_nothing();
    void form_font_resolves_to_its_stand_in_data();
    void form_font_resolves_to_its_stand_in();
};

void tst_resources::initTestCase()
{
    install_font_fallbacks();
}

void tst_resources::resource_has_its_format_and_size_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    for (const Resource &resource : kResources)
        QTest::newRow(resource.path)
            << QString::fromLatin1(resource.path) << QByteArray(resource.format) << resource.size;
}

void tst_resources::resource_has_its_format_and_size()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void tst_resources::icon_is_one_image_of_32_bits()
{
    QImageReader reader(QStringLiteral(":/quillmark.ico"));
    QCOMPARE(reader.imageCount(), 1);
    const QImage icon = reader.read();
    QCOMPARE(icon.depth(), 32);
    QVERIFY(icon.hasAlphaChannel());
    // The tile has rounded corners, so the corner pixel is see-through.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
}

void tst_resources::bundle_holds_only_the_listed_pictures()
{
    QStringList listed;
    for (const Resource &resource : kResources)
        listed << QString::fromLatin1(resource.path);

    QStringList bundled;
    QDirIterator img(QStringLiteral(":/img"), QDir::Files, QDirIterator::Subdirectories);
    while (img.hasNext())
        bundled << img.next();
    bundled << QDir(QStringLiteral(":/"))
                   .entryList({QStringLiteral("*.ico")}, QDir::Files)
                   .replaceInStrings(QRegularExpression(QStringLiteral("^")), QStringLiteral(":/"));

    listed.sort();
    bundled.sort();
    QCOMPARE(bundled, listed);
}

void tst_resources::missing_resource_leaves_label_without_picture()
{
    const MessageLog log;
    const QPixmap missing(QStringLiteral(":/img/graph/NoSuchPicture.jpg"));
    QVERIFY(missing.isNull());

    QLabel label;
    label.resize(250, 110);
    label.setPixmap(missing);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!label.grab().isNull());
    QCOMPARE(log.messages(), QStringList());
}

void tst_resources::missing_background_image_paints_nothing()
{
    // A label whose sheet names a missing picture looks like one whose sheet names none. Qt
    // warns about the picture on the console; the widget paints on regardless.
    const auto render = [](const QString &sheet) {
        QLabel label;
        label.resize(120, 60);
        label.setStyleSheet(sheet);
        return label.grab().toImage();
    };
    const QString plain = QStringLiteral("background-color: rgb(45, 45, 45);");
    const QImage missing =
        render(plain + QStringLiteral("background-image: url(:/img/BG/NoSuchPicture.jpg);"));
    QCOMPARE(missing, render(plain));
    QVERIFY(render(plain + QStringLiteral("background-image: url(:/img/BG/nuke.jpg);")) !=
            render(plain));
}

void tst_resources::form_font_resolves_to_its_stand_in_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("stand_in");
    QTest::newRow("page title") << QStringLiteral("font: 63 26pt \"Minion Pro SmBd\";")
                                << QStringLiteral("Yrsa SemiBold");
    QTest::newRow("title-bar button")
        << QStringLiteral("font: 90 12pt \"Arial Black\";") << QStringLiteral("Lato Black");
    QTest::newRow("caption") << QStringLiteral("font:540 20pt \"MS Shell Dlg 2\";")
                             << QStringLiteral("Liberation Sans");
    QTest::newRow("instructions") << QStringLiteral("font: 9pt \"MS Shell Dlg 2\";")
                                  << QStringLiteral("Liberation Sans");
    QTest::newRow("button sheet")
        << QStringLiteral("font-family: \"Lucida Sans Typewriter\", \"Lucida Console\", Monaco, "
                          "\"Bitstream Vera Sans Mono\", monospace; font-size:20px;")
        << QStringLiteral("DejaVu Sans Mono");
    QTest::newRow("console") << QStringLiteral("font: 10pt \"Lucida Console\";")
                             << QStringLiteral("DejaVu Sans Mono");
}

void tst_resources::form_font_resolves_to_its_stand_in()
{
    QFETCH(QString, sheet);
    QFETCH(QString, stand_in);
    if (!QFontDatabase().families().contains(stand_in))
        QSKIP("the stand-in font is not installed");

    QLabel label(QStringLiteral("Next"));
    label.setStyleSheet(sheet);
    label.ensurePolished();
    QCOMPARE(QFontInfo(label.font()).family(), stand_in);
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"

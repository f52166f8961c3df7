// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the resource bundle, so that the images in resources/ can be made
// again from source: quillmark-draw-images <resources directory>

#include "chrome.h"
#include "dialog_pictures.h"
#include "ramp_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <vector>

namespace {

struct Output {
    QString path; // relative to the resources directory
    QImage image;
};

std::vector<Output> all_pictures()
{
    std::vector<Output> outputs = {
        {"img/graph/ApBG.jpg", draw_window_background()},
        {"img/graph/FFbut.png", draw_page_button(PageDirection::Next, ButtonState::Normal)},
        {"img/graph/FLbut.png", draw_page_button(PageDirection::Next, ButtonState::Pressed)},
        {"img/graph/SSbut.png", draw_page_button(PageDirection::Next, ButtonState::Disabled)},
        {"img/graph/BFbut.png", draw_page_button(PageDirection::Back, ButtonState::Normal)},
        {"img/graph/BLbut.png", draw_page_button(PageDirection::Back, ButtonState::Pressed)},
        {"img/graph/SBbut.png", draw_page_button(PageDirection::Back, ButtonState::Disabled)},
        {"img/graph/refresh2.png", draw_refresh_icon(false)},
        {"img/graph/refresh1.png", draw_refresh_icon(true)},
        {"img/graph/portrait_developers.jpg", draw_portrait(Contributor::Developers)},
        {"img/graph/portrait_design.jpg", draw_portrait(Contributor::Design)},
        {"img/BG/accessDenied.jpg", draw_access_denied()},
        {"img/BG/nuke.jpg", draw_nuke()},
        {"img/BG/doingwrong.png", draw_doing_wrong()},
    };
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        outputs.push_back({QStringLiteral("icons/hicolor/%1x%1/apps/quillmark.png").arg(size),
                           draw_application_icon(size)});
    }
    for (const RampPicture &picture : ramp_pictures())
        outputs.push_back({"img/graph/" + picture.file, draw_ramp_picture(picture)});
    // The Windows icon holds one 32-bit image with straight (not premultiplied) alpha.
    outputs.push_back(
        {"quillmark.ico", draw_application_icon().convertToFormat(QImage::Format_ARGB32)});
    return outputs;
}

bool write(const QDir &root, const Output &output, QTextStream &err)
{
    const QString path = root.filePath(output.path);
    if (!QDir().mkpath(QFileInfo(path).path())) {
        err << "cannot create the folder of " << path << '\n';
        return false;
    }
    QImageWriter writer(path);
    if (writer.format() == "jpg")
        writer.setQuality(90);
    if (!writer.write(output.image)) {
        err << "cannot write " << path << ": " << writer.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        err << "usage: quillmark-draw-images <resources directory>\n";
        return 2;
    }
    const QDir root(arguments.at(1));
    bool all_written = true;
    for (const Output &output : all_pictures())
        all_written = write(root, output, err) && all_written;
    return all_written ? 0 : 1;
}

// Draws every picture of the shipped catalogue and the welcome picture.
//
// Usage: quorvane_picturegen <output folder>
// Writes <output folder>/Images/*.jpg and <output folder>/Readme/mainw.jpg.
// Runs without a display when QT_QPA_PLATFORM=offscreen is set.

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "jpeg_writer.h"
#include "pictures.h"

namespace {

constexpr int kQuality = 85;

bool Save(const QImage& image, const QDir& folder, const QString& file) {
    const QString path = folder.filePath(file);
    if (!picturegen::WriteJpeg(image, path, kQuality)) {
        std::fprintf(stderr, "quorvane_picturegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool MakeFolder(const QDir& base, const QString& name) {
    if (!base.mkpath(name)) {
        std::fprintf(stderr, "quorvane_picturegen: cannot create %s\n",
                     qPrintable(base.filePath(name)));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvane_picturegen <output folder>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!MakeFolder(output, "Images") || !MakeFolder(output, "Readme")) {
        return 1;
    }
    const QDir images(output.filePath("Images"));
    int failures = 0;
    for (const picturegen::Picture& picture : picturegen::CataloguePictures()) {
        failures += Save(picture.draw(), images, picture.file) ? 0 : 1;
    }
    failures +=
        Save(picturegen::WelcomePicture(), QDir(output.filePath("Readme")), "mainw.jpg") ? 0 : 1;
    return failures == 0 ? 0 : 1;
}

#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace picturegen {

struct Picture {
    QString file;  // name inside Data/Images
    std::function<QImage()> draw;
};

// Every picture the catalogue names, in no particular order.
std::vector<Picture> CataloguePictures();

// Data/Readme/mainw.jpg: shown before any setting is opened.
QImage WelcomePicture();

}  // namespace picturegen

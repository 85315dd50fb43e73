#include "StaleMark.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>

namespace {

// The two pictures, loaded once for the whole run: every window shows the same icons, so Qt's
// pixmap cache holds one drawing of each however many windows were opened. The application object
// owns them, so they are released with it and not after it.
struct ButtonPictures : QObject {
    using QObject::QObject;
    QIcon good;
    QIcon bad;
};

const ButtonPictures& LoadedPictures() {
    static QPointer<ButtonPictures> pictures;
    if (!pictures) {
        const auto load = [](const char* name) {
            const QString path =
                QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
            return QFile::exists(path) ? QIcon(path) : QIcon();
        };
        pictures = new ButtonPictures(QCoreApplication::instance());
        pictures->good = load("goodbutton.bmp");
        pictures->bad = load("badbutton.bmp");
    }
    return *pictures;
}

} // namespace

void StaleMark::LoadPictures() {
    const ButtonPictures& pictures = LoadedPictures();
    good_ = pictures.good;
    bad_ = pictures.bad;
}

void StaleMark::MarkStale() {
    stale_ = true;
    button_->setIcon(bad_);
}

void StaleMark::MarkCurrent() {
    stale_ = false;
    button_->setIcon(good_);
}

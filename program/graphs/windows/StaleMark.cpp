#include "StaleMark.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

void StaleMark::LoadPictures() {
    const auto load = [](const char* name) {
        const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
        return QFile::exists(path) ? QIcon(path) : QIcon();
    };
    good_ = load("goodbutton.bmp");
    bad_ = load("badbutton.bmp");
}

void StaleMark::MarkStale() {
    stale_ = true;
    button_->setIcon(bad_);
}

void StaleMark::MarkCurrent() {
    stale_ = false;
    button_->setIcon(good_);
}

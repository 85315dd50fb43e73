#pragma once
// The update button of a graph window: its picture tells whether the chart shows the inputs
// (the good picture) or not any more (the bad one).

#include <QIcon>

class QPushButton;

class StaleMark {
public:
    void Attach(QPushButton* button) { button_ = button; }

    // The pictures beside the program, read once per run; a missing bitmap leaves the button
    // without a picture, its caption still says what it does.
    void LoadPictures();
    void MarkStale();
    void MarkCurrent();

    bool IsStale() const { return stale_; }
    QIcon Good() const { return good_; }
    QIcon Bad() const { return bad_; }

private:
    QPushButton* button_ = nullptr;
    QIcon good_;
    QIcon bad_;
    bool stale_ = false;
};

#pragma once
// The frame of a graph window's chart: the chart at its full size wherever there is room, and
// scroll bars where the screen is smaller than the window (a high scaling factor), so the window
// always fits its screen while the chart keeps the size its titles need.

#include <QScrollArea>

class ChartScrollArea : public QScrollArea {
public:
    explicit ChartScrollArea(QWidget* chart, QWidget* parent = nullptr);

    // The chart's own size: the window opens showing it whole when the screen allows.
    QSize sizeHint() const override;
};

#include "ChartScrollArea.h"

ChartScrollArea::ChartScrollArea(QWidget* chart, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("chartScroll"));
    setFrameShape(QFrame::NoFrame);
    // The chart takes the focus when clicked; the frame around it is no stop of the Tab key.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(chart);
}

QSize ChartScrollArea::sizeHint() const {
    const QWidget* chart = widget();
    return chart ? chart->minimumSize().expandedTo(chart->sizeHint()) : QScrollArea::sizeHint();
}

#include "report_fixture.h"

#include <QPainter>

QImage graphPicture() {
    QImage image(64, 32, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::blue);
    p.drawLine(0, 31, 63, 0);
    return image;
}

void addReportLine(RLogClass& log) {
    log.Add("      10     450     100     1.5 Urban     Small/Medium");
    log.Underline(true);
    log.Add(" 146.21 ");
    log.Underline(false);
    log.Add(" 150.03 ");
    log.Underline(true);
    log.Add("  53.19 ");
    log.Underline(false);
    log.Add(" 50% 50% Metric");
    log.Add("\r\n");
}

#include "report_fixture.h"

#include <QFile>
#include <QPainter>
#include <QTextBlock>

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::vector<std::string> runsOf(const QTextDocument& doc) {
    std::vector<std::string> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            runs.push_back("|");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                runs.push_back("[pict]");
                continue;
            }
            std::string flags;
            flags += f.fontWeight() > QFont::Normal ? "B" : "";
            flags += f.fontItalic() ? "I" : "";
            flags += f.fontUnderline() ? "U" : "";
            runs.push_back(flags + ":" + it.fragment().text().toStdString());
        }
    }
    return runs;
}

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

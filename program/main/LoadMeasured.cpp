#include "LoadMeasured.h"

#include "Measured.h"
#include "MessageBox.h"

#include <QDir>
#include <QFile>

bool LoadMeasuredFile(const QString& folder) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kMeasuredFileName));
    MeasuredData.assign(1, MeasuredRecord());
    const MeasuredReadResult result = ReadMeasured(QFile::encodeName(path).toStdString(), MeasuredData);
    if (result.ok) {
        return true;
    }
    msgbox::MsgBox(QString::fromStdString(result.message), msgbox::vbOKOnly,
                   QString::fromStdString(result.title));
    MeasuredData.assign(3, MeasuredRecord());
    for (MeasuredRecord& record : MeasuredData) {
        record.Freq = -1.0;
        record.Dist[0] = MeasuredEndMarker();
    }
    return false;
}

#include "PlainText.h"

#include <QTextBlock>

namespace richtext {

QString PlainText(const QTextDocument& doc) {
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out += QStringLiteral("\r\n");
        for (const QChar ch : block.text()) {
            if (ch == QChar::ObjectReplacementCharacter)
                continue;
            if (ch == QChar::LineSeparator)
                out += QStringLiteral("\r\n");
            else
                out += ch;
        }
    }
    return out;
}

} // namespace richtext

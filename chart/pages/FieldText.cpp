#include "FieldText.h"

#include <NumberText.h>

#include <cmath>
#include <limits>

namespace pages {

QString NumberToText(double value, NumberKind kind) {
    if (kind == NumberKind::Long) {
        return QString::number(static_cast<long long>(value));
    }
    return QString::fromStdString(numtext::ShortestText(value));
}

std::optional<double> ParseField(const QString& text, NumberKind kind) {
    const std::optional<double> value = numtext::StrictNumber(text.trimmed().toStdString());
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    if (kind == NumberKind::Long) {
        if (*value != std::floor(*value) || *value < std::numeric_limits<std::int32_t>::min() ||
            *value > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
    }
    return value;
}

QString NotANumberMessage(NumberKind kind) {
    return kind == NumberKind::Long ? QStringLiteral("Please enter an integer.")
                                    : QStringLiteral("Please enter a number.");
}

QString RangeMessage(double min, double max, NumberKind kind) {
    const QString pattern = kind == NumberKind::Long
                                ? QStringLiteral("Please enter an integer between %1 and %2.")
                                : QStringLiteral("Please enter a number between %1 and %2.");
    return pattern.arg(NumberToText(min, kind), NumberToText(max, kind));
}

QString TextFromEditLines(const QString& edit) {
    QString text = edit;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString EditLinesFromText(const QString& text) {
    QString edit = text;
    edit.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    edit.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return edit;
}

double LeadingNumber(const QString& text) {
    return numtext::Val(text.toStdString());
}

} // namespace pages

#include "PageDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

namespace pages {

namespace {

ColorChooser& ColorHook() {
    static ColorChooser hook;
    return hook;
}

FontChooser& FontHook() {
    static FontChooser hook;
    return hook;
}

FileChooser& FileHook() {
    static FileChooser hook;
    return hook;
}

bool DefaultColor(std::int32_t& colorref, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(ColorFromRef(colorref), parent);
    if (!chosen.isValid()) {
        return false;
    }
    colorref = RefFromColor(chosen);
    return true;
}

bool DefaultFont(FontChoice& choice, QWidget* parent) {
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, QFontFromLogFont(choice.font, choice.sizeTenths / 10), parent);
    if (!ok) {
        return false;
    }
    choice.font = LogFontFromQFont(chosen);
    choice.sizeTenths = chosen.pointSize() * 10;
    return true;
}

QString DefaultFile(const FileDialogOptions& options, QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(options.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.filter.isEmpty()) {
        dialog.setNameFilter(QtFilter(options.filter));
    }
    QString suffix = options.defaultExtension;
    suffix.remove(QLatin1String("*.")).remove(QLatin1Char('*'));
    dialog.setDefaultSuffix(suffix);
    if (!options.initialName.contains(QLatin1Char('*'))) {
        dialog.selectFile(options.initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().front();
}

} // namespace

void SetColorChooser(ColorChooser chooser) {
    ColorHook() = std::move(chooser);
}
void SetFontChooser(FontChooser chooser) {
    FontHook() = std::move(chooser);
}
void SetFileChooser(FileChooser chooser) {
    FileHook() = std::move(chooser);
}

bool ChooseColor(std::int32_t& colorref, QWidget* parent) {
    return ColorHook() ? ColorHook()(colorref, parent) : DefaultColor(colorref, parent);
}

bool ChooseFont(FontChoice& choice, QWidget* parent) {
    return FontHook() ? FontHook()(choice, parent) : DefaultFont(choice, parent);
}

QString ChooseFile(const FileDialogOptions& options, QWidget* parent) {
    return FileHook() ? FileHook()(options, parent) : DefaultFile(options, parent);
}

QColor ColorFromRef(std::int32_t colorref) {
    const auto bits = static_cast<std::uint32_t>(colorref);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t RefFromColor(const QColor& color) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     (static_cast<std::uint32_t>(color.green()) << 8) |
                                     (static_cast<std::uint32_t>(color.blue()) << 16));
}

QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Linux file names keep their case: offer both spellings of each pattern.
        filters << QStringLiteral("%1 (%2 %3)").arg(parts[i], patterns, patterns.toLower());
    }
    return filters.join(QLatin1String(";;"));
}

} // namespace pages

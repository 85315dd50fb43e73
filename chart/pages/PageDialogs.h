#pragma once
// The common dialogs the pages open: colour, font and file. Each goes through a replaceable
// chooser so tests and scripted containers answer them without a person; by default they are
// Qt's own dialogs.

#include "FontOps.h"

#include <cstdint>
#include <functional>
#include <QColor>
#include <QString>

class QWidget;

namespace pages {

// A font dialog's state: the logical font, the size in tenths of a point and a COLORREF.
struct FontChoice {
    LogFont font;
    int sizeTenths = 0;
    std::int32_t color = 0;
};

struct FileDialogOptions {
    bool save = false;
    QString defaultExtension;
    QString initialName;
    QString filter; // "Name|*.EXT|Name|*.EXT||"
};

// True when the user accepted; the value is changed only then.
using ColorChooser = std::function<bool(std::int32_t& colorref, QWidget* parent)>;
using FontChooser = std::function<bool(FontChoice& choice, QWidget* parent)>;
// The chosen path, or empty when the dialog was cancelled.
using FileChooser = std::function<QString(const FileDialogOptions& options, QWidget* parent)>;

// An empty chooser restores the default dialog.
void SetColorChooser(ColorChooser chooser);
void SetFontChooser(FontChooser chooser);
void SetFileChooser(FileChooser chooser);

bool ChooseColor(std::int32_t& colorref, QWidget* parent);
bool ChooseFont(FontChoice& choice, QWidget* parent);
QString ChooseFile(const FileDialogOptions& options, QWidget* parent);

// COLORREF is 0x00BBGGRR.
QColor ColorFromRef(std::int32_t colorref);
std::int32_t RefFromColor(const QColor& color);

// "Name|*.A|Other|*.B||" in the form a Qt file dialog takes.
QString QtFilter(const QString& filter);

} // namespace pages

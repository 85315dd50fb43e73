#pragma once
// The one printer the whole program prints to, with the state the windows share: the chosen
// device, the orientation (1 portrait, 2 landscape) and the font face for text output. The report
// window prints through it and the printer selection chooses it; the graph printing dialog saves
// and restores its orientation and lends it to the charting engine.
//
// The printers are the platform's and the PDF file printer, which asks for its file at each print;
// on a machine with no printer the PDF file printer is the program's from the start.

#include "PdfFile.h"

#include <functional>
#include <memory>
#include <optional>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTextDocument>

class QWidget;

namespace printing {

constexpr int vbPRORPortrait = 1;
constexpr int vbPRORLandscape = 2;

enum class PrintResult { Printed, Cancelled, NoPrinter, Failed };

class ProgramPrinter {
public:
    static ProgramPrinter& Instance();

    QPrinter& Printer() { return *m_printer; }

    // The chosen printer's name (kPdfPrinterName for the PDF file printer).
    QString DeviceName() const { return m_deviceName; }

    int Orientation() const;
    void SetOrientation(int orientation);

    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& face) { m_fontName = face; }

    // The names of the platform's printers in the platform's order, then the PDF file printer.
    static QStringList PrinterNames();

    // Makes the first printer of that name the program's. False, with the printer unchanged, when
    // the list has no such printer.
    bool Select(const QString& deviceName);

    // Sends the output to this PDF file without asking (tests, a file chosen beforehand); an empty
    // path makes the PDF file printer ask at each print.
    void PrintToFile(const QString& pdfPath);

    // Whether output can go anywhere: the PDF file printer, or one of the platform's devices.
    bool IsUsable() const;

    // Prints the document in pages. The PDF file printer asks for its file first (Cancelled when
    // the user gives none) and writes it whole or not at all.
    PrintResult PrintDocument(const QTextDocument& doc, QWidget* owner = nullptr);
    // The same for pages a function paints itself on the device (false: failed).
    using PagePainter = std::function<bool(QPagedPaintDevice&)>;
    PrintResult PrintPages(const PagePainter& paint, QWidget* owner = nullptr);

    // The question for the PDF file's name; "" is a cancel. Tests answer it themselves; an empty
    // function goes back to the file dialog.
    using FileChooser = std::function<QString(QWidget* owner)>;
    static void SetFileChooser(FileChooser chooser);
    static QString AskPdfFile(QWidget* owner);

    // Tests stand in their own printer list; no value goes back to the platform's.
    static void SetTestPrinterNames(std::optional<QStringList> names);

private:
    ProgramPrinter();

    std::unique_ptr<QPrinter> m_printer;
    QString m_deviceName;
    QString m_fontName;
    bool m_toFile = false; // the PDF file printer, or a file named with PrintToFile
};

} // namespace printing

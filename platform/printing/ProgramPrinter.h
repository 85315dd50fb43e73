#pragma once
// The one printer the whole program prints to, with the state the windows share: the chosen
// device, the orientation (1 portrait, 2 landscape) and the font face for text output. The report
// window prints through it and the printer selection chooses it; the graph printing dialog saves
// and restores its orientation.

#include <memory>
#include <optional>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTextDocument>

namespace printing {

constexpr int vbPRORPortrait = 1;
constexpr int vbPRORLandscape = 2;

class ProgramPrinter {
public:
    static ProgramPrinter& Instance();

    QPrinter& Printer() { return *m_printer; }

    // The chosen printer's device name; "" when the platform has none.
    QString DeviceName() const { return m_deviceName; }

    int Orientation() const;
    void SetOrientation(int orientation);

    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& face) { m_fontName = face; }

    // The device names of the platform's printers, in the platform's order.
    static QStringList PrinterNames();

    // Makes the first printer of that name the program's. False, with the printer unchanged, when
    // the list has no such printer.
    bool Select(const QString& deviceName);

    // Sends the output to a PDF file instead of a device (tests, "print to file").
    void PrintToFile(const QString& pdfPath);

    // Whether output can go anywhere: a file was named, or the device is one of the platform's.
    bool IsUsable() const;

    // Prints the document in pages; false when there was nowhere to print or printing failed.
    bool PrintDocument(const QTextDocument& doc);

    // Tests stand in their own printer list; no value goes back to the platform's.
    static void SetTestPrinterNames(std::optional<QStringList> names);

private:
    ProgramPrinter();

    std::unique_ptr<QPrinter> m_printer;
    QString m_deviceName;
    QString m_fontName;
};

} // namespace printing

#pragma once
// Context help: the help page beside the program and the topic each help context number opens.

#include <QString>

class QWidget;

// Help context numbers; each names one section (anchor) of the help page.
enum HelpContextId : int {
    HelpContents = 1,
    HelpInputs = 10,
    HelpUnits = 11,
    HelpPower = 12,
    HelpModels = 20,
    HelpValidity = 30,
    HelpCalculation = 40,
    HelpReportLog = 50,
    HelpDistanceRange = 60,
    HelpGraphs = 70,
    HelpArchive = 80,
    HelpSettings = 90,
};

// Remembers the window that owns help and sets the help file to the page beside the program.
void SetHelpFile(QWidget* window);
// Ends help at program end. Help opens in the user's browser, which stays the user's: nothing to close.
void QuitHelp();
// The help file set by SetHelpFile (or the default beside the program).
QString HelpFile();
// Points help at another file (tests, or a page installed elsewhere).
void SetHelpFilePath(const QString& path);

#pragma once
// The archive action of a graph window: one run row describing the inputs and one curve row for
// each of the three models, written as one transaction, so a failure leaves the file as it was.

#include "GraphInputs.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// Texts of a window's archive action.
inline constexpr const char* kArchiveRefusedMessage = "Cannot Open Access Database";
inline constexpr const char* kArchiveRefusedTitle = "Add To Archive";
inline constexpr const char* kArchiveCommentPrompt = "Comments:";
inline constexpr const char* kArchiveCommentTitle = "Store Data Run";
inline constexpr const char* kArchiveCommentDefault = " ";

struct ArchiveCurve {
    std::string legend;
    std::vector<double> distKm;
    std::vector<double> value;
};

struct ArchiveRun {
    std::string model = "Okumura-Hata";
    std::string parameters;
    std::string comment;
    QDateTime when;
    int dataSetType = 2; // values per point
    std::vector<ArchiveCurve> curves;
};

struct ArchiveResult {
    bool ok = false;
    // The window's message: kArchiveRefusedMessage with the reason when the file would not open,
    // else what kept the run out of it.
    QString message;
    // The file can never take a run (not a database, not an archive): the next action asks for
    // another. Any other failure keeps the file for the next try.
    bool otherFileNeeded = false;
    int runId = -1;
};

// Every point from 1.0 km to the maximum distance, whatever the model's validity range; heights
// in metres, as the graphs use them. Nothing when frequency or a height is not a number.
// Legends: "ITU 529 Urban" for path loss, "ITU 529 - Urban" for field strength.
std::optional<std::vector<ArchiveCurve>> LossArchiveCurves(const GraphInputs& inputs);
std::optional<std::vector<ArchiveCurve>> FieldStrengthArchiveCurves(const GraphInputs& inputs);

// The run of a window's inputs with the program's power, ready to write; nothing as above.
std::optional<ArchiveRun> MakeArchiveRun(const GraphInputs& inputs, bool fieldStrength,
                                         const std::string& comment, const QDateTime& when,
                                         double powerWatts);

// Opens the archive at path, writes the run and its curves as one transaction, or nothing. A new
// or empty file gets the tables; a file whose tables are not an archive's is left as it was.
ArchiveResult WriteArchiveRun(const QString& path, const ArchiveRun& run);

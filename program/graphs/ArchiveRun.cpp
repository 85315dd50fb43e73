#include "ArchiveRun.h"

#include "ArchiveDatabase.h"
#include "ArchiveParameters.h"
#include "ArchiveTransaction.h"
#include "DistanceGrid.h"
#include "ModCalculations.h"

#include <QFileInfo>

namespace {

struct ArchivedModel {
    ModelIndex model;
    const char* lossLegend;
    const char* fieldLegend;
};

const ArchivedModel kArchivedModels[] = {
    {ModelP529, "ITU 529 ", "ITU 529 - "},
    {ModelHataDavidson, "Davidson ", "Davidson - "},
    {ModelCost231, "Cost 231 ", "Cost 231 - "},
};

std::optional<std::vector<ArchiveCurve>> Curves(const GraphInputs& in, bool fieldStrength) {
    auto n = ModelInputsOf(in);
    if (!n) {
        return std::nullopt;
    }
    const DistanceGrid grid = MakeDistanceGrid(1.0, in.maxDistanceKm);
    std::vector<ArchiveCurve> curves;
    for (const auto& model : kArchivedModels) {
        ArchiveCurve curve;
        curve.legend = (fieldStrength ? model.fieldLegend : model.lossLegend) + TrimBlanks(in.area);
        const ModelProcedure procedure =
            ProcedureOf(model.model, fieldStrength ? ModelResult::FieldStrength : ModelResult::PathLoss);
        for (int k = 0; k < grid.count; ++k) {
            n->d__km = grid.At(k);
            curve.distKm.push_back(n->d__km);
            curve.value.push_back(procedure(*n));
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

} // namespace

std::optional<std::vector<ArchiveCurve>> LossArchiveCurves(const GraphInputs& inputs) {
    return Curves(inputs, false);
}

std::optional<std::vector<ArchiveCurve>> FieldStrengthArchiveCurves(const GraphInputs& inputs) {
    return Curves(inputs, true);
}

std::optional<ArchiveRun> MakeArchiveRun(const GraphInputs& inputs, bool fieldStrength,
                                         const std::string& comment, const QDateTime& when,
                                         double powerWatts) {
    auto curves = Curves(inputs, fieldStrength);
    if (!curves) {
        return std::nullopt;
    }
    ArchiveRun run;
    run.parameters = ArchiveParameters(inputs, powerWatts);
    run.comment = comment;
    run.when = when;
    run.curves = std::move(*curves);
    return run;
}

namespace {

QString FailureMessage(const ArchiveDatabase& archive, const QString& path) {
    const QString why = archive.LastError();
    switch (archive.LastFailure()) {
    case ArchiveFailure::Open:
    case ArchiveFailure::NotADatabase:
        return QString::fromLatin1(kArchiveRefusedMessage) + QStringLiteral(": ") + why;
    case ArchiveFailure::ReadOnly: {
        // SQLite says "readonly database" also when only the folder refuses the journal it needs.
        const QFileInfo file(path);
        if (!QFileInfo(file.absolutePath()).isWritable()) {
            return QStringLiteral("The run was not stored in %1: the folder %2 is read-only.")
                .arg(path, file.absolutePath());
        }
        return QStringLiteral("The run was not stored: %1 is read-only.").arg(path);
    }
    case ArchiveFailure::Busy:
        return QStringLiteral("The run was not stored: another program is using %1. Try again in a moment.")
            .arg(path);
    case ArchiveFailure::NotAnArchive:
        return QStringLiteral("The run was not stored: %1 is not an archive (%2).").arg(path, why);
    case ArchiveFailure::None:
    case ArchiveFailure::Write:
        break;
    }
    return QStringLiteral("The run was not stored in %1: %2").arg(path, why);
}

} // namespace

ArchiveResult WriteArchiveRun(const QString& path, const ArchiveRun& run) {
    ArchiveResult result;
    ArchiveDatabase archive;
    bool written = archive.Open(path);
    if (written) {
        ArchiveTransaction transaction(archive.Database());
        written = (transaction.Started() || archive.Fail(transaction.Error())) && archive.PrepareTables() &&
                  archive.AddModelRun(run.model, run.parameters, run.comment, run.when, run.dataSetType);
        for (const auto& curve : run.curves) {
            written = written && archive.AddDataSet(archive.CurrentRunID(), curve.legend, run.comment,
                                                    static_cast<int>(curve.distKm.size()), run.dataSetType,
                                                    curve.distKm, curve.value, {});
        }
        written = written && (transaction.Commit() || archive.Fail(transaction.Error()));
    }
    if (!written) {
        result.message = FailureMessage(archive, path);
        result.otherFileNeeded = archive.LastFailure() == ArchiveFailure::NotADatabase ||
                                 archive.LastFailure() == ArchiveFailure::NotAnArchive;
        return result;
    }
    result.ok = true;
    result.runId = archive.CurrentRunID();
    return result;
}

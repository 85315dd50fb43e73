#include "LossCalculation.h"

#include "ModCalculations.h"

namespace {

using ModelProcedure = double (*)(double, double, double, double, const std::string&, const std::string&,
                                  double, double);

struct ColumnModel {
    ModelProcedure procedure;
    int modelIndex;
};

// In the order of the log's columns.
const ColumnModel kColumns[ResultColumnCount] = {
    {HataDavidsonLoss, 1},          {Cost231Loss, 2},          {P529Loss, 0}, {P529FieldStrength, 0},
    {HataDavidsonFieldStrength, 1}, {Cost231FieldStrength, 2},
};

} // namespace

int ModelOfColumn(int column) {
    return kColumns[column].modelIndex;
}

std::optional<std::string> CheckLossInputs(const LossInputs& in) {
    if (!(in.freqMHz >= 30 && in.freqMHz <= 2000))
        return std::string("Valid Frequency Range 30Mhz to 2000 MHz");
    if (!(in.hbM >= 20 && in.hbM <= 2500))
        return std::string("Valid Height of Base Station Antenna is 20m to 2500m");
    if (!(in.hmM >= 1 && in.hmM <= 30))
        return std::string("Valid Height of Mobile Antenna is 1m to 30m");
    if (!(in.distKm > 0 && in.distKm <= 300))
        return std::string("Valid Range is 0 < Distance <= 300 km");
    return std::nullopt;
}

LossResults CalculateLosses(const LossInputs& in) {
    LossResults out;
    for (int i = 0; i < ResultColumnCount; ++i) {
        const ColumnModel& c = kColumns[i];
        out.inRange[i] = InputsInRange(c.modelIndex, in.freqMHz, in.hbM, in.hmM, in.distKm, in.area);
        out.values[i] =
            c.procedure(in.freqMHz, in.distKm, in.hbM, in.hmM, in.area, in.city, in.pctTime, in.pctLoc);
    }
    return out;
}

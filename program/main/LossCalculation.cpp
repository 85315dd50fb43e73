#include "LossCalculation.h"

#include "ModCalculations.h"
#include "ValidityBounds.h"

ModelInputs MetricInputs(const ShownInputs& shown, double d__km) {
    ModelInputs in;
    in.f__mhz = shown.freqMHz;
    in.d__km = d__km;
    in.h_b__meter = ToMetric(InputBox::BaseHeight, shown.hbShown, shown.english);
    in.h_m__meter = ToMetric(InputBox::MobileHeight, shown.hmShown, shown.english);
    in.area = ParseAreaType(shown.area);
    in.city = ParseCitySize(shown.city);
    in.time__percent = shown.pctTime;
    in.location__percent = shown.pctLoc;
    return in;
}

std::optional<std::string> CheckLossInputs(const ModelInputs& in) {
    for (const CalculationBound& bound : CalculationBounds) {
        if (!bound.bounds.Contains(in.*bound.input))
            return std::string(bound.message);
    }
    return std::nullopt;
}

LossResults CalculateLosses(const ModelInputs& in) {
    LossResults out;
    for (int i = 0; i < ResultColumnCount; ++i) {
        const ColumnResult column = ResultOfColumn(i);
        out.inRange[i] = InputsInRange(column.model, in);
        out.values[i] = ProcedureOf(column.model, column.result)(in);
    }
    return out;
}

#include "LossCalculation.h"

#include "ModCalculations.h"
#include "ValidityBounds.h"

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

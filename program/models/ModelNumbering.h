#pragma once
// Where the program numbers the models otherwise than ModelIndex, those numbers and the model each
// stands for, in one place: the field-strength window's graph model and the report's columns.

#include "ModelInputs.h"

#include <optional>

// The field-strength window's graph model (the program-wide GraphModel): one model drawn at six
// base heights, or the comparison of the models at the entered height. The US model has no menu
// item but keeps its number.
enum GraphModelNumber : long {
    GraphDavidson = 0,
    GraphP529 = 1,
    GraphUS = 2,
    GraphCost231 = 3,
    GraphComparison = 4,
};
// The model a graph model draws alone; nothing for the comparison and for unknown numbers.
std::optional<ModelIndex> ModelOfGraphModel(long graphModel);

// The six results of one calculation in the order of the report log's columns, by the names of
// the log's title line.
enum ResultColumn { OHDavLs, C231Ls, H529Ls, H529FS, HDAVFS, C231FS, ResultColumnCount };

struct ColumnResult {
    ModelIndex model;
    ModelResult result;
};
ColumnResult ResultOfColumn(int column);

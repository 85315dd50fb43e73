#include "ModMain.h"

#include "MainForm.h"

void ResetMainInputs() {
    if (MainForm* form = MainForm::Instance())
        form->ResetInputs();
}

void SetMetricUnits() {
    if (MainForm* form = MainForm::Instance())
        form->SwitchUnits(false);
}

void SetEnglishUnits() {
    if (MainForm* form = MainForm::Instance())
        form->SwitchUnits(true);
}

void MarkResultsStale() {
    if (MainForm* form = MainForm::Instance())
        form->MarkResultsStale();
}

#pragma once
// "Field Strength Plot": field strength against distance, either the models compared at the
// entered base height or one model at several base heights, over its own copy of the main
// window's inputs. The power goes to the main window at once; the other inputs when it closes.

#include "FieldStrengthGraphBuilder.h"
#include "FieldStrengthMenus.h"
#include "GraphFormBase.h"

#include <array>

class FrmOkumFieldStrength final : public GraphFormBase {
    Q_OBJECT
public:
    explicit FrmOkumFieldStrength(QWidget* parent = nullptr);

    struct Extra {
        QLineEdit* txtPowerUnit = nullptr;
        QComboBox* cmbPowerUnit = nullptr;
        QLabel* lblPower = nullptr;
        QAction* mnuFileSave = nullptr;
        QAction* mnuFilePrint = nullptr;
        QAction* mnuFilePrinterSetup = nullptr;
        QAction* mnuFileExit = nullptr;
        // In menu order: mnuModelBrindelFS, mnuModelOkum529FS, mnuModelCost231, mnuModelCompare.
        std::array<QAction*, 4> modelItems{};
        QAction* mnuGraphMeasured = nullptr;
        QAction* mnuModelDist100 = nullptr;
        QAction* mnuModelDist300 = nullptr;
    };
    Extra& extra() { return extra_; }

    void Form_Load();
    void Form_Unload() override;
    void mnuFileExit_Click();
    void cmdUpdateGraph_Click();
    void ModelItem_Click(ModelMenuItem item);
    void UpdateModelMenuChecks();
    void mnuModelDist100_Click();
    void mnuModelDist300_Click();
    void mnuGraphMeasured_Click();
    void cmbPowerUnit_Click();
    void txtPowerUnit_LostFocus();
    void cmdAddToArchive_Click();

private:
    void BuildFieldStrengthGraph(bool clearOld);
    void ChooseMaxDistance(double km);
    void HandPowerToMain();

    Extra extra_;
    FieldStrengthGraphBuilder builder_;
    bool unloaded_ = false;
};

#pragma once
// The Pie Chart page: the pie of each pie data set and its slices.

#include "CPropertyPage.h"

namespace pages {

class CPiePPg : public CPropertyPage {
public:
    explicit CPiePPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    int CurrentSlice() const { return slice_; }

    LongArray PieNumericStyle = LongArray(32);
    LongArray Pie3DLook = LongArray(32);
    LongArray PieNumberPos = LongArray(32);
    DoubleArray PieCenterX = DoubleArray(32);
    DoubleArray PieCenterY = DoubleArray(32);
    DoubleArray PieDiameter = DoubleArray(32);
    std::vector<LongArray> PieSliceHatch = std::vector<LongArray>(32, LongArray(16));
    std::vector<LongArray> PieSliceFillColor = std::vector<LongArray>(32, LongArray(16));
    std::vector<LongArray> PieSliceBorderColor = std::vector<LongArray>(32, LongArray(16));
    std::vector<DoubleArray> PieSliceExplode = std::vector<DoubleArray>(32, DoubleArray(16));
    std::vector<StringArray> PieSliceLabel = std::vector<StringArray>(32, StringArray(16));
    StringArray PieNumericFont = StringArray(32);
    LongArray PieFontStyle = LongArray(32);
    LongArray PieFontSize = LongArray(32);
    LongArray PieFontColor = LongArray(32);

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    int ClampItem(int index) const override;

private:
    template <typename T> std::function<T*()> CurrentSliceOf(std::vector<std::vector<T>>& arrays) {
        return [this, &arrays] { return ElementAt(*ElementAt(arrays, current_), slice_); };
    }
    template <typename T> SlotFn CurrentSliceSlot(std::vector<std::vector<T>>& arrays) {
        return [get = CurrentSliceOf(arrays)] { return Slot(get()); };
    }

    int slice_ = 0;
};

} // namespace pages

#pragma once
// What the chart model needs from the charting engine and from the control's graphics, kept behind
// one small interface so the model stays a plain data class: binding the engine context, deleting
// engine data sets the model created, the palette behind the default colours, and dropping the
// data-value tip. The engine adapter overrides these; the base class stands for "no engine".

#include <cstdint>

namespace chart {

class ChartEngineLink {
public:
    virtual ~ChartEngineLink() = default;

    virtual void BindContext() {}
    // handle is the low 16 bits the model keeps; the model never passes 0.
    virtual void DeleteDataset(std::uint16_t /*handle*/) {}
    // COLORREF (0x00BBGGRR) of a palette code; codes outside the palette give black.
    virtual std::int32_t PaletteColor(int code) const;
    // Removes the data-value tip window, its font and the window wrapper.
    virtual void ReleaseGraphics() {}

    // The palette used when no engine supplies one: the sixteen VGA colours, then four more.
    static std::int32_t StandardPaletteColor(int code);
};

} // namespace chart

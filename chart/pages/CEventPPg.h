#pragma once
// The Events page: which mouse actions zoom, reset the zoom, read data values or open the pages.

#include "CPropertyPage.h"

namespace pages {

class CEventPPg : public CPropertyPage {
public:
    explicit CEventPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    Long EventZoom = 0;
    Long EventShowPropPage = 0;
    Long EventRetrieveDataValue = 0;
    Long EventDataCursorType = 0;
    Long EventZoomX = 0;
    Long EventZoomXRoundMode = 0;
    Long EventZoomY = 0;
    Long EventZoomYRoundMode = 0;
    Long EventZoomReset = 0;
    double EventZoomResetMinX = 0;
    double EventZoomResetMinY = 0;
    double EventZoomResetMaxX = 0;
    double EventZoomResetMaxY = 0;

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
};

} // namespace pages

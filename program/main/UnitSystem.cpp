#include "UnitSystem.h"

UnitSystem& UnitSystem::Instance() {
    static UnitSystem instance;
    return instance;
}

void UnitSystem::Set(Units units) {
    if (units == units_)
        return;
    units_ = units;
    emit unitsChanged(units_);
}

const char* UnitSystem::HeightCaption(Units units) {
    return units == Units::English ? "ft" : "m";
}

const char* UnitSystem::DistanceCaption(Units units) {
    return units == Units::English ? "miles" : "Km";
}

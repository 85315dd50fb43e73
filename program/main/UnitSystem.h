#pragma once
// The unit system in force (metric: m and km; English: ft and miles) is one program-wide state.
// The main window switches it; every window reads it when it opens and follows its changes.

#include "UnitConversion.h"

#include <QObject>

enum class Units { Metric, English };

class UnitSystem : public QObject {
    Q_OBJECT
public:
    static UnitSystem& Instance();

    Units Current() const { return units_; }
    bool IsEnglish() const { return units_ == Units::English; }
    // Sets the state; emits unitsChanged only when it changes.
    void Set(Units units);

    // Captions of the unit labels in the current state: "m"/"ft" and "Km"/"miles".
    static const char* HeightCaption(Units units);
    static const char* DistanceCaption(Units units);

signals:
    // When this fires, the main window already shows its lengths in the new units.
    void unitsChanged(Units units);

private:
    UnitSystem() = default;
    Units units_ = Units::Metric;
};

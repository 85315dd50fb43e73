#pragma once
// The field-strength window's Model menu as data: which graph model each item chooses and which
// item carries the check mark for a graph model.

#include <array>
#include <optional>

enum class ModelMenuItem { BrindelFS, Okum529FS, Cost231, Compare };

inline constexpr std::array<ModelMenuItem, 4> kModelMenuItems = {
    ModelMenuItem::BrindelFS, ModelMenuItem::Okum529FS, ModelMenuItem::Cost231, ModelMenuItem::Compare};

long GraphModelOf(ModelMenuItem item);

// The check marks of the four items in menu order; nothing for a graph model that should leave
// the marks as they are. The US model has no item, so it clears all four.
std::optional<std::array<bool, 4>> ModelMenuChecks(long graphModel);

// Only the comparison draws at the entered base height, so only it lets the user edit that box.
bool BaseHeightEditable(long graphModel);

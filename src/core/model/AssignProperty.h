#pragma once

// Stores value in a controller's field and emits the field's change signal, only when the
// value differs, so views redraw only for real changes. Returns whether it changed.
template <typename Owner, typename T>
bool assignProperty(Owner* owner, T& field, const T& value, void (Owner::*changed)()) {
    if (field == value)
        return false;
    field = value;
    emit(owner->*changed)();
    return true;
}

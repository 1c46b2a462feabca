#pragma once

#include <QString>

class RExtras;

// The design frequency of a network calculation: the frequency at which its
// reactances are shown as capacitors and inductors. It is kept in the
// calculation's extras (ExtraKeys::DesignFrequency, ExtraKeys::DesignFrequencyUnit)
// exactly as typed, with the index of its unit of kind Frequency (Hz 0,
// KHz 1, MHz 2).
struct DesignFrequency {
    static constexpr int DefaultUnit = 2; // MHz

    QString text;
    int unitIndex = DefaultUnit;
};

// What the extras hold; a missing unit is MHz, one the kind does not list
// (or no number) its first unit, Hz, as for any field.
DesignFrequency GetDesignFrequency(const RExtras& extras);
// Stores the text and unit; an empty text removes both keys, so that a
// calculation without a design frequency leaves no trace in the file. False
// (nothing changed) for a text longer than a file holds.
bool SetDesignFrequency(RExtras& extras, const DesignFrequency& frequency);

// The design frequency in hertz, checked like any frequency the user types.
struct DesignFrequencyValue {
    enum class State {
        None,    // empty: no component values are shown
        Invalid, // `message` says why, for the status bar
        Valid    // `hertz` is finite and above 0
    };
    State state = State::None;
    double hertz = 0.0;
    QString message;
};

// Messages: "Error: Real value for Design frequency did not contain a valid
// number.", "Error: Value for Design frequency cannot be negative.",
// "Error: Value for Design frequency cannot be zero.", and "Error: Invalid
// frequency." for one beyond the range of a double in hertz.
DesignFrequencyValue EvaluateDesignFrequency(const DesignFrequency& frequency);

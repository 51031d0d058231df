#pragma once

#include "block_environment.h"
#include "diagram.h"

#include <string>

namespace vexa {

// The base of the computing blocks: pins, size and hint come from the catalogue entry named by
// FunName; EN adds the EN and ENO pins as the last two.
class TFunction : public TCustomDiagramBlock {
public:
    static constexpr double kWidth = 90.0;
    static constexpr double kPinPitch = 20.0;

    TFunction(std::string funName, const BlockEnvironment& environment);

    const std::string& FunName() const { return funName_; }

protected:
    // The enable rule: with EN on, the EN pin's value goes unchanged to the ENO pin and the
    // block computes only while the EN pin reads true; with EN off it always computes.
    bool Enabled();

    // Pin `pin`'s value. A block whose catalogue entry is missing or short lacks the pin its
    // computation needs: that is a fault, not a read past the pin list.
    PinValue& Value(int pin);
    const PinValue& Value(int pin) const;

    const BlockEnvironment& environment() const { return environment_; }

private:
    void ENChanged();

    std::string funName_;
    BlockEnvironment environment_;
};

} // namespace vexa

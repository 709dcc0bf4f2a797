#pragma once
#include <string>
#include <vector>

#include "DiskFixture.h"

namespace zav {

// What must hold after every event of the disk's life, whatever the user did.
class ScreenInvariants {
public:
    explicit ScreenInvariants(DiskFixture& disk);
    // The first broken rule, described, or an empty string when all hold.
    std::string firstBroken() const;

private:
    DiskFixture& disk_;
    std::vector<const TControl*> highlights_;
    std::vector<const TImage*> stripHolders_;  // the song lines and the main text
};

}  // namespace zav

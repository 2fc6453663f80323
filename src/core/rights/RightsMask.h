#pragma once

#include <QString>
#include <array>
#include <memory>

namespace gw {
class RightsHolder;
class VersionSecurity;
} // namespace gw

namespace tw {

// The rights mask bits that mean something, in the order their words are written.
constexpr int kRightView = 4;
constexpr int kRightEdit = 2;
constexpr int kRightDelete = 1;
constexpr int kRightShare = 32;
constexpr int kRightModifySecurity = 8;
constexpr std::array<int, 5> kRightBits {kRightView, kRightEdit, kRightDelete, kRightShare, kRightModifySecurity};
// All five rights; 16 is no right at all.
constexpr int kFullRights = 47;
// What a level mask is reduced to before it is written: modify security goes in its own flag.
constexpr int kLevelMaskRights = 39;

// The three version levels of a rights holder, by their values.
enum class RightsLevel { Other = 0, Official = 1, Current = 2 };
// The order in which the rights reports write a holder's levels.
constexpr std::array<RightsLevel, 3> kReportLevels {RightsLevel::Official, RightsLevel::Current, RightsLevel::Other};

// The words of the set rights, in the fixed order, separated by ", "; "Denied" without any.
QString DecodeRights(int mask);
QString levelWord(RightsLevel level);
// The level a version belongs to by its number against the official version's number.
RightsLevel versionLevel(int versionNumber, int officialNumber);
std::shared_ptr<gw::VersionSecurity> levelOf(gw::RightsHolder& holder, RightsLevel level);

// The five rights check boxes of the Excessive Rights tab, in the order of kRightBits.
using RightsBoxes = std::array<bool, 5>;
int maskOf(const RightsBoxes& ticked);
RightsBoxes boxesOf(int mask);
// The boxes' coupling: every box is enabled exactly when its own ticked state equals
// whether any box is ticked, so one ticked box disables the other four.
RightsBoxes RightsCheck(const RightsBoxes& ticked);

} // namespace tw

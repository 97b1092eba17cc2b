#pragma once
// The one way to reach the field a key fills: visitKeyField hands the member of a ride, train or car
// role record that a KeyField names to a callback, as a reference of the member's type. A rating
// cell comes as its double; a flag kept as a bit of RideFlags as a RideFlag. The reader, the rewrite,
// the CLI's dump and the assistant give one callback per type (`overloaded{...}`) instead of each
// testing the variant's alternatives by hand.

#include <cstdint>
#include <type_traits>
#include <variant>

#include "datafiles/DataFileKeys.h"

namespace zw {

// A flag that is one bit of the ride's RideFlags; `Flags` is const for a const ride.
template <typename Flags>
struct RideFlagOf {
    Flags& flags;
    uint32_t bit;
    bool isSet() const { return (flags & bit) != 0; }
    void set() const { flags |= bit; }
};
using RideFlag = RideFlagOf<uint32_t>;
using ConstRideFlag = RideFlagOf<const uint32_t>;

// Callbacks for visitKeyField, one per type.
template <typename... Callbacks>
struct overloaded : Callbacks... {
    using Callbacks::operator()...;
};
template <typename... Callbacks>
overloaded(Callbacks...) -> overloaded<Callbacks...>;

namespace detail {
template <typename Member>
struct MemberOf {
    using Class = void;
};
template <typename T, typename C>
struct MemberOf<T C::*> {
    using Class = C;
};
}  // namespace detail

// Calls `visit` with the field of `record` (a RideData, CarData or CarRoleData, const or not) that
// `field` names. False, without a call, when `field` names a field of another kind of record.
template <typename Record, typename Visit>
bool visitKeyField(const KeyField& field, Record& record, Visit&& visit) {
    using Plain = std::remove_const_t<Record>;
    return std::visit(
        [&](const auto& f) -> bool {
            using F = std::decay_t<decltype(f)>;
            if constexpr (std::is_same_v<F, RatingCell>) {
                if constexpr (std::is_same_v<Plain, RideData>) {
                    visit(record.RatingCoefficients[f.row][f.column]);
                    return true;
                }
            } else if constexpr (std::is_same_v<F, RideFlagBit>) {
                if constexpr (std::is_same_v<Plain, RideData>) {
                    visit(RideFlagOf<std::remove_reference_t<decltype((record.RideFlags))>>{record.RideFlags, f.bit});
                    return true;
                }
            } else if constexpr (std::is_same_v<typename detail::MemberOf<F>::Class, Plain>) {
                visit(record.*f);
                return true;
            }
            return false;
        },
        field);
}

}  // namespace zw

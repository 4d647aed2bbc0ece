#pragma once

#include "storage/FieldRecord.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace brelvane {

// Field adapters: the stored fields that are not simply "the field's own
// bytes". Each is used as ar("Name", Adapter(record.Field)).

// A field stored as int32 but held in a narrower integer.
template <StoredInteger T> struct TWidened : TFieldAdapter {
    T& Field;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            Field = static_cast<T>(ar.template Take<std::int32_t>());
            return true;
        } else if constexpr (kWriting<Archive>) {
            return ar(name, static_cast<std::int32_t>(Field));
        } else {
            return ar(name, Field);
        }
    }
};
template <StoredInteger T> TWidened<T> Widened(T& field) {
    return {{}, field};
}

// A one-byte flag stored in a four-byte field whose other three bytes have
// always carried the low bytes of `Padding`; readers look at the first byte only.
struct TFlagPaddedBy : TFieldAdapter {
    bool& Flag;
    const std::int32_t& Padding;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            Flag = (ar.template Take<std::uint32_t>() & 0xff) != 0;
            return true;
        } else if constexpr (kWriting<Archive>) {
            return ar(name, (static_cast<std::uint32_t>(Padding) << 8) | (Flag ? 1u : 0u));
        } else {
            return ar(name, Flag);
        }
    }
};
inline TFlagPaddedBy FlagPaddedBy(bool& flag, const std::int32_t& padding) {
    return {{}, flag, padding};
}

// A field whose value, when read, goes to `Set` instead of straight into the
// field (limits, values a read replaces, fields a read must not change).
// Writers write the field as it is.
template <class T, class Setter> struct TThrough : TFieldAdapter {
    T& Field;
    Setter Set;
    template <class Archive> bool Transfer(Archive& ar, const char* name) {
        if constexpr (kReading<Archive>) {
            T value{};
            if (!ar(name, value)) return false;
            Set(std::move(value));
            return true;
        } else {
            return ar(name, Field);
        }
    }
};
template <class T, class Setter> TThrough<T, Setter> Through(T& field, Setter set) {
    return {{}, field, std::move(set)};
}

// A value read is held to limits: field = limit(value read).
template <class T, class Limit> auto Limited(T& field, Limit limit) {
    return Through(field, [&field, limit](T value) { field = limit(value); });
}

// A field stored as it is held, whose stored value a read replaces with
// `value` (run-time state saved with the record but not taken back).
template <class T> auto ReadAs(T& field, T value) {
    return Through(field, [&field, value](const T&) { field = value; });
}

// What a read does with a field that the reading mode or the platform decides
// on: take the stored value, keep the field's own value (the stored one is
// read and dropped), or switch it off.
enum class TApply { Take, Keep, Off };
template <class T> auto Applied(T& field, TApply apply) {
    return Through(field, [&field, apply](T value) {
        if (apply == TApply::Take) field = std::move(value);
        if (apply == TApply::Off) field = T{};
    });
}

// A part owned through a pointer, stored inline. A reader creates it when it
// is missing; a writer stores the defaults for a missing one.
template <class T> struct TOwned : TFieldAdapter {
    std::unique_ptr<T>& Part;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            if (!Part) Part = std::make_unique<T>();
        } else if (!Part) {
            T defaults;
            return ar(name, defaults);
        }
        return ar(name, *Part);
    }
};
template <class T> TOwned<T> Owned(std::unique_ptr<T>& part) {
    return {{}, part};
}

// A marker that announces an optional section. Writers always store `Value`
// and the section; a reader that finds another value takes it as the field
// that follows the section (streams from before the section existed).
template <StoredInteger T> struct TMarker {
    T Value;
    // Readers take any negative value as the marker.
    bool AnyNegative = false;
    bool Matches(T stored) const { return AnyNegative ? stored < 0 : stored == Value; }
};

// Transfers `section` behind `marker`; a read that finds no marker runs
// `absent` instead, which gives the section's fields their values.
template <class Archive, StoredInteger T, class Section, class Absent>
bool MarkedSection(Archive& ar, TMarker<T> marker, Section section, Absent absent) {
    if constexpr (kReading<Archive>) {
        const T stored = ar.template Take<T>();
        if (!marker.Matches(stored)) {
            ar.PutBack(stored);
            absent();
            return true;
        }
    } else if constexpr (kWriting<Archive>) {
        if (!ar(nullptr, marker.Value)) return false;
    }
    return section();
}

} // namespace brelvane

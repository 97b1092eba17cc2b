#pragma once
// Which ride field each control of the assistant edits, written down once: storing the controls
// into the ride and filling them from it both work from this table, so the two directions cannot
// drift apart. A control is either stored (saving writes its field to the data file, building puts
// it into the pair) or only shown: its field has no data-file key, every read gives it the same
// value, so the control shows that value and cannot be edited.

#include <span>
#include <string_view>

#include "datafiles/DataFileKeys.h"

namespace zw {

enum class Conversion {
    Text,             // an edit's text; Windows-1252 in the field
    Number,           // a decimal
    Speed,            // a decimal in the ride's speed unit
    Integer,          // a whole number
    WholePart,        // a decimal, its whole part stored
    Money,            // a decimal, stored as hundredths
    Flag,             // a check box: checked 1, else 0
    InvertedFlag,     // a check box: checked 0, else 1
    MinusOneFlag,     // a check box: checked -1
    FlagBit,          // a check box: a bit of the ride's flag word
    InvertedFlagBit,  // a check box: the bit set when not checked
    IconText,         // the icon box's text
    Choice,           // a list's selected item
    Category,         // the category list: items 0 … 6 are categories 0 … 6, items 7 … 9 are 15 … 17
    List,             // every item of a chosen list, in order
    SectionList,      // the chosen sections, with the cost list's texts as hundredths
    StartOptions,     // the checked start options as bits
    PresetStart,      // the index of the last checked item
    SpeedUnit,        // the unit list's item as the unit's factor
};

enum class Binding { Stored, ShownOnly };

struct ControlBinding {
    std::string_view control;        // the model's member, also the window control's name
    std::string_view caption;        // the language table's target that names the control
    std::string_view columnCaption;  // a rating column's caption ("lblErr"); empty elsewhere
    KeyField field;
    Conversion conversion;
    Binding binding = Binding::Stored;
};

// Every control of the assistant that edits or shows a ride field.
std::span<const ControlBinding> controlBindings();

// The binding of `control`; nullptr when it edits no ride field.
const ControlBinding* bindingOf(std::string_view control);

}  // namespace zw

#pragma once

#include <span>

namespace selvana {

// How a field is kept in a cell of the order or settlement row.
enum class CellForm {
    Text,      // as typed
    Lines,     // a multi-line text: non-empty lines joined by two backslashes
    Date,      // the order date picker, "dd.mm.yyyy"
    Shortest,  // number text: shortest decimal, no grouping ("1234,5")
    Display,   // the field's display text ("1.234,50")
    Year,      // the year field: written, never read back
    WriteOnly, // written from its field, read from elsewhere
    Sheet,     // a packed expense sheet
};

struct RecordColumn {
    const char16_t* field; // control name; for a sheet, the sheet's name
    CellForm form;
};

// The columns of an order's row in sg_nalozi by what they hold (column i is the field "nl_" + i).
// Column 0 of the settlement row holds the order's number too.
namespace OrderColumn {
enum : int {
    Number,
    Year,
    Place,
    Date,
    Traveller,
    Title,
    Occupation,
    DepartureDate,
    Destination,
    Tasks,
    Days,
    PerDiem,
    Advance,
    AdvanceInWords,
    TransportOut,
    TransportBack,
    ReportDeadline,
    Attachments,
    Report,
    Count
};
} // namespace OrderColumn

// Column i of the order row is the field "nl_" + i.
std::span<const RecordColumn> orderColumns();
// The 21 columns of the settlement row.
std::span<const RecordColumn> settlementColumns();

} // namespace selvana

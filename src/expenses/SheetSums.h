#pragma once

namespace selvana {

class GridTable;

// Sum of column c over rows 1..R-1 of a table whose row 0 holds titles. Empty cells are
// skipped; "." is dropped and "," read as the decimal point. A cell that is no number, or a
// sum beyond what a double holds, throws the conversion message.
double TroskoviSuma(const GridTable& table, int c);

// The cells (c1..c2, r) of one row, both ends included; 0 when c2 < c1.
double TroskoviSumaOdDoRed(const GridTable& table, int c1, int c2, int r);

} // namespace selvana

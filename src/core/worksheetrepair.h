#pragma once

class CalculatorCatalog;
class RWorksheet;

// Brings a worksheet read from a file back to what the program relies on:
// a current index inside the list; every calculation of a known type with the
// fields (kinds and solutions) its calculator addresses; and for every type at
// least one calculation, exactly one of them current. Returns whether anything
// changed.
//
// A field whose kind does not match is replaced by a fresh one; missing fields
// and solutions are added fresh; fields beyond the type's count are kept as
// they are (no calculator shows them) and written back unchanged. A type
// without calculations gains one, named as New Calculation names them.
bool RepairWorksheet(RWorksheet& worksheet, const CalculatorCatalog& catalog);

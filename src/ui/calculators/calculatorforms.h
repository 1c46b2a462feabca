#pragma once

class TFormProblem;
struct AppContext;

// The calculator form of a type number 1 to 20, of the class that makes the
// drawing the type table declares; nullptr for any other number.
TFormProblem* CreateCalculatorForm(int type, AppContext& context);

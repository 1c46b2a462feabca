#pragma once

class TFormProblem;
struct AppContext;

// The calculator form of a type number 1 to 20; nullptr for any other number.
TFormProblem* CreateCalculatorForm(int type, AppContext& context);

#pragma once

class TFormProblem;
struct AppContext;

// The calculator form of a type number 1 to 20.
TFormProblem* CreateCalculatorForm(int type, AppContext& context);

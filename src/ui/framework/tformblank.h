#pragma once

#include "ui/framework/tformproblem.h"

// A calculation type whose calculator has no controls yet: it names its type,
// creates its calculations from the type table and shows an empty panel.
class TFormBlank final : public TFormProblem {
    Q_OBJECT

public:
    TFormBlank(AppContext& context, int type, QObject* parent = nullptr);
};

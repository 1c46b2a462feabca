#pragma once

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <memory>

// A small worksheet holding one calculation of every type, with values as a
// user leaves them: results, units other than the default, an entry that is
// not a number, empty boxes, an L network design and an antenna reading with
// both solutions, the types out of tree order in the list.
inline void FillSampleSheet(RWorksheet& sheet) {
    const RConfig config;
    const TypeCatalog catalog(config);
    sheet.CreateDefault(catalog);
    sheet.FileName = QStringLiteral("/home/ham/bench/antenna.kvw");
    auto set = [&sheet](int type, int field, const QString& text, const QString& imag = QString(),
                        int unit = -1) {
        RField& f = sheet.At(sheet.FindSelected(type))->Field(field);
        f.SetTexts(text, imag);
        if (unit >= 0)
            f.unitIndex = unit;
    };
    auto calc = [&sheet](int type) { return sheet.At(sheet.FindSelected(type)); };

    set(1, 0, "100");
    set(1, 1, "2.2", "", 1);
    set(1, 2, "95.6521739130435", "0");
    set(2, 0, "100");
    set(2, 1, "abc", "", 1);
    calc(2)->SetConfiguration(1);
    set(3, 0, "10");
    set(3, 1, "1", "", 1);
    calc(3)->SetUnknown(1);
    set(4, 0, "50", "30");
    set(4, 1, "20", "-40");
    set(4, 2, "33.6", "-15.2");
    set(5, 0, "100");
    set(5, 1, "1");
    set(5, 2, "1.59154943091895", "0", 1);
    set(6, 1, "7");
    calc(6)->SetUnknown(1);
    // An L network design, the second solution chosen.
    RCalculation* l = calc(7);
    l->SetUnknown(2);
    set(7, 0, "50");
    set(7, 3, "200", "100");
    set(7, 1, "0", "-100");
    set(7, 2, "0", "166.666666666667");
    l->Field(1).solutions[0].SetTexts("0", "-100");
    l->Field(1).solutions[1].SetTexts("0", "100");
    l->Field(2).solutions[0].SetTexts("0", "166.666666666667");
    l->Field(2).solutions[1].SetTexts("0", "-100");
    l->SetSolution(1);
    set(8, 0, "50");
    set(8, 1, "0", "-100");
    set(8, 2, "0", "50");
    set(8, 3, "0", "-200");
    set(8, 4, "52.4590163934426", "22.9508196721311");
    calc(9)->SetUnknown(1);
    set(10, 0, "100");
    set(10, 2, "2", "0");
    set(11, 0, "1", "", 3);
    set(11, 1, "1.60934391684093", "0", 3);
    set(12, 0, "1", "", 3);
    set(13, 1, "0.764554857984", "0");
    set(14, 0, "1", "", 2);
    set(15, 1, "1", "", 2);
    set(16, 0, "14.2");
    set(16, 1, "69.2673", "0", 0);
    set(17, 0, "7");
    set(18, 0, "1");
    set(18, 1, "100");
    set(18, 2, "15.9154943091895", "0");
    set(19, 0, "1", "", 0);
    set(19, 1, "1", "", 0);
    set(19, 2, "10");
    set(19, 3, "1.72413793103448", "0");
    // An antenna reading through an added coil, the first solution chosen.
    RCalculation* antenna = calc(20);
    antenna->SetConfiguration(2);
    set(20, 0, "14.2");
    set(20, 1, "50");
    set(20, 2, "1.5");
    set(20, 3, "10");
    set(20, 4, "20");
    set(20, 5, "36.1538461538462", "-0.769230769230769");
    antenna->Field(5).solutions[0].SetTexts("36.1538461538462", "-0.769230769230769");
    antenna->Field(5).solutions[1].SetTexts("36.1538461538462", "-39.2307692307692");
    antenna->SetSolution(0);

    // Types out of tree order in the list, and a second resistor after them.
    auto moved = sheet.Remove(sheet.FindSelected(18));
    sheet.Insert(0, std::move(moved));
    auto second = std::make_unique<RCalculation>();
    catalog.InitCalculation(1, *second);
    second->SetName(QStringLiteral("Dummy load"));
    second->Field(0).SetTexts("50", "");
    second->Field(1).SetTexts("50", "");
    sheet.Insert(sheet.Count(), std::move(second));
}
